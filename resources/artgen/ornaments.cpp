// Decorations in the shapes of Christmas things: snowflakes, bells, fish,
// candy canes, Easter eggs, paper lanterns, stockings, chili peppers, holly
// and little trees. Each hangs from a socket on the shared wire.
#include <cmath>

#include "drawings.h"
#include "parts.h"

namespace art {

namespace {
// A holly leaf: pointed at both ends, with sharp spines along both edges.
Shape hollyLeaf(Vec2 centre, double degrees, double len, double wid) {
    const int steps = 8;
    std::vector<Vec2> pts;
    for (int side = 0; side < 2; side++)
        for (int i = 0; i < steps; i++) {
            double t = double(i) / steps;
            double x = side == 0 ? -len + 2 * len * t : len - 2 * len * t;
            double w = wid * std::sin(3.14159265358979 * t) * ((i % 2) ? 1.25 : 0.62);
            pts.push_back({centre.x + x, centre.y + (side == 0 ? -w : w)});
        }
    return rotated(polygon(pts), centre, degrees);
}
}  // namespace

void drawSnowflake(Canvas& c, int colour, bool lit) {
    Color hue = hueOf(colour);
    Vec2 centre{16, 20.9};
    const double r = 8.6;
    Shape flake = circle(centre, 1.9);
    for (int k = 0; k < 6; k++) {
        double a = -90 + 60 * k;
        flake = flake | capsule(centre, polar(centre, r, a), 0.95);
        for (double t : {0.45, 0.74}) {
            Vec2 m = polar(centre, r * t, a);
            double branch = t < 0.6 ? 2.9 : 1.9;
            flake = flake | capsule(m, polar(m, branch, a - 50), 0.6) | capsule(m, polar(m, branch, a + 50), 0.6);
        }
    }
    drawWire(c);
    if (lit) drawHalo(c, flake, hue, 4.5, 0.7f);
    drawSocket(c, 16, 11.6, 2.8);
    c.fill(flake, bodyPaint(hue, lit, centre, r));
    if (lit) {
        drawOutline(c, flake, shade(hue, 0.55f), 0.4, litOutlineAlpha(hue));
        c.glow(circle(centre, 1.0), Color{1, 1, 1, 1}, 2.5, 0.7f);
    } else {
        drawOutline(c, flake, shade(hue, 0.2f), 0.45, 0.8f);
    }
}

void drawBell(Canvas& c, int colour, bool lit) {
    Color hue = hueOf(colour);
    std::vector<Vec2> side = bezier({11.3, 16.8}, {11.3, 21.4}, {9.4, 23.4}, {7.4, 25.4}, 12);
    std::vector<Vec2> outline = side;
    for (auto it = side.rbegin(); it != side.rend(); ++it) outline.push_back({32 - it->x, it->y});
    Shape bell = circle({16, 16.8}, 4.7) | polygon(outline) | rect(7.0, 24.2, 25.0, 27.0, 1.3);
    Shape clapper = circle({16, 28.3}, 1.9);
    drawWire(c);
    if (lit) drawHalo(c, bell | clapper, hue);
    drawSocket(c, 16, 12.6, 2.8);
    c.fill(clapper, radial({15.3, 27.6}, 2.6, {{0.0f, rgb(255, 236, 150)}, {1.0f, rgb(120, 92, 20)}}));
    // Metal: a bright vertical streak left of centre, dark at the sides.
    Stops metal = lit ? Stops{{0.0f, shade(hue, 0.8f)}, {0.3f, tint(hue, 0.75f)}, {0.62f, tint(hue, 0.15f)}, {1.0f, shade(hue, 0.7f)}}
                      : Stops{{0.0f, shade(hue, 0.25f)}, {0.3f, tint(shade(hue, 0.75f), 0.3f)}, {0.62f, shade(hue, 0.45f)}, {1.0f, shade(hue, 0.16f)}};
    c.fill(bell, linear({7.0, 0}, {25.0, 0}, metal));
    c.fill(capsule({10.3, 22.6}, {21.7, 22.6}, 0.42), shade(hue, lit ? 0.6f : 0.25f), 0.8f);
    c.fill(capsule({8.2, 25.2}, {23.8, 25.2}, 0.35), tint(hue, lit ? 0.8f : 0.35f), 0.6f);
    drawOutline(c, bell, shade(hue, lit ? 0.55f : 0.15f), 0.7, lit ? 0.5f : 0.85f);
}

void drawFish(Canvas& c, int colour, bool lit) {
    Color hue = hueOf(colour);
    Shape body = ellipse({14.8, 21.0}, 8.8, 5.6);
    Shape tail = polygon({{21.4, 21.0}, {28.8, 15.4}, {26.9, 21.0}, {28.8, 26.6}});
    Shape dorsal = polygon({{11.0, 16.8}, {15.0, 11.4}, {17.4, 11.4}, {20.6, 17.0}});
    Shape fish = body | tail | dorsal;
    drawWire(c);
    if (lit) drawHalo(c, fish, hue);
    drawSocket(c, 16, 12.0, 2.8);
    c.fill(tail | dorsal, bodyPaint(shade(hue, 0.85f), lit, {15, 20}, 11));
    drawOutline(c, tail | dorsal, shade(hue, lit ? 0.5f : 0.15f), 0.6, 0.7f);
    // Fin rays.
    for (double dy : {-2.6, 0.0, 2.6})
        c.fill(capsule({23.0, 21.0 + dy * 0.4}, {27.6, 21.0 + dy * 1.6}, 0.2), shade(hue, lit ? 0.6f : 0.25f), 0.6f);
    drawBody(c, body, hue, lit, {14.0, 20.0}, 9.0, 0.55f);
    Color line = shade(hue, lit ? 0.55f : 0.2f);
    for (Vec2 p : std::vector<Vec2>{{15.0, 19.2}, {18.2, 19.2}, {16.6, 22.2}, {19.8, 22.2}, {13.4, 22.2}})
        c.fill(stroke(arc(p, 1.6, -55, 55, 8), 0.2), line, 0.5f);
    c.fill(stroke(arc({7.6, 21.0}, 4.2, -42, 42, 10), 0.3), line, 0.8f);               // gill
    c.fill(rotated(ellipse({15.6, 23.6}, 2.4, 1.0), {15.6, 23.6}, 28), shade(hue, lit ? 0.8f : 0.35f), 0.8f);
    c.fill(circle({9.6, 19.6}, 1.7), lit ? rgb(255, 255, 255) : rgb(190, 190, 184));   // eye
    c.fill(circle({9.2, 19.7}, 0.85), rgb(10, 10, 10));
    c.fill(capsule({6.0, 22.3}, {7.3, 21.9}, 0.25), shade(hue, 0.15f), 0.8f);            // mouth
    drawGloss(c, {12.6, 17.6}, 2.4, 0.7, -10, lit ? 0.3f : 0.45f);
}

void drawCandyCane(Canvas& c, int colour, bool lit) {
    Color hue = hueOf(colour);
    const double r = 1.85;
    std::vector<Vec2> path = {{18.6, 30.2}, {18.6, 17.4}};
    for (Vec2 p : arc({15.1, 17.4}, 3.5, 0, -180, 18)) path.push_back(p);
    path.push_back({11.6, 20.2});
    Shape cane = stroke(path, r);
    Color white = lit ? rgb(255, 252, 246) : rgb(172, 170, 164);
    Color band = colour == White ? (lit ? rgb(255, 70, 70) : rgb(130, 30, 30)) : paintColour(hue, lit);
    Paint paint = [=](Vec2 p) {
        Color base = mix(white, band, stripeMix(p.x * 0.8 + p.y, 3.4, 1.5));
        double t = (cane(p) + r) / r;  // 0 on the centre line, 1 at the edge
        return shade(base, float(1.05 - 0.45 * t * t));
    };
    drawWire(c);
    if (lit) drawHalo(c, cane, colour == White ? rgb(255, 90, 90) : hue);
    drawSocket(c, 16, 12.6, 2.8);
    c.fill(cane, paint);
    drawOutline(c, cane, lit ? shade(band, 0.6f) : rgb(40, 38, 36), 0.5, lit ? 0.45f : 0.8f);
    c.fill(stroke({{17.9, 28.6}, {17.9, 18.0}}, 0.35), Color{1, 1, 1, 1}, lit ? 0.5f : 0.35f);
}

void drawEgg(Canvas& c, int colour, bool lit) {
    Color hue = hueOf(colour);
    Shape egg = taper({16, 23.6}, 6.7, {16, 17.0}, 4.8);
    drawWire(c);
    if (lit) drawHalo(c, egg, hue);
    drawBody(c, egg, hue, lit, {16, 21.6}, 8.2, 0.6f);
    // Painted decoration: a zigzag band between two thin stripes, and dots.
    Color trim = paintColour(accentOf(colour), lit);
    std::vector<Vec2> zig;
    for (int i = 0; i <= 12; i++) zig.push_back({8.0 + i * 16.0 / 12, (i % 2) ? 20.4 : 22.6});
    c.fill(stroke(zig, 0.6) & grow(egg, -0.6), trim, 0.95f);
    c.fill(capsule({8, 18.2}, {24, 18.2}, 0.45) & grow(egg, -0.6), trim, 0.9f);
    c.fill(capsule({8, 25.0}, {24, 25.0}, 0.45) & grow(egg, -0.6), trim, 0.9f);
    for (Vec2 p : std::vector<Vec2>{{13.4, 15.4}, {18.6, 15.4}, {12.4, 27.4}, {16, 28.2}, {19.6, 27.4}})
        c.fill(circle(p, 0.8), trim, 0.9f);
    drawGloss(c, {13.0, 17.2}, 1.0, 2.4, 25, lit ? 0.35f : 0.5f);
    drawSocket(c, 16, 12.8, 2.8);
}

void drawLantern(Canvas& c, int colour, bool lit) {
    Color hue = hueOf(colour);
    Vec2 centre{16, 20.6};
    Shape paper = ellipse(centre, 8.4, 6.6);
    Shape caps = rect(11.2, 12.6, 20.8, 14.9, 0.8) | rect(11.2, 26.3, 20.8, 28.6, 0.8);
    Shape tassel = stroke({{16, 28.4}, {16, 31.2}}, 0.7);
    Color tasselColour = colour == Red ? rgb(255, 200, 40) : rgb(220, 30, 30);
    drawWire(c);
    if (lit) drawHalo(c, paper, hue);
    drawSocket(c, 16, 13.0, 2.8);
    c.fill(tassel, paintColour(tasselColour, lit));
    if (lit)
        c.fill(paper, radial(centre, 8.4, {{0.0f, tint(hue, 0.8f)}, {0.45f, tint(hue, 0.35f)}, {1.0f, shade(hue, 0.85f)}}));
    else
        c.fill(paper, bodyPaint(hue, false, centre, 8.4));
    // Ribs of the paper lantern.
    Color rib = shade(hue, lit ? 0.5f : 0.2f);
    for (double rx : {2.9, 5.8}) c.fill(rim(ellipse(centre, rx, 6.6), 0.45) & paper, rib, 0.7f);
    c.fill(capsule({16, 14.2}, {16, 27.0}, 0.22), rib, 0.7f);
    drawOutline(c, paper, rib, 0.6, 0.8f);
    c.fill(caps, linear({11.2, 0}, {20.8, 0},
                        {{0.0f, rgb(120, 84, 16)}, {0.35f, rgb(250, 214, 110)}, {1.0f, rgb(96, 66, 10)}}));
}

void drawStocking(Canvas& c, int colour, bool lit) {
    Color hue = hueOf(colour);
    Shape sock = rect(10.2, 13.6, 18.6, 25.4, 1.0) | capsule({14.4, 25.3}, {22.7, 25.3}, 3.7);
    Shape cuff = rect(9.4, 11.6, 19.4, 15.6, 1.4);
    for (double x = 10.2; x < 19.5; x += 1.8) cuff = cuff | circle({x, 15.6}, 0.95);
    Color trimColour = colour == White ? rgb(230, 36, 36) : rgb(246, 242, 230);
    drawWire(c);
    if (lit) drawHalo(c, sock | cuff, hue);
    drawBody(c, sock, hue, lit, {16, 22}, 9, 0.6f);
    Shape toe = sock & rect(21.4, 18, 28, 31);
    Shape heel = sock & circle({11.2, 27.8}, 3.0);
    c.fill(toe | heel, bodyPaint(trimColour, lit, {16, 22}, 9));
    drawOutline(c, sock, shade(hue, lit ? 0.5f : 0.18f), 0.7, lit ? 0.45f : 0.8f);
    c.fill(cuff, bodyPaint(rgb(250, 250, 246), lit, {13.5, 13.2}, 5.0));
    drawOutline(c, cuff, rgb(120, 120, 116), 0.5, 0.6f);
    drawSocket(c, 14.4, 12.0, 2.6);
}

void drawPepper(Canvas& c, int pepperColour, bool lit) {
    Color hue = pepperColour == 0 ? rgb(226, 30, 20) : pepperColour == 1 ? rgb(255, 200, 20) : rgb(60, 176, 40);
    std::vector<Vec2> spine = bezier({15.2, 15.0}, {12.8, 21.0}, {15.0, 27.8}, {22.2, 30.2}, 20);
    Shape pepper = taperedStroke(spine, 3.6, 0.5);
    drawWire(c);
    if (lit) drawHalo(c, pepper, hue);
    drawSocket(c, 16, 11.6, 2.6);
    drawBody(c, pepper, hue, lit, {15, 21}, 8, 0.6f);
    std::vector<Vec2> shine;
    for (size_t i = 2; i < 12; i++) shine.push_back(spine[i] + Vec2{-1.5 + 0.1 * i, -0.2});
    c.fill(taperedStroke(shine, 0.55, 0.25), Color{1, 1, 1, 1}, lit ? 0.4f : 0.35f);
    // Green cap and stalk.
    Color calyx = pepperColour == 2 ? rgb(24, 84, 22) : rgb(40, 128, 34);
    c.fill(stroke({{15.4, 14.0}, {15.9, 10.8}}, 0.8), shade(calyx, 0.9f));
    Shape cap = ellipse({15.4, 14.4}, 3.7, 1.6) | polygon({{12.0, 14.4}, {13.2, 17.0}, {14.6, 15.0}, {16.2, 17.2}, {17.4, 15.0}, {18.8, 16.4}, {18.9, 14.4}});
    c.fill(cap, bodyPaint(calyx, lit, {15, 14.5}, 3.5));
    drawOutline(c, cap, shade(calyx, 0.4f), 0.45, 0.7f);
}

void drawHolly(Canvas& c, int parity, bool lit) {
    Color leafHue = lit ? rgb(56, 176, 76) : rgb(36, 136, 56);
    Color berryHue = rgb(232, 24, 30);
    std::vector<Shape> leaves;
    std::vector<Vec2> berries;
    if (parity == 0) {
        // Two leaves hanging down in a V, berries above them.
        leaves = {hollyLeaf({10.4, 23.6}, 40, 7.2, 3.4), hollyLeaf({21.6, 23.6}, -40, 7.2, 3.4)};
        berries = {{16, 17.0}, {13.8, 19.8}, {18.2, 19.8}};
    } else {
        // Leaves spread out to the sides, berries hanging below the middle.
        leaves = {hollyLeaf({9.6, 19.2}, -14, 7.0, 3.4), hollyLeaf({22.4, 19.2}, 14, 7.0, 3.4)};
        berries = {{16, 21.6}, {13.8, 24.0}, {18.2, 24.0}};
    }
    Shape berryShape = circle(berries[0], 2.2) | circle(berries[1], 2.2) | circle(berries[2], 2.2);
    drawWire(c);
    if (lit) {
        drawHalo(c, berryShape, berryHue, 5.0, 0.7f);
        drawHalo(c, leaves[0] | leaves[1], rgb(120, 255, 120), 2.5, 0.25f);
    }
    drawSocket(c, 16, 12.0, 2.6);
    c.fill(stroke({{16, 11.5}, {16, berries[0].y}}, 0.45), rgb(70, 60, 30));
    for (const Shape& leaf : leaves) {
        c.fill(leaf, bodyPaint(tint(leafHue, 0.2f), false, {16, 19}, 8));
        drawOutline(c, leaf, rgb(8, 40, 14), 0.5, 0.8f);
    }
    // Veins along each leaf's middle.
    if (parity == 0) {
        c.fill(capsule(polar({10.4, 23.6}, 6.0, 40), polar({10.4, 23.6}, 6.0, 220), 0.25), tint(leafHue, 0.4f), 0.7f);
        c.fill(capsule(polar({21.6, 23.6}, 6.0, -40), polar({21.6, 23.6}, 6.0, 140), 0.25), tint(leafHue, 0.4f), 0.7f);
    } else {
        c.fill(capsule(polar({9.6, 19.2}, 5.8, -14), polar({9.6, 19.2}, 5.8, 166), 0.25), tint(leafHue, 0.4f), 0.7f);
        c.fill(capsule(polar({22.4, 19.2}, 5.8, 14), polar({22.4, 19.2}, 5.8, 194), 0.25), tint(leafHue, 0.4f), 0.7f);
    }
    for (Vec2 b : berries) {
        Shape berry = circle(b, 2.2);
        drawBody(c, berry, berryHue, lit, b, 2.6);
        c.fill(circle(b + Vec2{-0.8, -0.8}, 0.55), Color{1, 1, 1, 1}, lit ? 0.8f : 0.55f);
    }
}

void drawTree(Canvas& c, bool lit) {
    Shape tree = polygon({{16, 12.6}, {10.4, 19.6}, {21.6, 19.6}}) | polygon({{16, 15.4}, {8.6, 24.2}, {23.4, 24.2}}) |
                 polygon({{16, 19.0}, {6.8, 28.6}, {25.2, 28.6}});
    Shape trunk = rect(14.6, 28.2, 17.4, 31.0, 0.3);
    Shape star = polygon(regularStar({16, 13.2}, 3.2, 1.35, 5, -90));
    drawWire(c);
    if (lit) {
        drawHalo(c, tree, rgb(255, 230, 140), 3.5, 0.35f);
        c.glow(star, rgb(255, 236, 120), 4.0, 0.8f);
    }
    drawSocket(c, 16, 10.6, 2.4);
    c.fill(trunk, linear({14.6, 0}, {17.4, 0}, {{0.0f, rgb(120, 76, 36)}, {1.0f, rgb(64, 36, 14)}}));
    Stops needles = lit ? Stops{{0.0f, rgb(70, 180, 90)}, {0.45f, rgb(30, 130, 56)}, {1.0f, rgb(12, 70, 30)}}
                        : Stops{{0.0f, rgb(40, 120, 60)}, {0.45f, rgb(20, 86, 38)}, {1.0f, rgb(6, 46, 18)}};
    c.fill(tree, linear({7, 0}, {25, 0}, needles));
    drawOutline(c, tree, rgb(4, 36, 12), 0.6, 0.8f);
    // Garland and lights.
    c.fill(stroke(bezier({11.6, 18.6}, {14.0, 20.6}, {18.4, 19.8}, {21.0, 17.6}, 10), 0.35) & tree, rgb(230, 190, 70), 0.8f);
    c.fill(stroke(bezier({9.2, 24.4}, {13.0, 26.6}, {19.4, 25.8}, {23.2, 22.8}, 10), 0.35) & tree, rgb(230, 190, 70), 0.8f);
    const Color bulbs[] = {rgb(255, 40, 40), rgb(255, 220, 40), rgb(60, 140, 255), rgb(220, 80, 255), rgb(255, 255, 255)};
    const Vec2 spots[] = {{14.2, 17.8}, {18.6, 21.8}, {12.2, 22.6}, {16.4, 24.6}, {10.2, 27.0}, {21.6, 26.8}, {16.0, 19.2}, {13.6, 27.4}, {19.4, 27.6}};
    int i = 0;
    for (Vec2 p : spots) {
        Color col = bulbs[i++ % 5];
        if (lit) c.glow(circle(p, 0.6), col, 2.0, 0.9f, false);
        c.fill(circle(p, 0.95), lit ? tint(col, 0.35f) : shade(col, 0.45f));
    }
    c.fill(star, lit ? rgb(255, 242, 150) : rgb(170, 140, 50));
    drawOutline(c, star, lit ? rgb(230, 170, 30) : rgb(90, 70, 20), 0.45, 0.9f);
}

}  // namespace art
