#include "parts.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {
const double kPi = 3.14159265358979323846;
const double kTwistPeriod = 8.0;
const double kTwistAmplitude = 1.05;
const double kStrandRadius = 0.72;

// One strand of the wire: a sine curve; `phase` 0 or pi picks the strand.
double strandCentre(double x, double phase) {
    return kWireY + kTwistAmplitude * std::sin(2 * kPi * x / kTwistPeriod + phase);
}

Shape strand(double phase) {
    return {[phase](Vec2 p) {
                double slope = kTwistAmplitude * 2 * kPi / kTwistPeriod * std::cos(2 * kPi * p.x / kTwistPeriod + phase);
                return std::fabs(p.y - strandCentre(p.x, phase)) / std::sqrt(1 + slope * slope) - kStrandRadius;
            },
            {-1, kWireY - 2, 33, kWireY + 2}};
}

// Vertical bands of half a twist period, starting at x = start (mod period).
Shape bands(double start) {
    return {[start](Vec2 p) {
                double half = kTwistPeriod / 2;
                double u = std::fmod(p.x - start, kTwistPeriod);
                if (u < 0) u += kTwistPeriod;
                return u < half ? -std::min(u, half - u) : std::min(u - half, kTwistPeriod - u);
            },
            {-1, -1, 33, 33}};
}

// Rounded strand shading: lighter along its upper side.
Paint strandPaint(double phase, float brightness) {
    return [phase, brightness](Vec2 p) {
        double t = (p.y - strandCentre(p.x, phase) + kStrandRadius) / (2 * kStrandRadius);
        Color c = sampleStops({{0.0f, rgb(96, 176, 104)}, {0.35f, rgb(40, 110, 52)}, {1.0f, rgb(10, 40, 16)}},
                              float(std::min(1.0, std::max(0.0, t))));
        return shade(c, brightness);
    };
}
}  // namespace

Color hueOf(int colour) {
    switch (colour) {
        case Purple: return rgb(178, 60, 236);
        case Blue: return rgb(36, 118, 255);
        case Red: return rgb(238, 30, 30);
        case Green: return rgb(28, 204, 64);
        case Yellow: return rgb(255, 208, 24);
        case Indigo: return rgb(84, 48, 214);
        default: return rgb(246, 244, 232);
    }
}

Color accentOf(int colour) {
    switch (colour) {
        case Purple: return rgb(255, 226, 90);
        case Blue: return rgb(255, 255, 255);
        case Red: return rgb(255, 232, 96);
        case Green: return rgb(255, 246, 170);
        case Yellow: return rgb(232, 64, 150);
        case Indigo: return rgb(140, 226, 255);
        default: return rgb(70, 160, 255);
    }
}

const char* colourName(int colour) {
    static const char* const names[] = {"Purple", "Blue", "Red", "Green", "Yellow", "Indigo", "White"};
    return colour >= 0 && colour < kColourCount ? names[colour] : "?";
}

void drawWire(Canvas& c) {
    Shape a = strand(0), b = strand(kPi);
    Shape first = bands(0), second = bands(kTwistPeriod / 2);
    // Where one strand passes behind the other it is drawn first and darker;
    // a thin dark edge on the front pieces shows where they cross.
    c.fill(a & second, strandPaint(0, 0.65f));
    c.fill(b & first, strandPaint(kPi, 0.65f));
    c.fill(a & first, strandPaint(0, 1.0f));
    drawOutline(c, a & first, rgb(4, 24, 8), 0.35, 0.8f);
    c.fill(b & second, strandPaint(kPi, 1.0f));
    drawOutline(c, b & second, rgb(4, 24, 8), 0.35, 0.8f);
}

void drawSocket(Canvas& c, double x, double bottom, double hw) {
    Shape body = rect(x - hw, 1.6, x + hw, bottom, 1.5);
    c.fill(body, linear({x - hw, 0}, {x + hw, 0},
                        {{0.0f, rgb(40, 112, 54)}, {0.3f, rgb(66, 150, 78)}, {1.0f, rgb(12, 46, 20)}}));
    // Moulded ridges where the clip grips the wire.
    c.fill(capsule({x - hw + 0.8, 6.3}, {x + hw - 0.8, 6.3}, 0.32), rgb(10, 40, 16), 0.7f);
    c.fill(capsule({x - hw + 0.8, 8.3}, {x + hw - 0.8, 8.3}, 0.32), rgb(10, 40, 16), 0.5f);
    drawOutline(c, body, rgb(6, 28, 10), 0.7, 0.9f);
}

