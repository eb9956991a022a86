// Falling Snow: white flakes that fall, settle on anything not black and pile up.
#pragma once
#include <windows.h>

struct Snowflake {
    int active;     // only active flakes are stepped; a resting flake leaves its pixel
    int x, y;       // window coordinates (the saver window covers the screen)
    int speed;      // pixels per frame while falling: 3, 5 or 7
    int falling;    // at most one of falling and sliding is set
    int sliding;
    int dir;        // +1 or -1: the side the flake slides to first
    int otherDir;   // always -dir
};

constexpr int kSnowflakeCount = 800;
extern Snowflake snowflakes[kSnowflakeCount];

// Makes every flake inactive; the screen starts black.
void SnowReset();
// Starts up to three new flakes, then steps every active one.
void SnowFrame(HWND window);
