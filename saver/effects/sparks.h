// Sparks!: a wandering emitter throwing out sparks that fly, fall, land and fade.
#pragma once
#include <windows.h>

struct Spark {
    int active;
    int x, y;       // whole pixels
    float vx, vy;   // pixels per frame
    int life;       // frames left
    int kind;       // colour family 0, 1 or 2
    float fall;     // downward drift from gravity, grows while in the air
};

constexpr int kSparkCount = 100;
extern Spark sparks[kSparkCount];
extern int emitterX, emitterY;   // the emitter's position
extern int sparkMaxX;            // width of the client area
extern int sparkFloorY;          // the bottom row of the client area
extern bool sparksReady;         // set by the first frame after a reset

// Leaves the set-up to the next frame.
void SparksReset();
// Sets up on the first call after a reset, steps every spark, moves the emitter and
// throws out three new sparks.
void SparksFrame(HWND window);
// Starts one spark at (x, y) in the first free slot; nothing when every slot is busy.
void EmitSpark(int x, int y);
