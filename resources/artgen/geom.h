// Plane geometry for the art generator: points, boxes and shapes described as
// signed distance fields (negative inside, positive outside, in drawing units).
// Distances let the rasteriser compute anti-aliased coverage, outlines and
// halos from one description of a shape.
#pragma once

#include <functional>
#include <vector>

namespace art {

struct Vec2 {
    double x = 0, y = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(Vec2 a, double k) { return {a.x * k, a.y * k}; }
double dot(Vec2 a, Vec2 b);
double length(Vec2 a);
Vec2 rotate(Vec2 v, double radians);
Vec2 polar(Vec2 centre, double radius, double degrees);  // 0 deg = +x, 90 deg = down (+y)

// Axis-aligned bounds of the region where a shape may be inside.
struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};
Box unite(Box a, Box b);
Box intersect(Box a, Box b);
Box grown(Box b, double r);

struct Shape {
    std::function<double(Vec2)> sd;
    Box box;
    double operator()(Vec2 p) const { return sd(p); }
};

// Primitives.
Shape circle(Vec2 c, double r);
Shape ellipse(Vec2 c, double rx, double ry);
Shape rect(double x0, double y0, double x1, double y1, double cornerRadius = 0);
Shape capsule(Vec2 a, Vec2 b, double r);                // thick line with round ends
Shape taper(Vec2 a, double ra, Vec2 b, double rb);      // hull of two circles
Shape polygon(std::vector<Vec2> pts);                   // even-odd filled polygon
Shape stroke(std::vector<Vec2> pts, double r);          // thick polyline, round joins
Shape taperedStroke(std::vector<Vec2> pts, double r0, double r1);  // radius r0 -> r1
Shape everything();                                     // the whole plane

// Point lists.
std::vector<Vec2> bezier(Vec2 p0, Vec2 p1, Vec2 p2, Vec2 p3, int steps = 24);
std::vector<Vec2> arc(Vec2 c, double r, double fromDeg, double toDeg, int steps = 24);
std::vector<Vec2> regularStar(Vec2 c, double outer, double inner, int points, double firstDeg);

// Combinations and transforms.
Shape operator|(const Shape& a, const Shape& b);  // union
Shape operator&(const Shape& a, const Shape& b);  // intersection
Shape operator-(const Shape& a, const Shape& b);  // a with b cut away
Shape grow(const Shape& s, double r);             // r < 0 shrinks
Shape rim(const Shape& s, double width);          // band of `width` just inside the outline
Shape rotated(const Shape& s, Vec2 centre, double degrees);
Shape moved(const Shape& s, Vec2 d);
Shape mirroredX(const Shape& s, double axisX);
Shape scaled(const Shape& s, Vec2 centre, double k);

}  // namespace art
