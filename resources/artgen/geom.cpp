#include "geom.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace art {

namespace {
const double kPi = 3.14159265358979323846;
double clampd(double v, double lo, double hi) { return std::min(hi, std::max(lo, v)); }
double len2(Vec2 a) { return a.x * a.x + a.y * a.y; }

// Distance from p to the segment a-b.
double segmentDistance(Vec2 p, Vec2 a, Vec2 b) {
    Vec2 pa = p - a, ba = b - a;
    double bb = dot(ba, ba);
    double h = bb > 0 ? clampd(dot(pa, ba) / bb, 0.0, 1.0) : 0.0;
    return length(pa - ba * h);
}

Box boundsOf(const std::vector<Vec2>& pts, double pad) {
    Box b{1e9, 1e9, -1e9, -1e9};
    for (const Vec2& p : pts) {
        b.x0 = std::min(b.x0, p.x);
        b.y0 = std::min(b.y0, p.y);
        b.x1 = std::max(b.x1, p.x);
        b.y1 = std::max(b.y1, p.y);
    }
    return grown(b, pad);
}

// Box that holds the corners of b after rotation about c.
Box rotatedBox(Box b, Vec2 c, double rad) {
    std::vector<Vec2> corners = {{b.x0, b.y0}, {b.x1, b.y0}, {b.x0, b.y1}, {b.x1, b.y1}};
    for (Vec2& p : corners) p = c + rotate(p - c, rad);
    return boundsOf(corners, 0);
}
}  // namespace

double dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
double length(Vec2 a) { return std::sqrt(len2(a)); }
Vec2 rotate(Vec2 v, double r) {
    double c = std::cos(r), s = std::sin(r);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}
Vec2 polar(Vec2 centre, double radius, double degrees) {
    double r = degrees * kPi / 180.0;
    return {centre.x + radius * std::cos(r), centre.y + radius * std::sin(r)};
}

Box unite(Box a, Box b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}
Box intersect(Box a, Box b) {
    return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}
Box grown(Box b, double r) { return {b.x0 - r, b.y0 - r, b.x1 + r, b.y1 + r}; }

Shape circle(Vec2 c, double r) {
    return {[=](Vec2 p) { return length(p - c) - r; }, {c.x - r, c.y - r, c.x + r, c.y + r}};
}

Shape ellipse(Vec2 c, double rx, double ry) {
    // A close approximation of the true distance, exact on the outline.
    return {[=](Vec2 p) {
                Vec2 q = p - c;
                double k0 = std::sqrt((q.x / rx) * (q.x / rx) + (q.y / ry) * (q.y / ry));
                double k1 = std::sqrt((q.x / (rx * rx)) * (q.x / (rx * rx)) +
                                      (q.y / (ry * ry)) * (q.y / (ry * ry)));
                if (k1 < 1e-9) return -std::min(rx, ry);
                return k0 * (k0 - 1.0) / k1;
            },
            {c.x - rx, c.y - ry, c.x + rx, c.y + ry}};
}

Shape rect(double x0, double y0, double x1, double y1, double cr) {
    Vec2 c{(x0 + x1) / 2, (y0 + y1) / 2};
    Vec2 half{(x1 - x0) / 2 - cr, (y1 - y0) / 2 - cr};
    return {[=](Vec2 p) {
                Vec2 q{std::fabs(p.x - c.x) - half.x, std::fabs(p.y - c.y) - half.y};
                Vec2 o{std::max(q.x, 0.0), std::max(q.y, 0.0)};
                return length(o) + std::min(std::max(q.x, q.y), 0.0) - cr;
            },
            {x0, y0, x1, y1}};
}

Shape capsule(Vec2 a, Vec2 b, double r) {
    return {[=](Vec2 p) { return segmentDistance(p, a, b) - r; }, boundsOf({a, b}, r)};
}

Shape taper(Vec2 a, double ra, Vec2 b, double rb) {
    Vec2 axis = b - a;
    double h = length(axis);
    if (h < 1e-9 || std::fabs(ra - rb) >= h) return ra > rb ? circle(a, ra) : circle(b, rb);
    Vec2 u = axis * (1.0 / h);
    return {[=](Vec2 p) {
                // Work in a frame where a is the origin and the axis runs along +y.
                Vec2 d = p - a;
                Vec2 q{std::fabs(d.x * u.y - d.y * u.x), dot(d, u)};
                double sb = (ra - rb) / h;
                double ca = std::sqrt(1.0 - sb * sb);
                double k = dot(q, Vec2{-sb, ca});
                if (k < 0.0) return length(q) - ra;
                if (k > ca * h) return length(q - Vec2{0.0, h}) - rb;
                return dot(q, Vec2{ca, sb}) - ra;
            },
            unite(boundsOf({a}, ra), boundsOf({b}, rb))};
}

