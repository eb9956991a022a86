// The contract every screen-saver effect fulfils, and the six effects themselves.
#pragma once
#include <windows.h>

// Reset runs when the saver window is created, before its timer starts; Frame draws
// one frame into the saver window on every tick of that timer.
struct SaverEffect { void (*Reset)(); void (*Frame)(HWND window); };

extern const SaverEffect fallingSnowEffect, warpDriveEffect, fireworksEffect, curvesEffect, caterpillarEffect, sparksEffect;
