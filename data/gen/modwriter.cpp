#include "modwriter.h"

#include <cstdio>

namespace {

const size_t ALIGNMENT = 16;

}  // namespace

void mw_addArray(ModuleWriter& w, const std::string& symbol, const void* data, size_t bytes) {
    while (w.blob.size() % ALIGNMENT) w.blob.push_back(0);
    size_t offset = w.blob.size();
    const unsigned char* p = static_cast<const unsigned char*>(data);
    w.blob.insert(w.blob.end(), p, p + bytes);
    char line[512];
    snprintf(line, sizeof line,
             "    .globl %s\n    .type %s, @object\n    .balign %zu\n%s:\n"
             "    .incbin BLOB, %zu, %zu\n    .size %s, %zu\n",
             symbol.c_str(), symbol.c_str(), ALIGNMENT, symbol.c_str(), offset, bytes,
             symbol.c_str(), bytes);
    w.exports += line;
}

void mw_addInt(ModuleWriter& w, const std::string& symbol, int32_t value) {
    char line[512];
    snprintf(line, sizeof line,
             "    .globl %s\n    .type %s, @object\n    .balign 4\n%s:\n"
             "    .long %d\n    .size %s, 4\n",
             symbol.c_str(), symbol.c_str(), symbol.c_str(), value, symbol.c_str());
    w.exports += line;
}

bool mw_write(const ModuleWriter& w, const std::string& dir, const std::string& name) {
    std::string binPath = dir + "/" + name + ".bin";
    FILE* f = fopen(binPath.c_str(), "wb");
    if (!f || fwrite(w.blob.data(), 1, w.blob.size(), f) != w.blob.size()) {
        fprintf(stderr, "cannot write %s\n", binPath.c_str());
        if (f) fclose(f);
        return false;
    }
    fclose(f);
    std::string asmPath = dir + "/" + name + ".S";
    FILE* a = fopen(asmPath.c_str(), "w");
    if (!a) {
        fprintf(stderr, "cannot write %s\n", asmPath.c_str());
        return false;
    }
    fprintf(a, "/* Generated: data only, no code. */\n#define BLOB \"%s\"\n", binPath.c_str());
    fprintf(a, "    .section .rodata\n%s", w.exports.c_str());
    fprintf(a, "    .section .note.GNU-stack,\"\",@progbits\n");
    bool ok = fclose(a) == 0;
    return ok;
}
