// Drawing the bulbs into a device context, directly or through an off-screen strip.
#pragma once
#include <windows.h>

#include "lights/light_string.h"

// Draws each bulb's current icon at its place, in index order.
void DrawBulbs(HDC dc, const Bulb* bulbs, LONG count);
// Composes the bulbs over a copy of `strip` of the DC in a memory bitmap, then copies
// the strip back in one piece. Bulb positions are relative to the DC's origin.
void DrawBulbsOffscreen(HDC dc, const RECT& strip, const Bulb* bulbs, LONG count);
