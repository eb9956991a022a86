// Curves!: fixed end points with rings, control points bouncing within their bounds.
#include <gtest/gtest.h>

#include <cstdlib>

#include "effect_canvas.h"
#include "saver/effects/curves.h"

TEST(Curves, EndPointsStayWhileControlPointsBounceInsideTheBounds) {
    EffectCanvas canvas;
    CurvesReset();
    CurvesFrame(canvas.hwnd());
    ASSERT_TRUE(curveCount >= 1 && curveCount <= kMaxCurves);
    const Curve& c = curves[curveCount - 1];   // nothing erases over the last curve within a frame
    const POINT a = c.a, b = c.b;
    for (int frame = 0; frame < 300; ++frame) {
        CurvesFrame(canvas.hwnd());
        for (int i = 0; i < curveCount; ++i)
            for (const ControlPoint* p : {&curves[i].c1, &curves[i].c2}) {
                // At most one step (9 pixels) beyond a bound, on the way back.
                ASSERT_TRUE(p->x >= curveBounds.left - 9 && p->x <= curveBounds.right + 9) << p->x;
                ASSERT_TRUE(p->y >= curveBounds.top - 9 && p->y <= curveBounds.bottom + 9) << p->y;
            }
    }
    EXPECT_TRUE(a.x == c.a.x && a.y == c.a.y && b.x == c.b.x && b.y == c.b.y);
    const Snapshot shot(canvas.hwnd());
    // The ring's left- and rightmost columns; end points may sit on the window's left
    // or top edge, where part of the ring falls outside and is not drawn.
    for (const POINT& end : {c.a, c.b}) {
        if (end.y < 2) continue;
        if (end.x >= 3) {
            EXPECT_GT(shot.Count(c.colour, {end.x - 3, end.y - 2, end.x - 2, end.y + 2}), 0);
        }
        EXPECT_GT(shot.Count(c.colour, {end.x + 2, end.y - 2, end.x + 3, end.y + 2}), 0);
    }
}
