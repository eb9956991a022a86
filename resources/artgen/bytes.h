// Byte-buffer helpers shared by the picture file writers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace art {

using Bytes = std::vector<uint8_t>;

void putLe16(Bytes& b, uint32_t v);
void putLe32(Bytes& b, uint32_t v);
void putBe32(Bytes& b, uint32_t v);
uint32_t getLe16(const Bytes& b, size_t at);
uint32_t getLe32(const Bytes& b, size_t at);
uint32_t getBe32(const Bytes& b, size_t at);

// Writes the whole buffer to a file; false when the file cannot be written.
bool writeFile(const std::string& path, const Bytes& data);

}  // namespace art
