// Painting the string into its drawing window.
#include "lights/string_paint.h"

#include "app/settings.h"
#include "lights/bulb_catalogue.h"

namespace {

void DrawBulb(HDC dc, const Bulb& bulb, int dx, int dy) {
    HICON icon = bulb.icon[bulb.lit ? 1 : 0];
    if (icon) DrawIconEx(dc, bulb.x + dx, bulb.y + dy, icon, kBulbSize, kBulbSize, 0, nullptr, DI_NORMAL);
}

}  // namespace

void DrawBulbs(HDC dc, const Bulb* bulbs, LONG count) {
    for (LONG i = 0; i < count; ++i) DrawBulb(dc, bulbs[i], 0, 0);
}

void DrawBulbsOffscreen(HDC dc, const RECT& strip, const Bulb* bulbs, LONG count) {
    const int width = strip.right - strip.left;
    const int height = strip.bottom - strip.top;
    if (width <= 0 || height <= 0) return;
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    // What lies under the bulbs stays their background.
    BitBlt(memory, 0, 0, width, height, dc, strip.left, strip.top, SRCCOPY);
    for (LONG i = 0; i < count; ++i) DrawBulb(memory, bulbs[i], -strip.left, -strip.top);
    BitBlt(dc, strip.left, strip.top, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

void PaintString() {
    if (!iconsLoaded) return;
    HWND window = DrawingWindow();
    HDC dc = GetDC(window);
    if (!dc) return;
    const LONG count = lightString.bulbCount;
    if (settings.NoFlicker) {
        const RECT strip = {0, 0, count * kBulbSize, kBulbSize};
        DrawBulbsOffscreen(dc, strip, lightString.bulbs, count);
    } else {
        DrawBulbs(dc, lightString.bulbs, count);
    }
    ReleaseDC(window, dc);
}
