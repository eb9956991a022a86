// The pictures that carry the program's name: the banner across the top of
// the Options dialog, and the title and the string of lights of the About box.
#include <cmath>

#include "lettering.h"
#include "parts.h"
#include "picture_drawings.h"

namespace art {

namespace {
const double kPi = 3.14159265358979323846;
const char* const kName = "Lumenkin";

// Lamp colours along a string, by turns.
Color lampHue(int i) {
    static const int order[] = {Red, Yellow, Green, Blue, Purple, White};
    return hueOf(order[i % 6]);
}

// A lit lamp hanging from a wire point `at`, tilted by `degrees` from
// straight down; `length` is the length of socket and glass together in pixels.
void drawHangingLamp(Canvas& c, Vec2 at, double degrees, Color hue, double length) {
    const double L = length;
    auto place = [&](const Shape& s) { return rotated(moved(s, at), at, degrees); };
    Shape socket = place(rect(-0.14 * L, -0.06 * L, 0.14 * L, 0.36 * L, 0.06 * L));
    Shape glass = place(taper({0, 0.36 * L}, 0.12 * L, {0, 0.6 * L}, 0.23 * L) |
                        taper({0, 0.6 * L}, 0.23 * L, {0, L}, 0.05 * L));
    Vec2 centre = at + rotate(Vec2{0, 0.64 * L}, degrees * kPi / 180.0);
    c.glow(glass, tint(hue, 0.3f), 0.3 * L, 0.7f);
    c.fill(socket, linear(at + Vec2{-0.14 * L, 0}, at + Vec2{0.14 * L, 0},
                          {{0.0f, rgb(40, 112, 54)}, {0.3f, rgb(70, 156, 82)}, {1.0f, rgb(12, 46, 20)}}));
    drawOutline(c, socket, rgb(6, 28, 10), std::max(0.5, 0.05 * L), 0.9f);
    c.fill(glass, bodyPaint(hue, true, centre, 0.3 * L));
    drawOutline(c, glass, shade(hue, 0.55f), std::max(0.5, 0.04 * L), litOutlineAlpha(hue));
    Vec2 gloss = at + rotate(Vec2{-0.08 * L, 0.55 * L}, degrees * kPi / 180.0);
    drawGloss(c, gloss, 0.035 * L + 0.2, 0.08 * L + 0.3, degrees + 20, 0.45f);
}

// A sagging wire from hook to hook; returns the points along it.
std::vector<Vec2> swag(Vec2 from, Vec2 to, double sag, int steps) {
    return bezier(from, {from.x + (to.x - from.x) * 0.3, from.y + sag}, {to.x - (to.x - from.x) * 0.3, to.y + sag}, to,
                  steps);
}

void drawWireCurve(Canvas& c, const std::vector<Vec2>& pts, double radius) {
    c.fill(stroke(pts, radius), rgb(16, 70, 28));
    std::vector<Vec2> upper;
    for (Vec2 p : pts) upper.push_back(p + Vec2{0, -radius * 0.35});
    c.fill(stroke(upper, radius * 0.35), rgb(96, 176, 104), 0.8f);
}

// A wire hung in swags across the whole picture, each swag carrying
// `lampsPerSwag` lit lamps in turning colours.
void drawLightString(Canvas& c, double hookY, double sag, double swagWidth, double lampLength, int lampsPerSwag,
                     double wireRadius) {
    int lamp = 0;
    std::vector<std::vector<Vec2>> swags;
    for (double x = -swagWidth * 0.25; x < c.width(); x += swagWidth)
        swags.push_back(swag({x, hookY}, {x + swagWidth, hookY}, sag, 48));
    for (const std::vector<Vec2>& pts : swags) drawWireCurve(c, pts, wireRadius);
    for (const std::vector<Vec2>& pts : swags) {
        for (int k = 0; k < lampsPerSwag; k++) {
            size_t i = size_t((k + 0.5) * (pts.size() - 1) / lampsPerSwag);
            Vec2 along = pts[std::min(i + 1, pts.size() - 1)] - pts[i > 0 ? i - 1 : 0];
            double tilt = std::atan2(along.y, along.x) * 180 / kPi * 0.6 + ((lamp % 2) ? 6 : -6);
            drawHangingLamp(c, pts[i], tilt, lampHue(lamp), lampLength);
            lamp++;
        }
    }
}

// The name in warm gold with a dark outline, a soft shadow and a glow.
void drawName(Canvas& c, Vec2 origin, double xHeight, float glow) {
    Lettering name = letter(kName, origin, xHeight);
    double edge = std::max(1.0, xHeight * 0.055);
    if (glow > 0) c.glow(name.strokes, rgb(255, 196, 80), xHeight * 0.3, glow);
    c.fill(moved(grow(name.strokes, edge), {edge, edge}), rgb(0, 0, 0), 0.4f);
    c.fill(grow(name.strokes, edge), rgb(96, 34, 8));
    Vec2 top = origin + Vec2{0, -1.5 * xHeight}, bottom = origin + Vec2{0, 0.15 * xHeight};
    c.fill(name.strokes, linear(top, bottom,
                                {{0.0f, rgb(255, 250, 200)}, {0.4f, rgb(255, 214, 70)}, {0.75f, rgb(250, 160, 30)},
                                 {1.0f, rgb(214, 96, 16)}}));
    // A glint along the upper edge of every stroke.
    c.fill(name.strokes - moved(name.strokes, {-edge * 0.5, edge * 0.7}), rgb(255, 255, 235), 0.7f);
    // The dots of the i are little red lights.
    for (Vec2 d : name.dots) {
        Shape dot = circle(d, name.dotRadius * 1.15);
        c.glow(dot, rgb(255, 90, 70), name.dotRadius * 2.2, 0.8f);
        c.fill(grow(dot, edge), rgb(90, 10, 10));
        c.fill(dot, radial(d + Vec2{-0.3 * name.dotRadius, -0.3 * name.dotRadius}, name.dotRadius * 1.3,
                           {{0.0f, rgb(255, 236, 220)}, {0.45f, rgb(255, 60, 50)}, {1.0f, rgb(190, 16, 16)}}));
    }
}

// Scattered stars in the night sky, the same every time.
void drawStars(Canvas& c, const Shape& sky, int count) {
    uint32_t seed = 12345;
    auto next = [&seed]() {
        seed = seed * 1103515245u + 12345u;
        return double((seed >> 8) & 0xFFFF) / 65535.0;
    };
    for (int i = 0; i < count; i++) {
        Vec2 p{next() * c.width(), next() * c.height()};
        double r = 0.45 + next() * 0.5;
        float a = float(0.45 + next() * 0.5);
        c.fill(circle(p, r) & sky, rgb(255, 255, 240), a);
    }
}
}  // namespace

void drawOptionsBanner(Canvas& c) {
    const double w = c.width(), h = c.height();
    Shape panel = rect(0.5, 0.5, w - 0.5, h - 0.5, 8);
    c.fill(panel, linear({0, 0}, {0, h}, {{0.0f, rgb(10, 16, 48)}, {1.0f, rgb(40, 64, 132)}}));
    drawStars(c, panel, 70);
    // Snow drifts along the bottom.
    std::vector<Vec2> drift = bezier({-2, h - 9}, {w * 0.3, h - 16}, {w * 0.55, h - 2}, {w + 2, h - 11}, 40);
    drift.push_back({w + 2, h + 2});
    drift.push_back({-2, h + 2});
    Shape snow = polygon(drift) & panel;
    c.fill(snow, linear({0, h - 16}, {0, h}, {{0.0f, rgb(250, 252, 255)}, {1.0f, rgb(176, 196, 230)}}));
    drawLightString(c, 2.5, 13, 120, 15, 4, 1.1);
    const double xHeight = 27;
    double width = letteringWidth(kName, xHeight);
    drawName(c, {(w - width) / 2, h - 10}, xHeight, 0.35f);
    drawOutline(c, panel, rgb(8, 10, 28), 1.0, 1.0f);
}

void drawAboutStrip(Canvas& c) { drawLightString(c, 1.5, 5, 64, 12, 3, 0.8); }

void drawAboutTitle(Canvas& c) {
    const double xHeight = 18;
    double width = letteringWidth(kName, xHeight);
    drawName(c, {(c.width() - width) / 2, c.height() - 5.5}, xHeight, 0.0f);
}

}  // namespace art
