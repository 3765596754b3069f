#include "render/txdb_module.h"

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

// The folder of /proc/self/exe with a trailing '/', or "" when unknown.
bool executableFolder(char* folder, int size) {
    ssize_t n = readlink("/proc/self/exe", folder, size - 1);
    if (n <= 0) {
        folder[0] = '\0';
        return false;
    }
    folder[n] = '\0';
    char* slash = strrchr(folder, '/');
    if (slash) slash[1] = '\0';
    return true;
}

}  // namespace

bool dataModulePath(const char* module, char* path, int size) {
    char folder[PATH_MAX];
    executableFolder(folder, sizeof folder);
    int n = snprintf(path, size, "%s%s.so", folder, module);
    return n > 0 && n < size;
}

void* dataModuleOpen(const char* module) {
    char path[PATH_MAX];
    if (!dataModulePath(module, path, sizeof path)) return nullptr;
    return dlopen(path, RTLD_NOW | RTLD_LOCAL);
}

const void* dataModuleSymbol(void* handle, const char* symbol) {
    return handle ? dlsym(handle, symbol) : nullptr;
}

void dataModuleClose(void* handle) {
    if (handle) dlclose(handle);
}
