// PNG files without any compression library: the image data goes into
// zlib "stored" blocks, which every PNG reader accepts.
#pragma once

#include <cstdint>

#include "bytes.h"
#include "canvas.h"

namespace art {

uint32_t crc32(const uint8_t* data, size_t n, uint32_t crc = 0);
uint32_t adler32(const uint8_t* data, size_t n);

// Wraps raw bytes in a zlib stream of uncompressed deflate blocks.
Bytes zlibStored(const Bytes& raw);

// 8-bit RGBA PNG of the image.
Bytes encodePng(const Image& img);

}  // namespace art
