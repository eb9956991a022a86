// Warp Drive: a star field streaming out from the centre of the screen.
#pragma once
#include <windows.h>

struct Star {
    int x, y;         // offset from the line of sight: -cx..cx, -cy..cy
    int z;            // depth: 125..275 when new, shrinks by the speed each frame
    int size;         // 1 draws one pixel, 0 a block of 2 by 2
    COLORREF colour;
};

constexpr int kStarCount = 250;
extern Star stars[kStarCount];
extern int warpSpeed;                   // depth units per frame
extern int warpCenterX, warpCenterY;    // the screen centre

// Sets the speed and the centre and seeds every star; the field is new on each start.
void WarpReset();
// Gives one star a new place, depth, size and colour.
void SeedStar(Star& star);
// Erases every star, brings it nearer and draws it again.
void WarpFrame(HWND window);