void drawSocketHole(Canvas& c, double x, double bottom, double hw) {
    // Seen a little from below: the socket's mouth, the brass thread inside
    // it and the contact at the bottom.
    Shape mouth = ellipse({x, bottom + 0.4}, hw + 0.3, 2.0);
    c.fill(mouth, rgb(34, 100, 46));
    drawOutline(c, mouth, rgb(6, 28, 10), 0.5, 0.9f);
    c.fill(ellipse({x, bottom + 0.4}, hw - 0.5, 1.35), rgb(150, 124, 60));
    c.fill(ellipse({x, bottom + 0.6}, hw - 1.2, 0.9), rgb(6, 8, 6));
    c.fill(circle({x, bottom + 0.6}, 0.5), rgb(230, 200, 110));
}

void drawScrewBase(Canvas& c, double top, double bottom, double hw, double x) {
    Shape base = rect(x - hw, top, x + hw, bottom, 0.6);
    c.fill(base, linear({x - hw, 0}, {x + hw, 0},
                        {{0.0f, rgb(120, 118, 108)}, {0.35f, rgb(238, 236, 224)}, {1.0f, rgb(86, 84, 78)}}));
    for (double y = top + 1.0; y < bottom - 0.4; y += 1.0)
        c.fill(capsule({x - hw + 0.3, y}, {x + hw - 0.3, y + 0.3}, 0.22), rgb(60, 58, 50), 0.55f);
    drawOutline(c, base, rgb(50, 48, 42), 0.5, 0.7f);
}

Paint bodyPaint(Color hue, bool lit, Vec2 centre, double r, float core) {
    if (lit) {
        return radial(centre, r * 1.05,
                      {{0.0f, tint(hue, core)}, {0.3f, tint(hue, core * 0.55f)}, {0.72f, hue}, {1.0f, shade(hue, 0.82f)}});
    }
    Vec2 light = centre + Vec2{-0.4 * r, -0.45 * r};
    return radial(light, r * 1.6,
                  {{0.0f, tint(shade(hue, 0.78f), 0.22f)}, {0.4f, shade(hue, 0.5f)}, {1.0f, shade(hue, 0.2f)}});
}

void drawHalo(Canvas& c, const Shape& s, Color hue, double reach, float strength) {
    c.glow(s, tint(hue, 0.3f), reach, strength);
}

float litOutlineAlpha(Color hue) {
    float luminance = 0.3f * hue.r + 0.59f * hue.g + 0.11f * hue.b;
    return 0.35f + 0.8f * std::max(0.0f, luminance - 0.5f);
}

void drawBody(Canvas& c, const Shape& s, Color hue, bool lit, Vec2 centre, double radius, float core) {
    c.fill(s, bodyPaint(hue, lit, centre, radius, core));
    if (lit)
        drawOutline(c, s, shade(hue, 0.55f), 0.7, litOutlineAlpha(hue));
    else
        drawOutline(c, s, shade(hue, 0.18f), 0.8, 0.85f);
}

void drawGloss(Canvas& c, Vec2 centre, double rx, double ry, double degrees, float alpha) {
    c.fill(rotated(ellipse(centre, rx, ry), centre, degrees), Color{1, 1, 1, 1}, alpha);
}

Color paintColour(Color c, bool lit) { return lit ? c : shade(c, 0.55f); }

float stripeMix(double v, double period, double width) {
    double u = std::fmod(v, period);
    if (u < 0) u += period;
    double inside = u < width ? std::min(u, width - u) : -std::min(u - width, period - u);
    return float(std::min(1.0, std::max(0.0, 0.5 + inside * 1.6)));
}

void drawOutline(Canvas& c, const Shape& s, Color col, double width, float alpha) {
    c.fill(rim(s, width), col, alpha);
}

}  // namespace art
