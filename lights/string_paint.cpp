// Painting the string into its drawing window.
#include "lights/string_paint.h"

#include "app/settings.h"
#include "lights/bulb_catalogue.h"

namespace {

// The one backdrop of the program's string.
StringBackdrop stringBackdrop;

void DrawBulb(HDC dc, const Bulb& bulb, int dx, int dy) {
    HICON icon = bulb.icon[bulb.lit ? 1 : 0];
    if (icon) DrawIconEx(dc, bulb.x + dx, bulb.y + dy, icon, kBulbSize, kBulbSize, 0, nullptr, DI_NORMAL);
}

// Makes sure the backdrop has copies of this size; true when they were made afresh.
bool PrepareBackdrop(HDC dc, StringBackdrop& backdrop, int width, int height) {
    if (backdrop.background.bits && backdrop.background.width == width && backdrop.background.height == height)
        return false;
    backdrop.background.Create(dc, width, height);
    backdrop.shown.Create(dc, width, height);
    return true;
}

}  // namespace

void DrawBulbs(HDC dc, const Bulb* bulbs, LONG count) {
    for (LONG i = 0; i < count; ++i) DrawBulb(dc, bulbs[i], 0, 0);
}

void PaintStrip(HDC dc, const RECT& strip, const Bulb* bulbs, LONG count, StringBackdrop& backdrop,
                bool offscreen) {
    const int width = strip.right - strip.left;
    const int height = strip.bottom - strip.top;
    if (width <= 0 || height <= 0) return;
    const bool fresh = PrepareBackdrop(dc, backdrop, width, height);
    StripBitmap frame;
    if (!backdrop.shown.bits || !frame.Create(dc, width, height)) {
        DrawBulbs(dc, bulbs, count);
        return;
    }
    // One read of the window: cells someone else repainted give the new background.
    BitBlt(frame.dc, 0, 0, width, height, dc, strip.left, strip.top, SRCCOPY);
    const int cells = width / kBulbSize;
    for (int i = 0; i < cells; ++i)
        if (fresh || !frame.SameCell(backdrop.shown, i)) backdrop.background.CopyCellFrom(frame, i);

    BitBlt(frame.dc, 0, 0, width, height, backdrop.background.dc, 0, 0, SRCCOPY);
    for (LONG i = 0; i < count; ++i) DrawBulb(frame.dc, bulbs[i], -strip.left, -strip.top);
    if (offscreen) {
        BitBlt(dc, strip.left, strip.top, width, height, frame.dc, 0, 0, SRCCOPY);
    } else {
        // Bulb by bulb, each cell whole, so no bulb is ever seen half drawn.
        for (LONG i = 0; i < count; ++i) {
            const Bulb& bulb = bulbs[i];
            BitBlt(dc, bulb.x, bulb.y, kBulbSize, kBulbSize, frame.dc, bulb.x - strip.left, bulb.y - strip.top,
                   SRCCOPY);
        }
    }
    BitBlt(backdrop.shown.dc, 0, 0, width, height, frame.dc, 0, 0, SRCCOPY);
    frame.Release();
}

void ReleaseStringBackdrop() {
    stringBackdrop.background.Release();
    stringBackdrop.shown.Release();
    stringBackdrop.window = nullptr;
}

void PaintString() {
    if (!iconsLoaded) return;
    HWND window = DrawingWindow();
    if (window != stringBackdrop.window) {
        ReleaseStringBackdrop();
        stringBackdrop.window = window;
    }
    HDC dc = GetDC(window);
    if (!dc) return;
    const RECT strip = {0, 0, lightString.bulbCount * kBulbSize, kBulbSize};
    PaintStrip(dc, strip, lightString.bulbs, lightString.bulbCount, stringBackdrop, settings.NoFlicker != 0);
    ReleaseDC(window, dc);
}
