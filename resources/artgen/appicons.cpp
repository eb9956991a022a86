// Pictures that are not a lamp of the string: the empty places, the pictures
// of the colour choices, and the program's own icons.
#include "drawings.h"
#include "parts.h"

namespace art {

namespace {
// A big cone-shaped lamp with socket, drawn around the origin pointing down,
// then turned by `degrees` and placed at `at`.
void drawBigLamp(Canvas& c, Vec2 at, double degrees, Color hue, double size) {
    auto place = [&](const Shape& s) { return rotated(moved(scaled(s, {0, 0}, size), at), at, degrees); };
    Vec2 glassCentre = at + rotate(Vec2{0, 3.0 * size}, degrees * 3.14159265358979 / 180.0);
    Shape glass = place(taper({0, -4.0}, 3.3, {0, 2.4}, 7.8) | taper({0, 2.4}, 7.8, {0, 12.0}, 1.8));
    Shape socket = place(rect(-3.9, -12.4, 3.9, -4.4, 1.5));
    Shape base = place(rect(-3.2, -5.6, 3.2, -2.2, 0.6));
    c.glow(glass, tint(hue, 0.3f), 4.0 * size, 0.75f, false);
    c.fill(socket, radial(at, 10 * size, {{0.0f, rgb(70, 160, 84)}, {1.0f, rgb(14, 60, 24)}}));
    drawOutline(c, socket, rgb(6, 28, 10), 0.8 * size, 0.9f);
    c.fill(glass, bodyPaint(hue, true, glassCentre, 8.5 * size));
    drawOutline(c, glass, shade(hue, 0.6f), 0.7 * size, 0.5f);
    c.fill(base, linear(at + Vec2{-4, -4}, at + Vec2{4, 4},
                        {{0.0f, rgb(120, 118, 108)}, {0.4f, rgb(240, 238, 226)}, {1.0f, rgb(86, 84, 78)}}));
    drawOutline(c, base, rgb(50, 48, 42), 0.5 * size, 0.7f);
}
}  // namespace

void drawMissing(Canvas& c) {
    drawWire(c);
    drawSocket(c);
    drawSocketHole(c);
}

void drawNoLight(Canvas& c) { drawWire(c); }

void drawRandomPicture(Canvas& c) {
    drawWire(c);
    drawMiniLamp(c, 7.5, hueOf(Red), true);
    drawMiniLamp(c, 16, hueOf(Yellow), true);
    drawMiniLamp(c, 24.5, hueOf(Blue), true);
}

void drawRedGreenPicture(Canvas& c) {
    drawWire(c);
    drawMiniLamp(c, 10, hueOf(Red), true);
    drawMiniLamp(c, 22, hueOf(Green), true);
}

void drawBluesPicture(Canvas& c) {
    drawWire(c);
    drawMiniLamp(c, 10, hueOf(Indigo), true);
    drawMiniLamp(c, 22, hueOf(Blue), true);
}

void drawProgramIcon(Canvas& c) {
    // A lit red lamp swinging from a short piece of wire.
    c.fill(stroke(bezier({-1, 9}, {3, 3}, {7, 1.6}, {10.4, 3.8}, 16), 1.1), rgb(22, 84, 36));
    drawBigLamp(c, {15.6, 13.6}, -28, hueOf(Red), 0.9);
}

void drawTrayIcon(Canvas& c) { drawBigLamp(c, {16, 11.4}, 0, hueOf(Red), 1.05); }

void drawDialogIcon(Canvas& c) {
    // Three lit lamps on a sagging wire.
    std::vector<Vec2> wire = bezier({-1, 4}, {9, 15}, {23, 15}, {33, 4}, 24);
    c.fill(stroke(wire, 0.9), rgb(22, 84, 36));
    const Vec2 spots[] = {{6.5, 9.8}, {16, 12.6}, {25.5, 9.8}};
    const int colours[] = {Red, Yellow, Blue};
    for (int i = 0; i < 3; i++) {
        Vec2 p = spots[i];
        Color hue = hueOf(colours[i]);
        Shape glass = taper(p + Vec2{0, 4.2}, 2.2, p + Vec2{0, 8.4}, 3.6) | taper(p + Vec2{0, 8.4}, 3.6, p + Vec2{0, 15.4}, 1.1);
        c.glow(glass, tint(hue, 0.3f), 3.0, 0.7f, false);
        Shape socket = rect(p.x - 2.2, p.y - 1.0, p.x + 2.2, p.y + 4.6, 1.0);
        c.fill(socket, rgb(36, 110, 50));
        drawOutline(c, socket, rgb(6, 28, 10), 0.6, 0.9f);
        c.fill(glass, bodyPaint(hue, true, p + Vec2{0, 9}, 5));
        drawOutline(c, glass, shade(hue, 0.6f), 0.6, 0.5f);
    }
}

void drawWarningIcon(Canvas& c) {
    Shape sign = grow(polygon({{16, 4.2}, {28.6, 26.6}, {3.4, 26.6}}), 1.6);
    c.fill(moved(sign, {0.8, 1.0}), rgb(0, 0, 0), 0.35f);  // shadow
    c.fill(sign, linear({16, 3}, {16, 28}, {{0.0f, rgb(255, 236, 110)}, {1.0f, rgb(238, 170, 0)}}));
    drawOutline(c, sign, rgb(90, 60, 0), 1.1, 1.0f);
    c.fill(taper({16, 11.0}, 1.9, {16, 19.8}, 1.1), rgb(24, 18, 8));
    c.fill(circle({16, 23.6}, 1.6), rgb(24, 18, 8));
}

}  // namespace art
