#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {
float clampf(float v, float lo = 0.0f, float hi = 1.0f) { return std::min(hi, std::max(lo, v)); }
}  // namespace

Color rgb(int r, int g, int b, float a) { return {r / 255.0f, g / 255.0f, b / 255.0f, a}; }
Color mix(Color x, Color y, float t) {
    return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}
Color shade(Color c, float k) { return {clampf(c.r * k), clampf(c.g * k), clampf(c.b * k), c.a}; }
Color tint(Color c, float t) { return mix(c, Color{1, 1, 1, c.a}, t); }
Color withAlpha(Color c, float a) { return {c.r, c.g, c.b, a}; }

Paint solid(Color c) {
    return [c](Vec2) { return c; };
}

Color sampleStops(const Stops& stops, float t) {
    if (t <= stops.front().first) return stops.front().second;
    for (size_t i = 1; i < stops.size(); i++) {
        if (t <= stops[i].first) {
            float span = stops[i].first - stops[i - 1].first;
            float k = span > 0 ? (t - stops[i - 1].first) / span : 1.0f;
            return mix(stops[i - 1].second, stops[i].second, k);
        }
    }
    return stops.back().second;
}

Paint radial(Vec2 c, double r, Stops stops) {
    return [=](Vec2 p) { return sampleStops(stops, float(length(p - c) / r)); };
}

Paint linear(Vec2 a, Vec2 b, Stops stops) {
    Vec2 ab = b - a;
    double l2 = dot(ab, ab);
    return [=](Vec2 p) { return sampleStops(stops, float(dot(p - a, ab) / l2)); };
}

Canvas::Canvas(int width, int height, double s) : w_(width), h_(height), scale_(s), px_(size_t(width) * height * 4, 0.0f) {}

void Canvas::clear(Color c) {
    for (size_t i = 0; i < px_.size(); i += 4) {
        px_[i] = c.r * c.a;
        px_[i + 1] = c.g * c.a;
        px_[i + 2] = c.b * c.a;
        px_[i + 3] = c.a;
    }
}

void Canvas::blendPixel(int x, int y, Color c, float cov, Blend blend) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_ || cov <= 0.0f) return;
    float* d = &px_[(size_t(y) * w_ + x) * 4];
    float a = clampf(c.a) * clampf(cov);
    switch (blend) {
        case Blend::Over:
            d[0] = c.r * a + d[0] * (1 - a);
            d[1] = c.g * a + d[1] * (1 - a);
            d[2] = c.b * a + d[2] * (1 - a);
            d[3] = a + d[3] * (1 - a);
            break;
        case Blend::Add:
            d[0] += c.r * a;
            d[1] += c.g * a;
            d[2] += c.b * a;
            d[3] = a + d[3] * (1 - a);
            break;
        case Blend::Erase:
            for (int i = 0; i < 4; i++) d[i] *= (1 - a);
            break;
    }
}

void Canvas::setPixel(int x, int y, Color c) { blendPixel(x, y, c, 1.0f, Blend::Over); }

void Canvas::fill(const Shape& s, const Paint& paint, float opacity, Blend blend) {
    const double k = scale_;
    int x0 = std::max(0, int(std::floor(s.box.x0 * k)) - 1), x1 = std::min(w_ - 1, int(std::ceil(s.box.x1 * k)) + 1);
    int y0 = std::max(0, int(std::floor(s.box.y0 * k)) - 1), y1 = std::min(h_ - 1, int(std::ceil(s.box.y1 * k)) + 1);
    const int n = 3;  // subsamples per axis near the outline
    for (int y = y0; y <= y1; y++) {
        for (int x = x0; x <= x1; x++) {
            Vec2 centre{(x + 0.5) / k, (y + 0.5) / k};
            double d = s(centre) * k;  // distance in pixels
            float cov;
            if (d >= 1.0) continue;
            if (d <= -1.0) {
                cov = 1.0f;
            } else {
                // Near the outline: average the analytic coverage of n x n sub-pixels.
                double sum = 0;
                for (int j = 0; j < n; j++)
                    for (int i = 0; i < n; i++) {
                        Vec2 p{(x + (i + 0.5) / n) / k, (y + (j + 0.5) / n) / k};
                        sum += std::min(1.0, std::max(0.0, 0.5 - s(p) * k * n));
                    }
                cov = float(sum / (n * n));
            }
            blendPixel(x, y, paint(centre), cov * opacity, blend);
        }
    }
}

void Canvas::fill(const Shape& s, Color c, float opacity, Blend blend) { fill(s, solid(c), opacity, blend); }

void Canvas::glow(const Shape& s, Color c, double reach, float strength, bool fadeAtEdges) {
    const double k = scale_;
    Box b = grown(s.box, reach);
    int x0 = std::max(0, int(std::floor(b.x0 * k))), x1 = std::min(w_ - 1, int(std::ceil(b.x1 * k)));
    int y0 = std::max(0, int(std::floor(b.y0 * k))), y1 = std::min(h_ - 1, int(std::ceil(b.y1 * k)));
    const double edgeFade = 3.0 * k;  // pixels over which light dies out at the edges
    for (int y = y0; y <= y1; y++) {
        for (int x = x0; x <= x1; x++) {
            double d = std::max(0.0, s({(x + 0.5) / k, (y + 0.5) / k}));
            if (d >= reach) continue;
            double t = 1.0 - d / reach;
            double a = strength * t * t;
            if (fadeAtEdges) {
                double edge = std::min(std::min(x + 0.5, w_ - x - 0.5), std::min(y + 0.5, h_ - y - 0.5));
                a *= std::min(1.0, std::max(0.0, (edge - 0.5) / edgeFade));
            }
            blendPixel(x, y, c, float(a), Blend::Over);
        }
    }
}

void Canvas::drawImage(const Image& img, int x, int y, int zoom) {
    for (int sy = 0; sy < img.h; sy++)
        for (int sx = 0; sx < img.w; sx++) {
            const uint8_t* p = img.at(sx, sy);
            if (p[3] == 0) continue;
            Color c = rgb(p[0], p[1], p[2], p[3] / 255.0f);
            for (int j = 0; j < zoom; j++)
                for (int i = 0; i < zoom; i++) blendPixel(x + sx * zoom + i, y + sy * zoom + j, c, 1.0f, Blend::Over);
        }
}

Image Canvas::toImage() const {
    Image img(w_, h_);
    for (size_t i = 0; i < size_t(w_) * h_; i++) {
        const float* s = &px_[i * 4];
        uint8_t* d = &img.px[i * 4];
        int a = int(std::lround(clampf(s[3]) * 255.0f));
        // Light fainter than this is dropped, so pictures end cleanly and the
        // transparency mask stays tight around what can be seen.
        if (a < 3) {
            d[0] = d[1] = d[2] = d[3] = 0;
            continue;
        }
        float inv = 1.0f / s[3];
        for (int c = 0; c < 3; c++) d[c] = uint8_t(std::lround(clampf(s[c] * inv) * 255.0f));
        d[3] = uint8_t(a);
    }
    return img;
}

}  // namespace art
