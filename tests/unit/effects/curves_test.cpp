// Curves! on a real window: fixed end points with rings, control points bouncing in bounds.
#include <gtest/gtest.h>

#include "effect_canvas.h"
#include "saver/effects/curves.h"

namespace {

Curve StraightCurve(int i, int y) {
    Curve c{};
    c.a = POINT{100, y};
    c.b = POINT{700, y};
    c.c1 = ControlPoint{300, y, 0, 0};
    c.c2 = ControlPoint{500, y, 0, 0};
    c.colour = CurveColour(i);
    return c;
}

}  // namespace

TEST(Curves, EndPointsAndTheirRingsStayWhileControlPointsBounceInsideTheBounds) {
    EffectCanvas canvas;
    CurvesReset();
    CurvesFrame(canvas.hwnd());
    ASSERT_TRUE(curvesReady);
    ASSERT_GE(curveCount, 1);
    ASSERT_LE(curveCount, kMaxCurves);
    EXPECT_EQ(canvas.width() - 10, curveBounds.right);
    EXPECT_EQ(canvas.height() - 10, curveBounds.bottom);
    EXPECT_EQ(0, curveBounds.left);
    EXPECT_EQ(0, curveBounds.top);
    Curve first[kMaxCurves];
    for (int i = 0; i < curveCount; ++i) first[i] = curves[i];

    for (int frame = 0; frame < 300; ++frame) {
        CurvesFrame(canvas.hwnd());
        for (int i = 0; i < curveCount; ++i) {
            for (const ControlPoint* p : {&curves[i].c1, &curves[i].c2}) {
                // At most one step (9 pixels) beyond a bound, and only on the way back.
                ASSERT_GE(p->x, curveBounds.left - 9);
                ASSERT_LE(p->x, curveBounds.right + 9);
                ASSERT_GE(p->y, curveBounds.top - 9);
                ASSERT_LE(p->y, curveBounds.bottom + 9);
                ASSERT_GE(std::abs(p->vx), 4);
                ASSERT_LE(std::abs(p->vx), 9);
            }
        }
    }
    const Snapshot shot(canvas.hwnd());
    const int last = curveCount - 1;   // nothing erases over the last curve within a frame
    const Curve& c = curves[last];
    EXPECT_EQ(first[last].a.x, c.a.x);
    EXPECT_EQ(first[last].a.y, c.a.y);
    EXPECT_EQ(first[last].b.x, c.b.x);
    EXPECT_EQ(first[last].b.y, c.b.y);
    // The ring around each end point: its left- and rightmost columns are in the colour.
    for (const POINT& end : {c.a, c.b}) {
        EXPECT_GT(shot.Count(c.colour, RECT{end.x - 3, end.y - 2, end.x - 2, end.y + 2}), 0);
        EXPECT_GT(shot.Count(c.colour, RECT{end.x + 2, end.y - 2, end.x + 3, end.y + 2}), 0);
    }
}

TEST(Curves, EachCurveHasTheColourOfItsPlaceAndIsErasedBeforeItMoves) {
    EffectCanvas canvas;
    CurvesReset();
    CurvesFrame(canvas.hwnd());   // set up, then replaced by still, straight curves
    RECT all = {0, 0, canvas.width(), canvas.height()};
    canvas.FillRect(all, RGB(0, 0, 0));
    curveCount = 1;
    curves[0] = StraightCurve(0, 100);
    CurvesFrame(canvas.hwnd());
    Snapshot one(canvas.hwnd());
    EXPECT_GT(one.Count(RGB(0, 0, 255)), 500);   // blue
    EXPECT_EQ(one.Count(RGB(0, 0, 255)), one.CountLit());

    curveCount = kMaxCurves;
    const COLORREF colours[] = {RGB(0, 0, 255), RGB(255, 255, 0), RGB(255, 0, 0), RGB(0, 255, 0), RGB(255, 0, 255)};
    for (int i = 0; i < kMaxCurves; ++i) curves[i] = StraightCurve(i, 100 + 100 * i);
    curves[0].c1.vy = 50;   // the first curve now bends downwards
    CurvesFrame(canvas.hwnd());
    const Snapshot five(canvas.hwnd());
    for (int i = 0; i < kMaxCurves; ++i) EXPECT_GT(five.Count(colours[i], RECT{150, 95 + 100 * i, 650, 130 + 100 * i}), 400) << i;
    // The straight image of the bent curve is gone between its end points.
    EXPECT_LT(five.Count(colours[0], RECT{200, 100, 600, 101}), 100);
}
