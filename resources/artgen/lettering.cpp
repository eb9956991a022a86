#include "lettering.h"

#include <cmath>

namespace art {

namespace {
// Glyphs in units of the x-height, baseline at y = 0, y growing downward.
// Each stroke is a list of points; curves come from bezier().
using Strokes = std::vector<std::vector<Vec2>>;
struct Glyph {
    char c;
    double advance;   // width of the letter itself
    Strokes strokes;
    bool dot;         // i and j carry a dot above
    double dotX;
};

const double kWeight = 0.12;   // pen radius
const double kSpacing = 0.2;   // between letters
const double kDotLift = 1.42;  // height of the dot above the baseline

std::vector<Vec2> join(std::vector<Vec2> a, const std::vector<Vec2>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// An arch: up from a stem at x0 and down the other side at x1.
std::vector<Vec2> arch(double x0, double x1) {
    return join(bezier({x0, -0.5}, {x0 + 0.02, -1.12}, {x1, -1.16}, {x1, -0.5}, 16), {{x1, 0}});
}

const std::vector<Glyph>& glyphs() {
    static const std::vector<Glyph> all = {
        {'L', 0.95, {join(bezier({0.16, -1.5}, {0.1, -1.0}, {0.1, -0.4}, {0.12, 0}, 12),
                          bezier({0.12, 0}, {0.4, 0.03}, {0.66, 0.0}, {0.9, -0.12}, 10))},
         false, 0},
        {'u', 0.86, {bezier({0.08, -1}, {0.06, 0.1}, {0.74, 0.1}, {0.74, -0.46}, 16), {{0.74, -1.0}, {0.76, 0}}},
         false, 0},
        {'n', 0.86, {{{0.08, -1}, {0.08, 0}}, arch(0.08, 0.76)}, false, 0},
        {'m', 1.36, {{{0.08, -1}, {0.08, 0}}, arch(0.08, 0.66), arch(0.66, 1.26)}, false, 0},
        {'e', 0.84, {join(join({{0.06, -0.5}, {0.76, -0.5}}, bezier({0.76, -0.5}, {0.78, -1.1}, {0.04, -1.12}, {0.05, -0.5}, 16)),
                          bezier({0.05, -0.5}, {0.06, 0.1}, {0.62, 0.06}, {0.8, -0.2}, 14))},
         false, 0},
        {'k', 0.82, {{{0.1, -1.5}, {0.08, 0}}, {{0.76, -1.0}, {0.1, -0.42}}, {{0.32, -0.6}, {0.8, 0}}}, false, 0},
        {'i', 0.3, {{{0.14, -1.0}, {0.14, 0}}}, true, 0.15},
    };
    return all;
}

const Glyph* find(char c) {
    for (const Glyph& g : glyphs())
        if (g.c == c) return &g;
    return nullptr;
}

double advanceOf(char c) {
    const Glyph* g = find(c);
    return g ? g->advance : 0.5;
}
}  // namespace

bool hasLetter(char c) { return find(c) != nullptr; }

double letteringWidth(const std::string& text, double xHeight) {
    double w = 0;
    for (size_t i = 0; i < text.size(); i++) w += advanceOf(text[i]) + (i + 1 < text.size() ? kSpacing : 0);
    return (w + 2 * kWeight) * xHeight;
}

Lettering letter(const std::string& text, Vec2 origin, double xHeight) {
    Lettering out;
    out.dotRadius = kWeight * 1.35 * xHeight;
    out.width = letteringWidth(text, xHeight);
    bool first = true;
    double x = kWeight;
    for (char ch : text) {
        const Glyph* g = find(ch);
        if (g) {
            for (const std::vector<Vec2>& s : g->strokes) {
                std::vector<Vec2> pts;
                for (Vec2 p : s) pts.push_back(origin + Vec2{(x + p.x) * xHeight, p.y * xHeight});
                Shape piece = stroke(pts, kWeight * xHeight);
                out.strokes = first ? piece : out.strokes | piece;
                first = false;
            }
            if (g->dot) out.dots.push_back(origin + Vec2{(x + g->dotX) * xHeight, -kDotLift * xHeight});
        }
        x += advanceOf(ch) + kSpacing;
    }
    if (first) out.strokes = {[](Vec2) { return 1e9; }, {0, 0, 0, 0}};  // nothing to draw
    return out;
}

}  // namespace art
