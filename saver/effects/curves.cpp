// Curves!: Bezier curves between fixed end points, swayed by bouncing control points.
#include "saver/effects/curves.h"

#include "saver/effects/effect_random.h"
#include "saver/effects/window_dc.h"
#include "saver/saver_draw.h"
#include "saver/saver_effect.h"

Curve curves[kMaxCurves];
int curveCount = 0;
RECT curveBounds = {};
bool curvesReady = false;

namespace {

constexpr int kBoundsMargin = 10;
constexpr int kEndRingRadius = 3;

// Blue, yellow, red, green, magenta.
constexpr COLORREF kCurveColours[kMaxCurves] = {
    RGB(0, 0, 255), RGB(255, 255, 0), RGB(255, 0, 0), RGB(0, 255, 0), RGB(255, 0, 255),
};

POINT RandomPoint(const RECT& bounds) {
    const int x = RandomMod(bounds.right + 1);
    const int y = RandomMod(bounds.bottom + 1);
    return POINT{x, y};
}

// 4..9 pixels per frame, negative a little less often than positive.
int RandomVelocity() {
    int v = 4 + RandomMod(6);
    if (RandomMod(101) < 50) v = -v;
    return v;
}

ControlPoint RandomControlPoint(const RECT& bounds) {
    ControlPoint point;
    const POINT p = RandomPoint(bounds);
    point.x = p.x;
    point.y = p.y;
    point.vx = RandomVelocity();
    point.vy = RandomVelocity();
    return point;
}

void SetUpCurves(HWND window) {
    ReseedFromClock();
    RECT client;
    GetClientRect(window, &client);
    // Only the right and bottom bounds are pulled in; the points may use the top-left edge.
    curveBounds = {0, 0, client.right - kBoundsMargin, client.bottom - kBoundsMargin};
    curveCount = 1 + RandomMod(kMaxCurves);
    for (int i = 0; i < curveCount; ++i) {
        Curve& curve = curves[i];
        curve.a = RandomPoint(curveBounds);
        curve.b = RandomPoint(curveBounds);
        curve.c1 = RandomControlPoint(curveBounds);
        curve.c2 = RandomControlPoint(curveBounds);
        curve.colour = CurveColour(i);
    }
    curvesReady = true;
}

// Moves one control point, turning it round once it has passed a bound; the point
// itself is not pulled back, so it may stand one step outside for one frame.
void MoveControlPoint(ControlPoint& point, const RECT& bounds) {
    point.x += point.vx;
    if (point.x < bounds.left || point.x > bounds.right) point.vx = -point.vx;
    point.y += point.vy;
    if (point.y < bounds.top || point.y > bounds.bottom) point.vy = -point.vy;
}

void DrawCurve(HWND window, const Curve& curve, COLORREF colour) {
    WindowDC dc(window);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ previousPen = SelectObject(dc, pen);
    const POINT points[4] = {curve.a, {curve.c1.x, curve.c1.y}, {curve.c2.x, curve.c2.y}, curve.b};
    PolyBezier(dc, points, 4);
    DrawRing(dc, curve.a.x, curve.a.y, kEndRingRadius, colour);
    DrawRing(dc, curve.b.x, curve.b.y, kEndRingRadius, colour);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
}

}  // namespace

COLORREF CurveColour(int i) { return kCurveColours[i]; }

void CurvesReset() { curvesReady = false; }

void CurvesFrame(HWND window) {
    if (!curvesReady) SetUpCurves(window);
    for (int i = 0; i < curveCount; ++i) {
        Curve& curve = curves[i];
        DrawCurve(window, curve, RGB(0, 0, 0));
        MoveControlPoint(curve.c1, curveBounds);
        MoveControlPoint(curve.c2, curveBounds);
        DrawCurve(window, curve, curve.colour);
    }
}

const SaverEffect curvesEffect = {CurvesReset, CurvesFrame};
