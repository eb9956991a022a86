// Glass lamps: the classic cone-shaped bulb (plain, broken and clear), the
// round globe and the miniature bulb.
#include <algorithm>

#include "drawings.h"
#include "parts.h"

namespace art {

namespace {
// The classic cone-shaped bulb: narrow neck, full shoulders, rounded point.
Shape coneGlass() { return taper({16, 14.4}, 2.9, {16, 19.6}, 6.6) | taper({16, 19.6}, 6.6, {16, 28.9}, 1.5); }
const Vec2 kConeCentre{16, 20.6};
const double kConeRadius = 8.0;

// Support wires and the coiled filament between them.
void drawFilament(Canvas& c, Color col, float alpha) {
    c.fill(stroke({{14.9, 13.4}, {14.6, 19.8}}, 0.28), col, alpha);
    c.fill(stroke({{17.1, 13.4}, {17.4, 19.8}}, 0.28), col, alpha);
    std::vector<Vec2> coil;
    for (int i = 0; i <= 6; i++) coil.push_back({14.6 + i * 2.8 / 6, (i % 2) ? 19.2 : 20.3});
    c.fill(stroke(coil, 0.3), col, alpha);
}
}  // namespace

void drawNormal(Canvas& c, int colour, bool lit) {
    Color hue = hueOf(colour);
    Shape glass = coneGlass();
    drawWire(c);
    if (lit) drawHalo(c, glass, hue);
    drawSocket(c);
    drawBody(c, glass, hue, lit, kConeCentre, kConeRadius);
    drawGloss(c, {13.3, 18.4}, 1.0, 2.5, 20, lit ? 0.35f : 0.55f);
    drawScrewBase(c, 10.6, 13.9, 2.7);
}

void drawBroken(Canvas& c, int colour) {
    Color hue = hueOf(colour);
    Shape glass = coneGlass();
    // A jagged hole knocked into the lower glass, taking the tip with it.
    const double radii[] = {5.8, 2.0, 4.4, 2.6, 6.0, 1.8, 4.2, 2.4, 5.4, 2.2, 4.8, 2.6, 5.6, 2.0};
    std::vector<Vec2> jag;
    for (int i = 0; i < 14; i++) jag.push_back(polar({16.6, 25.0}, radii[i], -70 + i * 360.0 / 14));
    Shape hole = polygon(jag) & grow(glass, 1.0);
    Shape kept = glass - hole;
    Shape inside = glass & hole;
    drawWire(c);
    drawSocket(c);
    drawBody(c, kept, hue, false, kConeCentre, kConeRadius);
    // Through the hole: the dark inside of the lamp and the torn filament.
    c.fill(inside, radial({16, 21}, 7, {{0.0f, shade(hue, 0.3f)}, {1.0f, shade(hue, 0.06f)}}), 0.95f);
    Color metal = rgb(196, 194, 184);
    Shape filament = stroke({{14.6, 18.0}, {14.5, 23.4}, {15.4, 24.4}, {14.7, 25.4}}, 0.32) |
                     stroke({{17.3, 18.0}, {17.5, 22.8}, {18.4, 23.6}}, 0.32);
    c.fill(filament & grow(inside, -0.2), metal);
    c.fill(rim(hole, 0.45) & glass, tint(hue, 0.55f), 0.9f);
    // Cracks running out from the hole.
    for (const auto& crack : std::vector<std::vector<Vec2>>{{{12.6, 22.0}, {11.8, 19.8}, {12.6, 17.6}},
                                                           {{18.6, 20.8}, {19.4, 18.8}, {18.8, 16.8}},
                                                           {{21.0, 23.8}, {21.9, 22.6}}}) {
        c.fill(stroke(crack, 0.28), shade(hue, 0.08f), 0.9f);
        std::vector<Vec2> glint;
        for (Vec2 p : crack) glint.push_back(p + Vec2{0.45, 0.1});
        c.fill(stroke(glint, 0.18), tint(hue, 0.6f), 0.5f);
    }
    drawGloss(c, {13.0, 17.4}, 0.9, 1.9, 20, 0.5f);
    drawScrewBase(c, 10.6, 13.9, 2.7);
}

void drawRound(Canvas& c, int colour, bool lit) {
    Color hue = hueOf(colour);
    Vec2 centre{16, 21.5};
    Shape glass = circle(centre, 7.7) | taper({16, 13.4}, 2.6, {16, 17.0}, 4.2);
    drawWire(c);
    if (lit) drawHalo(c, glass, hue);
    drawSocket(c);
    drawBody(c, glass, hue, lit, centre, 7.7);
    drawGloss(c, {12.7, 18.5}, 1.3, 2.6, 40, lit ? 0.35f : 0.55f);
    drawScrewBase(c, 10.6, 13.9, 2.7);
}

void drawSmall(Canvas& c, int colour, bool lit) {
    Color hue = hueOf(colour);
    Shape glass = taper({16, 14.6}, 2.2, {16, 18.6}, 3.2) | taper({16, 18.6}, 3.2, {16, 24.6}, 1.0);
    drawWire(c);
    if (lit) drawHalo(c, glass, hue, 4.5);
    drawBody(c, glass, hue, lit, {16, 18.8}, 4.6);
    drawGloss(c, {14.6, 17.4}, 0.6, 1.7, 15, lit ? 0.35f : 0.55f);
    // Mini lamps sit in a long plastic base instead of a screw base.
    drawSocket(c, 16, 14.8, 2.3);
}

void drawTransparent(Canvas& c, int colour, bool lit) {
    Color hue = hueOf(colour);
    Shape glass = coneGlass();
    drawWire(c);
    if (lit) drawHalo(c, glass, hue, 5.0, 0.5f);
    drawSocket(c);
    // Tinted clear glass: the filament shows through it.
    if (lit) {
        c.fill(glass, radial({16, 19.8}, 8.5,
                             {{0.0f, withAlpha(tint(hue, 0.75f), 0.95f)},
                              {0.4f, withAlpha(tint(hue, 0.2f), 0.7f)},
                              {1.0f, withAlpha(hue, 0.55f)}}));
        c.glow(circle({16, 19.6}, 1.2), rgb(255, 250, 225), 2.5, 0.7f);
        drawFilament(c, rgb(255, 252, 230), 1.0f);
        drawOutline(c, glass, shade(hue, 0.8f), 0.9, std::max(0.85f, litOutlineAlpha(hue)));
    } else {
        c.fill(glass, withAlpha(hue, 0.42f));
        drawFilament(c, rgb(58, 56, 52), 0.95f);
        drawOutline(c, glass, shade(hue, 0.55f), 0.9, 0.95f);
        // Reflection along the left side of the glass.
        c.fill(stroke(arc({16, 20.4}, 5.0, 195, 250, 10), 0.45), Color{1, 1, 1, 1}, 0.55f);
    }
    drawGloss(c, {13.3, 18.4}, 0.8, 2.2, 20, 0.6f);
    drawScrewBase(c, 10.6, 13.9, 2.7);
}

void drawMiniLamp(Canvas& c, double x, Color hue, bool lit) {
    Shape glass = taper({x, 13.6}, 1.9, {x, 17.2}, 2.9) | taper({x, 17.2}, 2.9, {x, 23.0}, 0.9);
    if (lit) drawHalo(c, glass, hue, 3.5, 0.6f);
    drawBody(c, glass, hue, lit, {x, 17.4}, 4.2);
    drawGloss(c, {x - 1.3, 16.2}, 0.55, 1.5, 15, 0.45f);
    drawSocket(c, x, 13.8, 2.0);
}

}  // namespace art
