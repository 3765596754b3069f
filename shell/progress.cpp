#include "shell/progress.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bus/diag.h"

namespace {
// No fixed-size buffer: a long home folder must not overflow anything.
std::string folder = ".";
bool won[PROGRESS_LEVELS];

bool isFolder(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool isRegularFile(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Makes every missing folder along the path (a fresh account may lack
// ~/.local/share). Null when the path ends in a folder that progress can be
// written to, else why not.
const char* makeWritableFolders(const std::string& path) {
    for (size_t i = 1; i < path.size(); i++) {
        if (path[i] == '/') mkdir(path.substr(0, i).c_str(), 0755);
    }
    if (mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) return strerror(errno);
    if (!isFolder(path)) return "not a folder";
    if (access(path.c_str(), W_OK | X_OK) != 0) return strerror(errno);
    return nullptr;
}

enum Mark { MARK_THERE, MARK_MADE, MARK_FAILED };

// Creates the empty file of one win unless it is there already; an existing
// file is never opened for writing, so nothing once saved can be cut short.
Mark createMark(const std::string& path) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return errno == EEXIST && isRegularFile(path) ? MARK_THERE : MARK_FAILED;
    return close(fd) == 0 ? MARK_MADE : MARK_FAILED;
}

// Makes the folder's new entries last through a crash that follows at once.
void syncFolder(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

std::string appDataFolder() {
    const char* xdg = getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return std::string(xdg) + "/Quorvel";
    const char* home = getenv("HOME");
    if (home && home[0]) return std::string(home) + "/.local/share/Quorvel";
    return "";
}

bool isProgressName(const char* name) {
    return name[0] && name[1] && !name[2] && isdigit((unsigned char)name[0]) &&
           isdigit((unsigned char)name[1]);
}
}  // namespace

void progress_chooseFolder() {
    std::string cwd;
    if (char* dir = getcwd(nullptr, 0)) {
        cwd = dir;
        free(dir);
    } else {
        cwd = ".";
    }
    logLine("cwd = %s", cwd.c_str());
    folder = cwd;
    std::string appData = appDataFolder();
    if (appData.empty()) return;
    logLine("app data at: '%s'", appData.c_str());
    if (const char* reason = makeWritableFolders(appData)) {
        logLine("ERR cannot keep progress in '%s' (%s); progress goes to '%s'", appData.c_str(),
                reason, cwd.c_str());
        return;
    }
    folder = appData;
}

void progress_setFolder(const char* f) { folder = f ? f : "."; }

const char* progress_folder() { return folder.c_str(); }

void loadProgress() {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = readdir(dir)) {
        if (!isProgressName(entry->d_name)) continue;
        // Only files mark a win; a folder named "12" is something else.
        if (!isRegularFile(folder + "/" + entry->d_name)) continue;
        progress_markWon(atoi(entry->d_name));
    }
    closedir(dir);
}

void saveProgress() {
    bool created = false;
    for (int level = 0; level < PROGRESS_LEVELS; level++) {
        if (!won[level]) continue;
        char name[8];
        snprintf(name, sizeof name, "/%02d", level);
        std::string path = folder + name;
        Mark mark = createMark(path);
        if (mark == MARK_MADE) created = true;
        if (mark == MARK_FAILED) logLine("ERR cannot open '%s' for writing", path.c_str());
    }
    if (created) syncFolder(folder);
}

bool progress_won(int levelNr) { return levelNr >= 0 && levelNr < PROGRESS_LEVELS && won[levelNr]; }

void progress_markWon(int levelNr) {
    if (levelNr >= 0 && levelNr < PROGRESS_LEVELS) won[levelNr] = true;
}

void progress_clear() {
    for (bool& w : won) w = false;
}
