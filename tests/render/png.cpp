#include <cstdint>
#include <cstdio>

#include "tests/render/harness.h"

namespace {

uint32_t crc32(const unsigned char* data, size_t n, uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < n; i++) {
        crc ^= data[i];
        for (int k = 0; k < 8; k++) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void put32(std::vector<unsigned char>& out, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back((unsigned char)(v >> s));
}

void chunk(FILE* f, const char* type, const std::vector<unsigned char>& data) {
    std::vector<unsigned char> c(type, type + 4);
    c.insert(c.end(), data.begin(), data.end());
    std::vector<unsigned char> head;
    put32(head, (uint32_t)data.size());
    std::vector<unsigned char> tail;
    put32(tail, crc32(c.data(), c.size()));
    fwrite(head.data(), 1, head.size(), f);
    fwrite(c.data(), 1, c.size(), f);
    fwrite(tail.data(), 1, tail.size(), f);
}

}  // namespace

bool writePng(const std::string& path, int width, int height,
              const std::vector<unsigned char>& rgb) {
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return false;
    static const unsigned char signature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
    fwrite(signature, 1, 8, f);
    std::vector<unsigned char> header;
    put32(header, width);
    put32(header, height);
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
    chunk(f, "IHDR", header);

    // Raw scanlines, top row first, each with filter byte 0.
    std::vector<unsigned char> raw;
    const size_t stride = (size_t)width * 3;
    for (int y = height - 1; y >= 0; y--) {
        raw.push_back(0);
        raw.insert(raw.end(), rgb.begin() + y * stride, rgb.begin() + (y + 1) * stride);
    }
    // zlib stream of stored blocks.
    std::vector<unsigned char> z = {0x78, 0x01};
    uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    for (size_t pos = 0; pos < raw.size(); pos += 65535) {
        size_t n = raw.size() - pos < 65535 ? raw.size() - pos : 65535;
        z.push_back(pos + n == raw.size() ? 1 : 0);
        z.push_back(n & 0xff);
        z.push_back(n >> 8);
        z.push_back(~n & 0xff);
        z.push_back((~n >> 8) & 0xff);
        z.insert(z.end(), raw.begin() + pos, raw.begin() + pos + n);
    }
    put32(z, (b << 16) | a);
    chunk(f, "IDAT", z);
    chunk(f, "IEND", {});
    return fclose(f) == 0;
}
