#include "pngwrite.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

uint32_t crcTable[256];

void makeCrcTable() {
    for (uint32_t n = 0; n < 256; n++) {
        uint32_t c = n;
        for (int k = 0; k < 8; k++) c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
        crcTable[n] = c;
    }
}

uint32_t crc(const std::vector<unsigned char>& data) {
    uint32_t c = 0xffffffffu;
    for (unsigned char b : data) c = crcTable[(c ^ b) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

void put32(std::vector<unsigned char>& out, uint32_t v) {
    for (int i = 3; i >= 0; i--) out.push_back((v >> (8 * i)) & 0xff);
}

void chunk(FILE* f, const char* type, const std::vector<unsigned char>& body) {
    std::vector<unsigned char> typed(type, type + 4);
    typed.insert(typed.end(), body.begin(), body.end());
    std::vector<unsigned char> head;
    put32(head, body.size());
    fwrite(head.data(), 1, 4, f);
    fwrite(typed.data(), 1, typed.size(), f);
    std::vector<unsigned char> tail;
    put32(tail, crc(typed));
    fwrite(tail.data(), 1, 4, f);
}

}  // namespace

bool writePng(const char* path, const Canvas& c) {
    makeCrcTable();
    std::vector<unsigned char> raw;  // filter byte 0, then straight-alpha RGBA
    for (int y = 0; y < c.h; y++) {
        raw.push_back(0);
        for (int x = 0; x < c.w; x++) {
            const float* p = &c.px[(size_t(y) * c.w + x) * 4];
            float a = std::clamp(p[3], 0.0f, 1.0f);
            for (int k = 0; k < 3; k++)
                raw.push_back(a > 0 ? std::lround(std::clamp(p[k] / a, 0.0f, 1.0f) * 255) : 0);
            raw.push_back(std::lround(a * 255));
        }
    }
    std::vector<unsigned char> z = {0x78, 0x01};
    uint32_t s1 = 1, s2 = 0;
    for (unsigned char b : raw) {
        s1 = (s1 + b) % 65521;
        s2 = (s2 + s1) % 65521;
    }
    for (size_t at = 0; at < raw.size() || at == 0; at += 65535) {
        size_t n = std::min<size_t>(65535, raw.size() - at);
        z.push_back(at + n >= raw.size() ? 1 : 0);
        z.push_back(n & 0xff);
        z.push_back(n >> 8);
        z.push_back(~n & 0xff);
        z.push_back((~n >> 8) & 0xff);
        z.insert(z.end(), raw.begin() + at, raw.begin() + at + n);
        if (at + n >= raw.size()) break;
    }
    put32(z, (s2 << 16) | s1);
    std::vector<unsigned char> ihdr;
    put32(ihdr, c.w);
    put32(ihdr, c.h);
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});
    FILE* f = fopen(path, "wb");
    if (!f) return false;
    const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    fwrite(signature, 1, 8, f);
    chunk(f, "IHDR", ihdr);
    chunk(f, "IDAT", z);
    chunk(f, "IEND", {});
    return fclose(f) == 0;
}
