// Single-colour novelty lights: cactus, heart, flag, Star of David, pumpkin,
// smiley face and shamrock.
#include <algorithm>
#include <cmath>

#include "drawings.h"
#include "parts.h"

namespace art {

namespace {
const double kPi = 3.14159265358979323846;

// Heart with its point at `tip`, growing `size` units in the direction
// `degrees` (-90 is up) and about 1.2 x size wide.
Shape heart(Vec2 tip, double size, double degrees) {
    double turn = -(degrees + 90) * kPi / 180.0;
    return {[=](Vec2 p) {
                Vec2 q = rotate(p - tip, turn) * (1.0 / size);
                q = {std::fabs(q.x), -q.y};  // mirror-symmetric, y pointing into the heart
                if (q.y + q.x > 1.0) return (length(q - Vec2{0.25, 0.75}) - std::sqrt(2.0) / 4.0) * size;
                double a = dot(q - Vec2{0, 1}, q - Vec2{0, 1});
                double m = 0.5 * std::max(q.x + q.y, 0.0);
                double b = dot(q - Vec2{m, m}, q - Vec2{m, m});
                return std::sqrt(std::min(a, b)) * (q.x > q.y ? 1.0 : -1.0) * size;
            },
            grown({tip.x, tip.y, tip.x, tip.y}, size * 1.2)};
}
}  // namespace

void drawCactus(Canvas& c, bool lit) {
    Color hue = rgb(52, 184, 72);
    Shape trunk = capsule({16, 14.2}, {16, 28.6}, 3.1);
    Shape left = capsule({16, 22.4}, {11.0, 22.4}, 1.75) | capsule({11.0, 22.4}, {11.0, 17.2}, 1.75);
    Shape right = capsule({16, 20.2}, {21.2, 20.2}, 1.75) | capsule({21.2, 20.2}, {21.2, 15.6}, 1.75);
    Shape cactus = trunk | left | right;
    Shape flower = polygon(regularStar({21.2, 13.6}, 2.1, 0.9, 5, -90));
    drawWire(c);
    if (lit) {
        drawHalo(c, cactus, hue);
        c.glow(flower, rgb(255, 120, 200), 3.0, 0.8f);
    }
    drawSocket(c, 16, 11.8, 2.6);
    c.fill(ellipse({16, 30.0}, 6.6, 1.7), paintColour(rgb(214, 180, 116), lit));
    drawBody(c, cactus, hue, lit, {15, 19}, 9, 0.6f);
    // Ribs and spines.
    Color rib = shade(hue, lit ? 0.55f : 0.2f);
    c.fill(capsule({14.6, 13.4}, {14.6, 29.0}, 0.22) | capsule({17.4, 13.4}, {17.4, 29.0}, 0.22), rib, 0.6f);
    c.fill(capsule({11.0, 16.2}, {11.0, 23.0}, 0.2) | capsule({21.2, 14.8}, {21.2, 20.8}, 0.2), rib, 0.6f);
    for (Vec2 p : std::vector<Vec2>{{13.2, 16.6}, {18.8, 18.4}, {13.2, 25.2}, {18.8, 26.4}, {9.4, 19.4}, {22.8, 17.2}, {16, 21.0}})
        c.fill(circle(p, 0.32), rgb(250, 250, 220), 0.85f);
    c.fill(flower, lit ? rgb(255, 150, 215) : rgb(140, 70, 110));
    c.fill(circle({21.2, 13.6}, 0.7), lit ? rgb(255, 240, 120) : rgb(140, 120, 50));
}

void drawHeart(Canvas& c, bool lit) {
    Color hue = rgb(238, 28, 64);
    Shape h = heart({16, 29.8}, 15.2, -90);
    drawWire(c);
    if (lit) drawHalo(c, h, hue);
    drawBody(c, h, hue, lit, {16, 20}, 9.5);
    drawGloss(c, {11.4, 17.0}, 1.3, 2.4, 40, lit ? 0.35f : 0.5f);
    drawSocket(c, 16, 13.4, 2.6);
}

void drawFlag(Canvas& c, bool lit) {
    const double x0 = 5.0, x1 = 27.0, top = 13.6, bottom = 27.2;
    auto wave = [](double x) { return 0.9 * std::sin((x - 5.0) * 0.42); };
    Shape box = rect(x0, top, x1, bottom);
    Shape cloth{[=](Vec2 p) { return box({p.x, p.y - wave(p.x)}); }, grown(box.box, 1.0)};
    const double stripe = (bottom - top) / 7.0;
    Paint paint = [=](Vec2 p) {
        double y = p.y - wave(p.x) - top;
        Color col;
        if (p.x < 14.6 && y < stripe * 4) {
            col = rgb(40, 56, 150);
            // White stars on the blue field, in a small grid.
            double gx = std::fmod(p.x - x0 - 0.9, 2.1), gy = std::fmod(y - 0.9, 1.95);
            double d = std::hypot(gx - 0.5, gy - 0.5);
            if (gx >= 0 && gy >= 0 && p.x < 14.0 && y < stripe * 4 - 0.6)
                col = mix(rgb(255, 255, 255), col, float(std::min(1.0, std::max(0.0, (d - 0.35) * 3))));
        } else {
            col = mix(rgb(224, 32, 48), rgb(255, 255, 255), stripeMix(y, stripe * 2, stripe));
        }
        // Folds of the waving cloth catch the light unevenly.
        float fold = float(1.0 + 0.2 * std::cos((p.x - 5.0) * 0.42));
        return shade(col, (lit ? 1.0f : 0.55f) * fold);
    };
    drawWire(c);
    if (lit) drawHalo(c, cloth, rgb(255, 220, 220), 4.5, 0.55f);
    drawSocket(c, 16, 11.6, 2.6);
    c.fill(stroke({{16, 11.0}, {16, top + wave(16) + 0.5}}, 0.45), rgb(200, 190, 160));
    c.fill(cloth, paint);
    drawOutline(c, cloth, rgb(30, 20, 30), 0.5, lit ? 0.4f : 0.7f);
}

void drawStarOfDavid(Canvas& c, bool lit) {
    Color hue = rgb(40, 112, 240);
    Vec2 centre{16, 21.4};
    const double r = 9.0;
    std::vector<Vec2> up, down;
    for (int k = 0; k <= 3; k++) {
        up.push_back(polar(centre, r, -90 + 120 * k));
        down.push_back(polar(centre, r, 90 + 120 * k));
    }
    Shape star = stroke(up, 1.0) | stroke(down, 1.0);
    drawWire(c);
    if (lit) drawHalo(c, star, hue, 4.5, 0.7f);
    drawSocket(c, 16, 12.4, 2.6);
    c.fill(star, bodyPaint(hue, lit, centre, r));
    drawOutline(c, star, shade(hue, lit ? 0.55f : 0.2f), 0.45, lit ? litOutlineAlpha(hue) : 0.8f);
}

void drawPumpkin(Canvas& c, bool lit) {
    Color hue = rgb(250, 130, 18);
    Shape middle = ellipse({16, 22.8}, 5.4, 6.6);
    Shape body = ellipse({11.6, 23.0}, 5.0, 6.2) | ellipse({20.4, 23.0}, 5.0, 6.2) | middle;
    Shape face = polygon({{11.4, 21.6}, {13.2, 18.8}, {14.6, 21.6}}) | polygon({{17.4, 21.6}, {18.8, 18.8}, {20.6, 21.6}}) |
                 polygon({{15.1, 23.6}, {16, 22.0}, {16.9, 23.6}}) |
                 polygon({{10.2, 24.2}, {12.4, 25.0}, {13.4, 24.3}, {14.6, 25.1}, {16, 24.3}, {17.4, 25.1}, {18.6, 24.3},
                          {19.6, 25.0}, {21.8, 24.2}, {20.8, 26.6}, {18.2, 27.8}, {17.0, 27.0}, {16, 28.0}, {13.8, 27.8}, {11.2, 26.6}});
    drawWire(c);
    if (lit) drawHalo(c, body, hue);
    drawSocket(c, 16, 11.6, 2.4);
    c.fill(stroke({{16, 17.0}, {16.2, 13.6}, {17.2, 11.8}}, 1.1), rgb(96, 112, 40));
    drawBody(c, body, hue, lit, {16, 22.5}, 9);
    c.fill(rim(middle, 0.55) & grow(body, -0.8), shade(hue, lit ? 0.6f : 0.25f), 0.7f);
    if (lit) {
        c.glow(face, rgb(255, 220, 90), 1.8, 0.7f, false);
        c.fill(face, radial({16, 23}, 7, {{0.0f, rgb(255, 250, 190)}, {1.0f, rgb(255, 176, 40)}}));
    } else {
        c.fill(face, rgb(54, 26, 6));
    }
}

void drawSmiley(Canvas& c, bool lit) {
    Color hue = rgb(255, 212, 26);
    Vec2 centre{16, 21.4};
    Shape face = circle(centre, 8.5);
    drawWire(c);
    if (lit) drawHalo(c, face, hue);
    drawSocket(c, 16, 13.4, 2.6);
    drawBody(c, face, hue, lit, centre, 8.5);
    Color ink = lit ? rgb(110, 60, 0) : rgb(50, 34, 0);
    c.fill(ellipse({13.2, 19.0}, 0.95, 1.6) | ellipse({18.8, 19.0}, 0.95, 1.6), ink);
    c.fill(stroke(arc({16, 20.4}, 5.0, 28, 152, 14), 0.75), ink);
    drawGloss(c, {12.2, 16.8}, 1.0, 1.9, 45, lit ? 0.35f : 0.45f);
}

void drawShamrock(Canvas& c, bool lit) {
    Color hue = rgb(36, 186, 72);
    Vec2 centre{16, 20.6};
    Shape leaves = heart(centre, 6.8, -90) | heart(centre, 6.8, 30) | heart(centre, 6.8, 150);
    Shape stem = stroke(bezier(centre, {16.6, 24.6}, {17.6, 27.6}, {20.0, 30.4}, 12), 0.7);
    drawWire(c);
    if (lit) drawHalo(c, leaves | stem, hue);
    drawSocket(c, 16, 12.8, 2.6);
    c.fill(stem, paintColour(shade(hue, 0.8f), lit));
    drawBody(c, leaves, hue, lit, centre, 8);
    // A pale vein down the middle of each leaf.
    for (double a : {-90.0, 30.0, 150.0})
        c.fill(capsule(polar(centre, 1.0, a), polar(centre, 5.8, a), 0.2), tint(hue, 0.5f), lit ? 0.6f : 0.4f);
}

}  // namespace art
