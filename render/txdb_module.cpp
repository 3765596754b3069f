#include "render/txdb_module.h"

#include <dlfcn.h>
#include <elf.h>
#include <fcntl.h>
#include <limits.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

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

#if __SIZEOF_POINTER__ == 8
const unsigned char NATIVE_CLASS = ELFCLASS64;
#else
const unsigned char NATIVE_CLASS = ELFCLASS32;
#endif
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
const unsigned char NATIVE_ORDER = ELFDATA2LSB;
#else
const unsigned char NATIVE_ORDER = ELFDATA2MSB;
#endif

// Whether count bytes from offset lie within a file of that size, without
// the sum overflowing.
bool within(uint64_t offset, uint64_t count, uint64_t size) {
    return offset <= size && count <= size - offset;
}

bool readAt(int fd, void* buffer, size_t count, uint64_t offset) {
    ssize_t n = pread(fd, buffer, count, (off_t)offset);
    return n >= 0 && (size_t)n == count;
}

bool headerFits(const ElfW(Ehdr) & h, uint64_t size) {
    if (memcmp(h.e_ident, ELFMAG, SELFMAG) != 0) return false;
    if (h.e_ident[EI_CLASS] != NATIVE_CLASS || h.e_ident[EI_DATA] != NATIVE_ORDER) return false;
    if (h.e_type != ET_DYN || h.e_phentsize != sizeof(ElfW(Phdr))) return false;
    if (h.e_phnum == 0 || h.e_phnum == PN_XNUM) return false;
    return within(h.e_phoff, (uint64_t)h.e_phnum * sizeof(ElfW(Phdr)), size);
}

bool segmentsFit(int fd, const ElfW(Ehdr) & h, uint64_t size) {
    std::vector<ElfW(Phdr)> segments(h.e_phnum);
    if (!readAt(fd, segments.data(), segments.size() * sizeof(ElfW(Phdr)), h.e_phoff)) return false;
    bool loadable = false;
    for (const ElfW(Phdr) & s : segments) {
        if (!within(s.p_offset, s.p_filesz, size)) return false;
        if (s.p_type == PT_LOAD) loadable = true;
    }
    return loadable;
}

}  // namespace

bool dataModuleFileComplete(const char* path) {
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st;
    ElfW(Ehdr) header;
    bool complete =
        fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && readAt(fd, &header, sizeof header, 0) &&
        headerFits(header, (uint64_t)st.st_size) && segmentsFit(fd, header, (uint64_t)st.st_size);
    close(fd);
    return complete;
}

bool dataModulePath(const char* module, char* path, int size) {
    char folder[PATH_MAX];
    executableFolder(folder, sizeof folder);
    int n = snprintf(path, size, "%s%s.so", folder, module);
    return n > 0 && n < size;
}

void* dataModuleOpen(const char* module) {
    char path[PATH_MAX];
    if (!dataModulePath(module, path, sizeof path)) return nullptr;
    if (!dataModuleFileComplete(path)) return nullptr;
    return dlopen(path, RTLD_NOW | RTLD_LOCAL);
}

const void* dataModuleSymbol(void* handle, const char* symbol) {
    return handle ? dlsym(handle, symbol) : nullptr;
}

void dataModuleClose(void* handle) {
    if (handle) dlclose(handle);
}
