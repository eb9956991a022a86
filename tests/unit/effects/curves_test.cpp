// Curves!: their colours and bounds, curve 0 drawn alone, and control points turning round past a bound.
#include <gtest/gtest.h>

#include "effect_canvas.h"
#include "saver/effects/curves.h"

TEST(Curves, BlueFirstAloneAllBlueAndControlPointsTurnOncePastABound) {
    constexpr COLORREF kColours[kMaxCurves] = {0xFF0000, 0x00FFFF, 0x0000FF, 0x00FF00, 0xFF00FF};   // blue first
    Canvas canvas;
    CurvesReset();
    CurvesFrame(canvas.hwnd);
    const int right = canvas.w - 10, bottom = canvas.h - 10;
    EXPECT_TRUE(curveCount >= 1 && curveCount <= kMaxCurves && curveBounds.left == 0 && curveBounds.top == 0 &&
                curveBounds.right == right && curveBounds.bottom == bottom);
    for (int i = 0; i < kMaxCurves; ++i)
        EXPECT_TRUE(CurveColour(i) == kColours[i] && (i >= curveCount || curves[i].colour == kColours[i])) << i;
    // Drawn alone, curve 0 is all blue: the line, and a ring of radius 3 around each end, not filled.
    curveCount = 1;
    curves[0] = Curve{{200, 300}, {600, 300}, {300, 300, 0, 0}, {500, 300, 0, 0}, curves[0].colour};
    canvas.Fill(0);
    CurvesFrame(canvas.hwnd);
    const Snapshot shot(canvas.hwnd);
    EXPECT_TRUE(shot.Count(kColours[0]) == shot.Count(CLR_INVALID) && shot.Count(kColours[0], 300, 301) > 390);
    for (int x : {200, 600})
        EXPECT_TRUE(shot.At(x, 297) == kColours[0] && shot.At(x, 296) == 0 && shot.At(x, 298) == 0) << x;
    curves[0].c1.vy = curves[0].c2.vy = 60;   // bulging further each frame: the last picture is erased first
    for (int frame = 0; frame < 3; ++frame) CurvesFrame(canvas.hwnd);
    EXPECT_LT(Snapshot(canvas.hwnd).Count(kColours[0]), shot.Count(kColours[0]) * 3 / 2);
    // From a bound (the low one, 0, or the high one: right or bottom), with a velocity: after one move.
    const struct { bool high; int d, v, d2, v2; } rows[] = {
        {false, 50, 5, 55, 5}, {false, 5, -5, 0, -5}, {false, 3, -5, -2, 5},
        {true, -5, 5, 0, 5},   {true, 0, 5, 5, -5},   {true, 5, -5, 0, -5},
    };
    for (const auto& row : rows) {
        const int x0 = row.high ? right : 0, y0 = row.high ? bottom : 0;
        curves[0].c1 = curves[0].c2 = ControlPoint{x0 + row.d, y0 + row.d, row.v, row.v};
        CurvesFrame(canvas.hwnd);
        for (const ControlPoint& p : {curves[0].c1, curves[0].c2})
            EXPECT_TRUE(p.x == x0 + row.d2 && p.y == y0 + row.d2 && p.vx == row.v2 && p.vy == row.v2) << row.d;
    }
}
