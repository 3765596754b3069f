#include "shell/progress.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bus/diag.h"

namespace {
// No fixed-size buffer: a long home folder must not overflow anything.
std::string folder = ".";
bool won[PROGRESS_LEVELS];

bool makeFolder(const std::string& path) {
    if (mkdir(path.c_str(), 0755) == 0 || errno == EEXIST) return true;
    return false;
}

// Makes every missing folder along the path (a fresh account may lack
// ~/.local/share).
bool makeFolders(const std::string& path) {
    for (size_t i = 1; i < path.size(); i++) {
        if (path[i] == '/') makeFolder(path.substr(0, i));
    }
    return makeFolder(path);
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
    makeFolders(appData);
    folder = appData;
}

void progress_setFolder(const char* f) { folder = f ? f : "."; }

const char* progress_folder() { return folder.c_str(); }

void loadProgress() {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = readdir(dir)) {
        if (!isProgressName(entry->d_name)) continue;
        progress_markWon(atoi(entry->d_name));
    }
    closedir(dir);
}

void saveProgress() {
    for (int level = 0; level < PROGRESS_LEVELS; level++) {
        if (!won[level]) continue;
        char name[8];
        snprintf(name, sizeof name, "/%02d", level);
        std::string path = folder + name;
        FILE* f = fopen(path.c_str(), "w");
        if (!f) {
            logLine("ERR cannot open '%s' for writing", path.c_str());
            continue;
        }
        fclose(f);
    }
}

bool progress_won(int levelNr) { return levelNr >= 0 && levelNr < PROGRESS_LEVELS && won[levelNr]; }

void progress_markWon(int levelNr) {
    if (levelNr >= 0 && levelNr < PROGRESS_LEVELS) won[levelNr] = true;
}

void progress_clear() {
    for (bool& w : won) w = false;
}
