// Painting the string into its drawing window, composing only the cells that need it.
#include "lights/string_paint.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "app/settings.h"
#include "lights/bulb_catalogue.h"
#include "lights/bulb_icons.h"

namespace {

// The one backdrop of the program's string.
StringBackdrop stringBackdrop;

HICON IconOf(const Bulb& bulb) { return bulb.icon[bulb.lit ? 1 : 0]; }

void DrawBulb(HDC dc, const Bulb& bulb, int dx, int dy) {
    if (HICON icon = IconOf(bulb))
        DrawIconEx(dc, bulb.x + dx, bulb.y + dy, icon, kBulbSize, kBulbSize, 0, nullptr, DI_NORMAL);
}

enum class Backdrop { Kept, Fresh, Missing };

// Makes sure the backdrop has copies of this size. Fresh: they were made anew, and
// nothing is known yet of what they should hold; Missing: they cannot be made.
Backdrop PrepareBackdrop(HDC dc, StringBackdrop& backdrop, int width, int height) {
    if (backdrop.background.bits && backdrop.background.width == width && backdrop.background.height == height)
        return Backdrop::Kept;
    // New copies keep whose window and which icon set they serve; only their pixels are new.
    const HWND window = backdrop.window;
    const int iconSet = backdrop.iconSet;
    auto startAfresh = [&] {
        ReleaseBackdrop(backdrop);
        backdrop.window = window;
        backdrop.iconSet = iconSet;
    };
    startAfresh();
    if (!backdrop.background.Create(dc, width, height) || !backdrop.shown.Create(dc, width, height) ||
        !backdrop.other.Create(dc, width, height) || !backdrop.seen.Create(dc, width, height)) {
        startAfresh();
        return Backdrop::Missing;
    }
    // A window of fewer colours (16 or 256 on many Windows 95 screens) gives back other
    // values than the ones written: without this, our own pixels would look like someone
    // else's at the next read.
    if (backdrop.windowFormat.CreateLike(dc, width, height) >= 24) backdrop.windowFormat.Release();
    return Backdrop::Fresh;
}

void CopyWhole(StripBitmap& to, const StripBitmap& from) {
    std::memcpy(to.bits, from.bits, static_cast<size_t>(to.width) * to.height * sizeof(DWORD));
}

// Writes cells first to last of `from` to their places in `strip` of the DC.
void Blit(HDC to, const RECT& strip, const StripBitmap& from, int first, int last) {
    const int x = first * kBulbSize;
    BitBlt(to, strip.left + x, strip.top, (last - first + 1) * kBulbSize, from.height, from.dc, x, 0, SRCCOPY);
}

enum class CellWork { Keep, Exchange, Compose };

// Decides what each cell needs, taking into the background what others drew there.
void PlanCells(StringBackdrop& backdrop, const Bulb* bulbs, int cells, bool fresh, CellWork* work) {
    for (int i = 0; i < cells; ++i) {
        const HICON icon = IconOf(bulbs[i]);
        if (fresh || backdrop.background.TakeChangedPixels(backdrop.seen, backdrop.shown, i)) {
            backdrop.otherIcon[i] = nullptr;   // it lies over a background that has changed
            work[i] = CellWork::Compose;
        } else if (icon == backdrop.drawn[i]) {
            work[i] = CellWork::Keep;
        } else if (icon == backdrop.otherIcon[i]) {
            work[i] = CellWork::Exchange;
        } else {
            backdrop.other.CopyCellFrom(backdrop.shown, i);
            backdrop.otherIcon[i] = backdrop.drawn[i];
            work[i] = CellWork::Compose;
        }
    }
}

// Brings `shown` up to date: exchanged cells from `other`, composed cells drawn afresh,
// each bulb over its background.
void MakeCells(StringBackdrop& backdrop, const RECT& strip, const Bulb* bulbs, const CellWork* work, int cells) {
    int first = -1, last = -1;
    for (int i = 0; i < cells; ++i) {
        if (work[i] == CellWork::Exchange) {
            backdrop.shown.SwapCellWith(backdrop.other, i);
            std::swap(backdrop.drawn[i], backdrop.otherIcon[i]);
        } else if (work[i] == CellWork::Compose) {
            backdrop.shown.CopyCellFrom(backdrop.background, i);
            DrawBulb(backdrop.shown.dc, bulbs[i], -strip.left, -strip.top);
            backdrop.drawn[i] = IconOf(bulbs[i]);
            if (first < 0) first = i;
            last = i;
        }
    }
    if (first >= 0 && backdrop.windowFormat.dc) {
        const StripBitmap& shown = backdrop.shown;
        const int x = first * kBulbSize, w = (last - first + 1) * kBulbSize;
        BitBlt(backdrop.windowFormat.dc, x, 0, w, shown.height, shown.dc, x, 0, SRCCOPY);
        BitBlt(shown.dc, x, 0, w, shown.height, backdrop.windowFormat.dc, x, 0, SRCCOPY);
    }
    GdiFlush();
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
    const Backdrop state = PrepareBackdrop(dc, backdrop, width, height);
    if (state == Backdrop::Missing) {
        DrawBulbs(dc, bulbs, count);
        return;
    }
    const bool fresh = state == Backdrop::Fresh;
    // One read of the window; where it no longer shows what we left, someone else drew.
    BitBlt(backdrop.seen.dc, 0, 0, width, height, dc, strip.left, strip.top, SRCCOPY);
    GdiFlush();
    if (fresh) CopyWhole(backdrop.background, backdrop.seen);

    const int cells = std::min<int>(count, std::min(width / kBulbSize, kMaxBulbs));
    CellWork work[kMaxBulbs];
    PlanCells(backdrop, bulbs, cells, fresh, work);
    MakeCells(backdrop, strip, bulbs, work, cells);

    // Write what the window does not show yet, each bulb whole: offscreen in one piece,
    // otherwise each run of neighbouring cells, so that no unchanged cell is written.
    int first = -1, last = -1;
    for (int i = 0; i < cells; ++i) {
        if (work[i] == CellWork::Keep || backdrop.shown.SameCell(backdrop.seen, i)) continue;
        if (!offscreen && first >= 0 && i > last + 1) {
            Blit(dc, strip, backdrop.shown, first, last);
            first = -1;
        }
        if (first < 0) first = i;
        last = i;
    }
    if (first >= 0) Blit(dc, strip, backdrop.shown, first, last);
}

void PutBackStrip(HDC dc, const RECT& strip, StringBackdrop& backdrop) {
    StripBitmap& background = backdrop.background;
    if (!background.bits || strip.right - strip.left != background.width || strip.bottom - strip.top != background.height)
        return;
    BitBlt(backdrop.seen.dc, 0, 0, background.width, background.height, dc, strip.left, strip.top, SRCCOPY);
    GdiFlush();
    const int cells = background.width / kBulbSize;
    for (int i = 0; i < cells; ++i) background.TakeChangedPixels(backdrop.seen, backdrop.shown, i);
    BitBlt(dc, strip.left, strip.top, background.width, background.height, background.dc, 0, 0, SRCCOPY);
    // Reading a pixel back waits until the display has drawn the strip: a display
    // server drops drawing still queued when the program ends right after this.
    GetPixel(dc, strip.left, strip.top);
}

void ReleaseBackdrop(StringBackdrop& backdrop) {
    for (StripBitmap* copy : {&backdrop.background, &backdrop.shown, &backdrop.other, &backdrop.seen,
                              &backdrop.windowFormat})
        copy->Release();
    backdrop = StringBackdrop{};
}

void PaintString() {
    if (!iconsLoaded) return;
    HWND window = DrawingWindow();
    if (window != stringBackdrop.window) {
        // The string has moved (the saver window closed, say); whoever switched it put
        // the old window's pixels back if that mattered.
        ReleaseBackdrop(stringBackdrop);
        stringBackdrop.window = window;
    }
    if (stringBackdrop.iconSet != BulbIconSetSerial()) {
        // The handles drawn so far may since have been given to other pictures.
        std::fill(std::begin(stringBackdrop.drawn), std::end(stringBackdrop.drawn), nullptr);
        std::fill(std::begin(stringBackdrop.otherIcon), std::end(stringBackdrop.otherIcon), nullptr);
        stringBackdrop.iconSet = BulbIconSetSerial();
    }
    HDC dc = GetDC(window);
    if (!dc) return;
    const RECT strip = {0, 0, lightString.bulbCount * kBulbSize, kBulbSize};
    PaintStrip(dc, strip, lightString.bulbs, lightString.bulbCount, stringBackdrop, settings.NoFlicker != 0);
    ReleaseDC(window, dc);
}

void LeaveStringWindow() {
    HWND window = stringBackdrop.window;   // null: the desktop's whole screen
    if (stringBackdrop.background.bits && (!window || IsWindow(window))) {
        if (HDC dc = GetDC(window)) {
            const RECT strip = {0, 0, stringBackdrop.background.width, stringBackdrop.background.height};
            PutBackStrip(dc, strip, stringBackdrop);
            ReleaseDC(window, dc);
        }
    }
    ReleaseBackdrop(stringBackdrop);
}
