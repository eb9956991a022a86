// Windows bitmap (.bmp) files.
#pragma once

#include <array>

#include "bytes.h"
#include "canvas.h"

namespace art {

// 24-bit bottom-up bitmap; transparent parts are laid over `background`.
Bytes encodeBmp24(const Image& img, Color background = Color{0, 0, 0, 1});

// The standard 16-colour VGA palette in the order Windows gives it to 4-bit
// bitmaps: black, maroon, green, olive, navy, purple, teal, silver, grey, red,
// lime, yellow, blue, fuchsia, aqua, white. Entries are R, G, B.
using Rgb8 = std::array<uint8_t, 3>;
const std::array<Rgb8, 16>& vgaPalette();
// Index of the palette colour nearest to (r, g, b).
int nearestVga(int r, int g, int b);

// The picture laid over `background` in the nearest palette colours, opaque.
Image toVgaColours(const Image& img, Color background);

// 4-bit bottom-up bitmap with the VGA palette; every pixel, laid over
// `background`, becomes the nearest palette colour (no dithering, so
// pictures drawn in palette colours come out exactly as drawn).
Bytes encodeBmp4(const Image& img, Color background);

}  // namespace art
