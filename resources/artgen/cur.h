// Cursor (.cur) files: one monochrome image with its hot spot.
#pragma once

#include "bytes.h"
#include "canvas.h"

namespace art {

// Encodes a 1-bit cursor. Pixels with alpha below one half are transparent
// (AND bit set, XOR bit clear: the screen shows through); the others are
// black or white by their brightness (AND bit clear, XOR bit = white).
Bytes encodeMonoCursor(const Image& img, int hotX, int hotY);

}  // namespace art
