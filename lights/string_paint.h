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
    // Per cell, the bulb's previous picture over the same background: a bulb that flips
    // back and forth is composed twice, then only exchanged.
    StripBitmap other;
    StripBitmap seen;           // the window's pixels as this paint found them
    // The window's own pixel format, made only when it holds fewer colours than ours:
    // `shown` goes through it so that it matches what the window will give back.
    StripBitmap windowFormat;
    HICON drawn[kMaxBulbs] = {};   // the icon each cell of `shown` holds
    HICON otherIcon[kMaxBulbs] = {};   // the icon each cell of `other` holds; null: none
    int iconSet = -1;              // the bulb icon set those handles belong to (PaintString's)
};

// Draws each bulb's current icon at its place, in index order, with nothing beneath.
void DrawBulbs(HDC dc, const Bulb* bulbs, LONG count);

// Paints bulb i whole into cell i (32 i from the strip's left) of `strip` of the DC,
// over what lies beneath. A pixel that differs from what the last paint left there was
// drawn by someone else and becomes background; the string's own pixels never do.
// Only cells whose bulb changed or whose pixels someone else changed are made again,
// and only those that then differ from the window are written: offscreen, in one piece
// from the first to the last; otherwise each run of neighbouring cells.
void PaintStrip(HDC dc, const RECT& strip, const Bulb* bulbs, LONG count, StringBackdrop& backdrop,
                bool offscreen);

// Puts the kept background back into `strip` of the DC, except where someone else drew
// since the last paint.
void PutBackStrip(HDC dc, const RECT& strip, StringBackdrop& backdrop);

// Frees the backdrop's copies; the next paint takes the window's pixels afresh.
void ReleaseBackdrop(StringBackdrop& backdrop);
