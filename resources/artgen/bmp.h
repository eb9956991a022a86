// Windows bitmap (.bmp) files.
#pragma once

#include "bytes.h"
#include "canvas.h"

namespace art {

// 24-bit bottom-up bitmap; transparent parts are laid over `background`.
Bytes encodeBmp24(const Image& img, Color background = Color{0, 0, 0, 1});

}  // namespace art
