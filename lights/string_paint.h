// Drawing the bulbs into a device context, over a kept copy of what lies beneath them.
#pragma once
#include <windows.h>

#include "lights/light_string.h"
#include "lights/strip_bitmap.h"

// What lies under the string on its drawing window, kept from paint to paint so that
// each paint starts from the window's own pixels, not from the previous bulbs (the
// glow of a lit bulb would otherwise stay around it after it goes dark).
struct StringBackdrop {
    HWND window = nullptr;      // the window the copies belong to
    StripBitmap background;     // the window's pixels under the string, without bulbs
    StripBitmap shown;          // what the last paint left on the window
};

// Draws each bulb's current icon at its place, in index order, with nothing beneath.
void DrawBulbs(HDC dc, const Bulb* bulbs, LONG count);

// Paints the bulbs over their background into `strip` of the DC (bulb positions are
// relative to the DC's origin). A cell that no longer shows what the last paint left
// was repainted by its window, so its pixels become the new background. The bulbs are
// composed in memory; offscreen, the strip is written in one piece, otherwise bulb by
// bulb.
void PaintStrip(HDC dc, const RECT& strip, const Bulb* bulbs, LONG count, StringBackdrop& backdrop,
                bool offscreen);

// Frees the kept copies; the next paint takes the window's pixels afresh.
void ReleaseStringBackdrop();
