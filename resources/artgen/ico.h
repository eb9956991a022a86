// Icon (.ico) files: one or more 32-bit BGRA images, each with the 1-bit AND
// mask that systems without alpha blending use for transparency.
#pragma once

#include <vector>

#include "bytes.h"
#include "canvas.h"

namespace art {

// Encodes square or rectangular images of at most 256x256 into one icon file.
// The mask bit is set (transparent) exactly where alpha is 0, and such pixels
// carry black so that XOR drawing leaves the background untouched.
Bytes encodeIco(const std::vector<Image>& images);

}  // namespace art
