// Hand-drawn lettering for the program's name on the banner pictures: each
// letter is a few pen strokes with round ends, so the name can be drawn at
// any size with outlines, shadows and glow like every other shape.
#pragma once

#include <string>
#include <vector>

#include "geom.h"

namespace art {

struct Lettering {
    Shape strokes;           // every pen stroke of the text
    std::vector<Vec2> dots;  // where the dots of i and j sit (drawn as little lights)
    double dotRadius = 0;
    double width = 0;        // from the first stroke's left edge to the last one's right
};

// Lays out `text` with its baseline starting at `origin`. `xHeight` is the
// height of a small letter; capitals and ascenders reach 1.5 times as high.
// Letters the pen does not know are left as a gap.
Lettering letter(const std::string& text, Vec2 origin, double xHeight);

// Width `letter` gives the text, for centring.
double letteringWidth(const std::string& text, double xHeight);

// Whether the pen knows a letter.
bool hasLetter(char c);

}  // namespace art
