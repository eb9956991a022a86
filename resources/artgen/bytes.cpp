#include "bytes.h"

#include <cstdio>

namespace art {

void putLe16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void putLe32(Bytes& b, uint32_t v) {
    putLe16(b, v & 0xFFFF);
    putLe16(b, v >> 16);
}
void putBe32(Bytes& b, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) b.push_back(uint8_t(v >> s));
}
uint32_t getLe16(const Bytes& b, size_t at) { return b[at] | (uint32_t(b[at + 1]) << 8); }
uint32_t getLe32(const Bytes& b, size_t at) { return getLe16(b, at) | (getLe16(b, at + 2) << 16); }
uint32_t getBe32(const Bytes& b, size_t at) {
    return (uint32_t(b[at]) << 24) | (uint32_t(b[at + 1]) << 16) | (uint32_t(b[at + 2]) << 8) | b[at + 3];
}

bool writeFile(const std::string& path, const Bytes& data) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = data.empty() || std::fwrite(data.data(), 1, data.size(), f) == data.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace art
