// A 5x7 pixel font (with two rows for descenders) for labels on generated
// pictures such as the contact sheet.
#pragma once

#include <string>

#include "canvas.h"

namespace art {

const int kGlyphWidth = 5;
const int kGlyphAdvance = 6;   // glyph plus one column of spacing
const int kGlyphHeight = 9;    // 7 rows above the baseline, 2 below
const int kLineHeight = 10;

// Whether pixel (col, row) of the glyph for c is set. Characters the font does
// not know are drawn as a hollow box.
bool glyphPixel(char c, int col, int row);

// Pixel width of a text at the given zoom.
int textWidth(const std::string& text, int zoom = 1);

// Draws text with its top-left at pixel (x, y) of the canvas.
void drawText(Canvas& canvas, int x, int y, const std::string& text, Color c, int zoom = 1);

}  // namespace art
