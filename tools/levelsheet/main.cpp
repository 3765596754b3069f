// quorvel-levelsheet: a picture of every level's start as the game draws it,
// and a labelled contact sheet of them all, for looking over the levels at a
// glance. Needs a display; under Xvfb: xvfb-run -a quorvel-levelsheet OUT.
//
//   quorvel-levelsheet OUTDIR [--ticks N] [--only NR] [--check]
//
// --ticks: frames each level runs before its picture (default 30);
// --only:  just that level; --check: exit 1 when a picture looks empty.
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/render/harness.h"
#include "tools/levelsheet/capture.h"
#include "tools/levelsheet/picture.h"
#include "ui/levelinfo.h"

namespace {

const int DEFAULT_TICKS = 30;
const int SHRINK = 4;
const int COLUMNS = 6;
const int LABEL_HEIGHT = 20;
const int GAP = 4;
const unsigned char SHEET_BACKGROUND = 40;

struct Options {
    std::string outDir;
    int ticks = DEFAULT_TICKS;
    int first = FIRST_LEVEL, last = LAST_LEVEL;
    bool check = false;
};

bool parse(int argc, char** argv, Options* o) {
    for (int i = 1; i < argc; i++) {
        bool hasValue = i + 1 < argc;
        if (strcmp(argv[i], "--ticks") == 0 && hasValue) {
            o->ticks = atoi(argv[++i]);
        } else if (strcmp(argv[i], "--only") == 0 && hasValue) {
            o->first = o->last = atoi(argv[++i]);
        } else if (strcmp(argv[i], "--check") == 0) {
            o->check = true;
        } else if (argv[i][0] != '-' && o->outDir.empty()) {
            o->outDir = argv[i];
        } else {
            return false;
        }
    }
    return !o->outDir.empty() && o->ticks >= 1 && o->first >= FIRST_LEVEL && o->last <= LAST_LEVEL;
}

// The folder and any missing parents: the tests name one inside the build's
// artifacts folder, which another test may not have made yet.
void makeFolders(const std::string& path) {
    for (size_t at = path.find('/', 1); at != std::string::npos; at = path.find('/', at + 1))
        mkdir(path.substr(0, at).c_str(), 0755);
    mkdir(path.c_str(), 0755);
}

std::string levelFileName(int nr) {
    char name[64];
    if (nr < 0)
        snprintf(name, sizeof name, "%s.png", levelName(nr));
    else
        snprintf(name, sizeof name, "level%02d_%s.png", nr, levelName(nr));
    return name;
}

struct Sheet {
    Picture picture;
    int tileW = 0, tileH = 0, count = 0;
};

Sheet makeSheet(int frameW, int frameH, int tiles) {
    Sheet s;
    s.tileW = frameW / SHRINK;
    s.tileH = frameH / SHRINK + LABEL_HEIGHT;
    int rows = (tiles + COLUMNS - 1) / COLUMNS;
    int w = COLUMNS * (s.tileW + GAP) + GAP, h = rows * (s.tileH + GAP) + GAP;
    s.picture = picture_make(w, h, SHEET_BACKGROUND, SHEET_BACKGROUND, SHEET_BACKGROUND);
    return s;
}

// Tiles fill the sheet from the top left, row by row; rows are stored bottom first.
void addTile(Sheet& s, const Picture& frame, const Picture& label) {
    int column = s.count % COLUMNS, row = s.count / COLUMNS;
    int x = GAP + column * (s.tileW + GAP);
    int top = s.picture.height - GAP - row * (s.tileH + GAP);
    picture_paste(s.picture, label, x, top - LABEL_HEIGHT);
    picture_paste(s.picture, picture_shrink(frame, SHRINK), x, top - s.tileH);
    s.count++;
}

bool save(const std::string& path, const Picture& p) {
    if (writePng(path, p.width, p.height, p.rgb)) return true;
    printf("ERR cannot write %s\n", path.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, &o)) {
        fprintf(stderr, "usage: quorvel-levelsheet OUTDIR [--ticks N] [--only NR] [--check]\n");
        return 2;
    }
    makeFolders(o.outDir);
    auto started = std::chrono::steady_clock::now();
    if (!capture_open()) return 1;

    Sheet sheet;
    int failures = 0;
    bool written = true;
    for (int nr = o.first; nr <= o.last; nr++) {
        LevelShot shot = capture_level(nr, o.ticks);
        const Picture& frame = shot.frame;
        if (sheet.count == 0) sheet = makeSheet(frame.width, frame.height, o.last - o.first + 1);
        char text[64];
        // The stroke font has no minus sign: the sandbox goes by its name alone.
        if (nr < 0)
            snprintf(text, sizeof text, "%s", levelName(nr));
        else
            snprintf(text, sizeof text, "%d %s", nr, levelName(nr));
        for (char* c = text; *c; c++) *c = (char)toupper((unsigned char)*c);
        addTile(sheet, frame, capture_label(text, sheet.tileW, LABEL_HEIGHT));
        written = save(o.outDir + "/" + levelFileName(nr), frame) && written;

        PictureVerdict v = picture_judge(frame, capture_sceneRect(), capture_hudRect());
        // A level frozen at its start, or one the camera cannot follow, can
        // still make a fine picture: judge the running game too.
        if (v.ok && !shot.advanced)
            v.reason = "world stands still";
        else if (v.ok && !shot.hasVehicle)
            v.reason = "no vehicle to follow";
        else if (v.ok && !shot.vehicleInView)
            v.reason = "camera looks away from the vehicle";
        v.ok = v.reason.empty();
        printf("level %3d %-11s sky %5.1f%%  scene colours %4d  hud %5.1f%% / %3d colours  %s\n",
               nr, levelName(nr), 100.0f * v.skyShare, v.sceneColours, 100.0f * v.hudCoverage,
               v.hudColours, v.ok ? "ok" : v.reason.c_str());
        if (!v.ok) failures++;
        fflush(stdout);
    }
    capture_close();
    written = save(o.outDir + "/levelsheet.png", sheet.picture) && written;

    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    printf("%d pictures, %d looking empty, %.1f s\n", sheet.count, failures, seconds);
    if (!written) return 1;
    return o.check && failures > 0 ? 1 : 0;
}
