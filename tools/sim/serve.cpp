#include "tools/sim/serve.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tools/sim/options.h"
#include "tools/sim/player.h"
#include "tools/sim/probe.h"
#include "tools/sim/script.h"
#include "tools/sim/session.h"

namespace {

const size_t MAX_MESSAGE = 127;  // messages are formatted into 128-byte buffers

FILE* answers = nullptr;
bool anyMessageAllowed = false;
bool anyPlaced = false;          // a body was moved by hand: the session no longer replays
std::vector<ScriptLine> posted;  // everything posted, with the tick it went in before

void ok() {
    fprintf(answers, "ok\n");
    fflush(answers);
}

void err(const std::string& why) {
    fprintf(answers, "err %s\n", why.c_str());
    fflush(answers);
}

bool parseCount(const std::string& text, long* out) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    *out = strtol(text.c_str(), nullptr, 10);
    return true;
}

void step(const std::string& arg) {
    long k = 0;
    if (!parseCount(arg, &k) || k < 1) return err("step takes a tick count >= 1");
    if (session_ticks() + k > MAX_TICKS) return err("a session runs at most 10000000 ticks");
    size_t seen = session_endGames().size();
    for (long i = 0; i < k; i++) session_tick();
    fprintf(answers, "tick %ld\n", session_ticks());
    const std::vector<EndGame>& ends = session_endGames();
    for (size_t i = seen; i < ends.size(); i++)
        fprintf(answers, "endGame win=%d level=%d tick=%ld\n", ends[i].win, ends[i].level,
                ends[i].tick);
    ok();
}

void post(const std::string& text) {
    std::string why;
    if (text.size() > MAX_MESSAGE) return err("message longer than 127 characters");
    if (text.find('\t') != std::string::npos) return err("a tab inside a message");
    if (!anyMessageAllowed && !player_allowed(text, &why))
        return err("refused '" + text + "': " + why);
    player_post(text.c_str());
    posted.push_back({session_ticks(), (int)posted.size() + 1, text});
    ok();
}

void pose(const std::string& args) {
    char name[128];
    int index = 0;
    int n = sscanf(args.c_str(), "%127s %d", name, &index);
    if (n < 1 || index < 0) return err("pose takes NAME [INDEX]");
    Pose p;
    if (!probe_pose(name, index, &p))
        return err("no object '" + std::string(name) + "' number " + std::to_string(index));
    fprintf(answers, "%s\n", probe_poseText(p).c_str());
    ok();
}

void joint(const std::string& args) {
    char machine[64], name[64];
    if (sscanf(args.c_str(), "%63s %63s", machine, name) != 2)
        return err(std::string("joint takes MACHINE NAME: ") + probe_jointNames());
    double value = 0.0;
    std::string why;
    if (!probe_joint(machine, name, &value, &why)) return err(why);
    fprintf(answers, "%s %s %.6f\n", machine, name, value);
    ok();
}

void grasped() {
    std::string name;
    if (!probe_grasped(&name)) return err("no crane with a grapple here");
    fprintf(answers, "grasped %s\n", name.c_str());
    ok();
}

// Development only: a driver under test gets a body where it needs one
// without playing the level up to it. Nothing is posted, so a recording
// cannot hold it; its header says the session will not replay.
void place(const std::string& args) {
    char name[128];
    int index = 0;
    double at[3];
    char extra = 0;
    if (sscanf(args.c_str(), "%127s %d %lf %lf %lf %c", name, &index, &at[0], &at[1], &at[2],
               &extra) != 5 ||
        index < 0)
        return err("place takes NAME INDEX X Y Z");
    for (double v : at)
        if (!(v > -1e4 && v < 1e4)) return err("place takes a point within 10 km");
    std::string why;
    if (!probe_placeAtRest(name, index, at, &why)) return err(why);
    anyPlaced = true;
    ok();
}

void list() {
    for (const std::string& line : probe_list()) fprintf(answers, "%s\n", line.c_str());
    ok();
}

// A script that replays the session: same lines at the same ticks, run for
// as many ticks as the session has.
void record(const std::string& path) {
    if (path.empty()) return err("record takes a file name");
    FILE* f = fopen(path.c_str(), "w");
    if (!f) return err("cannot write '" + path + "': " + strerror(errno));
    fprintf(f, "# recorded in serve mode%s%s\n# ticks %ld\n",
            anyMessageAllowed ? " with --any-message" : "",
            anyPlaced ? " with bodies placed by hand: it does not replay" : "", session_ticks());
    for (const ScriptLine& l : posted) fprintf(f, "%ld %s\n", l.tick, l.text.c_str());
    bool written = fclose(f) == 0;
    if (!written) return err("cannot write '" + path + "'");
    ok();
}

// False on "quit".
bool command(const std::string& line) {
    size_t start = line.find_first_not_of(' ');
    size_t space = line.find(' ', start);
    std::string verb = line.substr(start, space - start);
    size_t restStart = space == std::string::npos ? space : line.find_first_not_of(' ', space);
    std::string rest = restStart == std::string::npos ? "" : line.substr(restStart);
    if (verb == "step")
        step(rest);
    else if (verb == "post")
        post(rest);
    else if (verb == "pose")
        pose(rest);
    else if (verb == "joint")
        joint(rest);
    else if (verb == "grasped")
        grasped();
    else if (verb == "list")
        list();
    else if (verb == "place")
        place(rest);
    else if (verb == "record")
        record(rest);
    else if (verb == "quit") {
        ok();
        return false;
    } else
        err("unknown command '" + verb +
            "' (step, post, pose, joint, grasped, list, record, quit; place for development)");
    return true;
}

bool readLine(FILE* in, std::string* line) {
    line->clear();
    int c;
    while ((c = fgetc(in)) != EOF && c != '\n') line->push_back((char)c);
    if (!line->empty() && line->back() == '\r') line->pop_back();
    return c != EOF || !line->empty();
}

}  // namespace

FILE* serve_claimStdout() {
    fflush(stdout);
    int fd = dup(STDOUT_FILENO);
    if (fd < 0 || dup2(STDERR_FILENO, STDOUT_FILENO) < 0) return nullptr;
    return fdopen(fd, "w");
}

void serve_run(FILE* in, FILE* out, bool anyMessage) {
    answers = out;
    anyMessageAllowed = anyMessage;
    anyPlaced = false;
    posted.clear();
    std::string line;
    while (readLine(in, &line)) {
        if (line.find_first_not_of(' ') == std::string::npos) continue;
        if (!command(line)) break;
    }
}