Shape polygon(std::vector<Vec2> v) {
    Box box = boundsOf(v, 0);
    return {[v = std::move(v)](Vec2 p) {
                size_t n = v.size();
                double d = len2(p - v[0]);
                double s = 1.0;
                for (size_t i = 0, j = n - 1; i < n; j = i, i++) {
                    Vec2 e = v[j] - v[i], w = p - v[i];
                    double t = dot(e, e) > 0 ? clampd(dot(w, e) / dot(e, e), 0.0, 1.0) : 0.0;
                    d = std::min(d, len2(w - e * t));
                    bool c1 = p.y >= v[i].y, c2 = p.y < v[j].y, c3 = e.x * w.y > e.y * w.x;
                    if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
                }
                return s * std::sqrt(d);
            },
            box};
}

Shape stroke(std::vector<Vec2> pts, double r) {
    Box box = boundsOf(pts, r);
    return {[pts = std::move(pts), r](Vec2 p) {
                double d = length(p - pts[0]);
                for (size_t i = 1; i < pts.size(); i++) d = std::min(d, segmentDistance(p, pts[i - 1], pts[i]));
                return d - r;
            },
            box};
}

Shape taperedStroke(std::vector<Vec2> pts, double r0, double r1) {
    Shape s = circle(pts[0], r0);
    size_t n = pts.size();
    for (size_t i = 1; i < n; i++) {
        double ra = r0 + (r1 - r0) * double(i - 1) / double(n - 1);
        double rb = r0 + (r1 - r0) * double(i) / double(n - 1);
        s = s | taper(pts[i - 1], ra, pts[i], rb);
    }
    return s;
}

Shape everything() { return {[](Vec2) { return -1e6; }, {-1e6, -1e6, 1e6, 1e6}}; }

std::vector<Vec2> bezier(Vec2 p0, Vec2 p1, Vec2 p2, Vec2 p3, int steps) {
    std::vector<Vec2> out;
    for (int i = 0; i <= steps; i++) {
        double t = double(i) / steps, u = 1 - t;
        out.push_back(p0 * (u * u * u) + p1 * (3 * u * u * t) + p2 * (3 * u * t * t) + p3 * (t * t * t));
    }
    return out;
}

std::vector<Vec2> arc(Vec2 c, double r, double fromDeg, double toDeg, int steps) {
    std::vector<Vec2> out;
    for (int i = 0; i <= steps; i++) out.push_back(polar(c, r, fromDeg + (toDeg - fromDeg) * i / steps));
    return out;
}

std::vector<Vec2> regularStar(Vec2 c, double outer, double inner, int points, double firstDeg) {
    std::vector<Vec2> out;
    for (int i = 0; i < points * 2; i++)
        out.push_back(polar(c, (i % 2) ? inner : outer, firstDeg + 180.0 * i / points));
    return out;
}

Shape operator|(const Shape& a, const Shape& b) {
    return {[a, b](Vec2 p) { return std::min(a(p), b(p)); }, unite(a.box, b.box)};
}
Shape operator&(const Shape& a, const Shape& b) {
    return {[a, b](Vec2 p) { return std::max(a(p), b(p)); }, intersect(a.box, b.box)};
}
Shape operator-(const Shape& a, const Shape& b) {
    return {[a, b](Vec2 p) { return std::max(a(p), -b(p)); }, a.box};
}
Shape grow(const Shape& s, double r) {
    return {[s, r](Vec2 p) { return s(p) - r; }, grown(s.box, std::max(r, 0.0))};
}
Shape rim(const Shape& s, double w) {
    return {[s, w](Vec2 p) {
                double d = s(p);
                return std::max(d, -(d + w));
            },
            s.box};
}
Shape rotated(const Shape& s, Vec2 c, double degrees) {
    double rad = degrees * kPi / 180.0;
    return {[s, c, rad](Vec2 p) { return s(c + rotate(p - c, -rad)); }, rotatedBox(s.box, c, rad)};
}
Shape moved(const Shape& s, Vec2 d) {
    return {[s, d](Vec2 p) { return s(p - d); }, {s.box.x0 + d.x, s.box.y0 + d.y, s.box.x1 + d.x, s.box.y1 + d.y}};
}
Shape mirroredX(const Shape& s, double ax) {
    return {[s, ax](Vec2 p) { return s({2 * ax - p.x, p.y}); }, {2 * ax - s.box.x1, s.box.y0, 2 * ax - s.box.x0, s.box.y1}};
}
Shape scaled(const Shape& s, Vec2 c, double k) {
    return {[s, c, k](Vec2 p) { return s(c + (p - c) * (1.0 / k)) * k; },
            {c.x + (s.box.x0 - c.x) * k, c.y + (s.box.y0 - c.y) * k, c.x + (s.box.x1 - c.x) * k,
             c.y + (s.box.y1 - c.y) * k}};
}

}  // namespace art
