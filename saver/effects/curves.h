// Curves!: Bezier curves between fixed end points, swayed by bouncing control points.
#pragma once
#include <windows.h>

struct ControlPoint {
    int x, y;
    int vx, vy;   // whole pixels per frame, 4..9 in size
};

struct Curve {
    POINT a, b;   // end points; they never move
    ControlPoint c1, c2;
    COLORREF colour;
};

constexpr int kMaxCurves = 5;
extern Curve curves[kMaxCurves];
extern int curveCount;       // curves in use: 1..5
extern RECT curveBounds;     // where the control points bounce: (0, 0, W - 10, H - 10)
extern bool curvesReady;     // set by the first frame after a reset

// Leaves the set-up to the next frame.
void CurvesReset();
// Sets up on the first call after a reset, then erases, moves and redraws every curve.
void CurvesFrame(HWND window);
// The colour of curve i, fixed by its place in the list.
COLORREF CurveColour(int i);
