#include "png.h"

#include <algorithm>

namespace art {

uint32_t crc32(const uint8_t* data, size_t n, uint32_t crc) {
    static uint32_t table[256];
    static bool ready = false;
    if (!ready) {
        for (uint32_t i = 0; i < 256; i++) {
            uint32_t c = i;
            for (int k = 0; k < 8; k++) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[i] = c;
        }
        ready = true;
    }
    crc = ~crc;
    for (size_t i = 0; i < n; i++) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

uint32_t adler32(const uint8_t* data, size_t n) {
    uint32_t a = 1, b = 0;
    for (size_t i = 0; i < n; i++) {
        a = (a + data[i]) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

Bytes zlibStored(const Bytes& raw) {
    Bytes z = {0x78, 0x01};  // deflate, 32K window, no dictionary
    const size_t kMaxBlock = 65535;
    size_t pos = 0;
    do {
        size_t n = std::min(kMaxBlock, raw.size() - pos);
        bool last = pos + n == raw.size();
        z.push_back(last ? 1 : 0);  // BFINAL, BTYPE 00 (stored)
        z.push_back(uint8_t(n));
        z.push_back(uint8_t(n >> 8));
        z.push_back(uint8_t(~n));
        z.push_back(uint8_t(~n >> 8));
        z.insert(z.end(), raw.begin() + pos, raw.begin() + pos + n);
        pos += n;
    } while (pos < raw.size());
    putBe32(z, adler32(raw.data(), raw.size()));
    return z;
}

namespace {
void putChunk(Bytes& out, const char type[4], const Bytes& data) {
    putBe32(out, uint32_t(data.size()));
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    putBe32(out, crc32(&out[start], out.size() - start));
}
}  // namespace

Bytes encodePng(const Image& img) {
    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes ihdr;
    putBe32(ihdr, uint32_t(img.w));
    putBe32(ihdr, uint32_t(img.h));
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, deflate, no filter choice, no interlace
    putChunk(out, "IHDR", ihdr);
    Bytes raw;
    raw.reserve(size_t(img.h) * (size_t(img.w) * 4 + 1));
    for (int y = 0; y < img.h; y++) {
        raw.push_back(0);  // filter: none
        raw.insert(raw.end(), img.at(0, y), img.at(0, y) + size_t(img.w) * 4);
    }
    putChunk(out, "IDAT", zlibStored(raw));
    putChunk(out, "IEND", {});
    return out;
}

}  // namespace art
