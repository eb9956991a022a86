// Caterpillar: three chains of rings crawling below the light string, wrapping at the edges.
#pragma once
#include <windows.h>

constexpr int kCaterpillarCount = 3;
constexpr int kMaxSegments = 30;

struct Caterpillar {
    int step;           // pixels the head moves per frame; rings have half of it as radius
    int count;          // segments in use: 8..15
    int heading;        // 0 right, 1 down, 2 left, 3 up
    int dx, dy;         // the heading as a unit step
    int framesToTurn;   // frames until the next change of heading
    POINT segments[kMaxSegments];   // [0] is the head, [count - 1] the tail
    COLORREF headColour, bodyColour;
};

extern Caterpillar caterpillars[kCaterpillarCount];
extern RECT caterpillarArea;    // the client area below the row of bulbs
extern bool caterpillarsReady;  // set at the end of the set-up

// Leaves the set-up to the next frame.
void CaterpillarReset();
// Sets up on the first call after a reset, then moves every caterpillar one step.
void CaterpillarFrame(HWND window);
// Picks a new heading (never straight back, unless `first`) and a new time to turn.
void ChooseHeading(Caterpillar& caterpillar, bool first);
// Where the heads wrap: the area shrunk by 10 pixels on every side.
RECT CaterpillarBounds(const RECT& area);
