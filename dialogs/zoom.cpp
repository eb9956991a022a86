// The zoom animation: a turning outline that grows onto a dialog as it opens, and a
// trail of shrinking outlines as it closes. Drawn inverted, so the screen is left as it was.
#include "dialogs/zoom.h"

#include <mmsystem.h>

#include <algorithm>
#include <cmath>

#include "app/settings.h"

unsigned zoomAnimationsRun = 0;

namespace {

constexpr double kRadiansPerDegree = 3.1415926 / 180;
constexpr int kHalfTurnDegrees = 180;

// A device context for the whole screen with the null brush selected; the previous
// brush is put back and the context deleted when it goes out of scope.
class ScreenDc {
public:
    ScreenDc() : dc_(CreateDCA("DISPLAY", nullptr, nullptr, nullptr)) {
        if (dc_) previousBrush_ = SelectObject(dc_, GetStockObject(NULL_BRUSH));
    }
    ~ScreenDc() {
        if (!dc_) return;
        SelectObject(dc_, previousBrush_);
        DeleteDC(dc_);
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ previousBrush_ = nullptr;
};

// One outline: the current rectangle (held as floats) turned by `degrees` about its centre.
ZoomOutline TurnedOutline(float left, float top, float right, float bottom, int degrees) {
    const int cx = static_cast<int>((left + right) * 0.5);
    const int cy = static_cast<int>((top + bottom) * 0.5);
    const int xL = static_cast<int>(cx - left);
    const int xR = static_cast<int>(cx - right);
    const int yT = static_cast<int>(cy - top);
    const int yB = static_cast<int>(cy - bottom);
    const double a = degrees * kRadiansPerDegree;
    const double c = std::cos(a), s = std::sin(a);
    auto corner = [&](int x, int y) {
        return POINT{cx + static_cast<LONG>(x * c + y * s), cy + static_cast<LONG>(y * c - x * s)};
    };
    return ZoomOutline{{corner(xL, yT), corner(xR, yT), corner(xR, yB), corner(xL, yB)}};
}

void DrawFocusFrame(HDC dc, const RECT& frame) {
    DrawFocusRect(dc, &frame);
}

// Ends one frame: puts what was drawn on the screen now, then holds it there.
// Some display drivers (Wine's X11 driver among them) queue screen drawing until
// something reads the screen back, which would show the whole animation at its
// end, already erased; reading one pixel sends the queue out. GdiFlush does not.
void ShowFrame(HDC dc) {
    GetPixel(dc, 0, 0);
    DelayMs(kZoomFrameDelayMs);
}

}  // namespace

std::vector<ZoomOutline> ZoomOpenFrames(const RECT& from, const RECT& to, int steps, int direction) {
    std::vector<ZoomOutline> frames;
    // Fewer than one step would divide by zero; there is then nothing to animate.
    if (steps < 1) return frames;
    const float dL = static_cast<float>(to.left - from.left) / steps;
    const float dT = static_cast<float>(to.top - from.top) / steps;
    const float dR = static_cast<float>(to.right - from.right) / steps;
    const float dB = static_cast<float>(to.bottom - from.bottom) / steps;
    float left = static_cast<float>(from.left), top = static_cast<float>(from.top);
    float right = static_cast<float>(from.right), bottom = static_cast<float>(from.bottom);
    frames.reserve(static_cast<size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        int degrees = kHalfTurnDegrees * i / steps;
        if (direction) degrees = -degrees;
        frames.push_back(TurnedOutline(left, top, right, bottom, degrees));
        left += dL;
        top += dT;
        right += dR;
        bottom += dB;
    }
    return frames;
}

RECT ZoomCloseFrame(const RECT& window, int steps, int k) {
    const LONG mx = (window.left + window.right) / 2;
    const LONG my = (window.top + window.bottom) / 2;
    const float t = 1.0f - static_cast<float>(k) / static_cast<float>(steps);
    auto between = [t](LONG edge, LONG middle) { return static_cast<LONG>(edge * t + middle * (1 - t)); };
    return RECT{between(window.left, mx), between(window.top, my), between(window.right, mx),
                between(window.bottom, my)};
}

void DrawZoomOutline(HDC dc, const ZoomOutline& outline) {
    const POINT closed[5] = {outline.corner[0], outline.corner[1], outline.corner[2], outline.corner[3],
                             outline.corner[0]};
    const int previousMode = SetROP2(dc, R2_NOT);
    Polyline(dc, closed, 5);
    SetROP2(dc, previousMode);
}

void DelayMs(DWORD ms) {
    const DWORD start = timeGetTime();
    while (timeGetTime() - start < ms) {
    }
}

void ZoomOpen(const RECT& from, const RECT& to, int steps, int direction) {
    const std::vector<ZoomOutline> frames = ZoomOpenFrames(from, to, steps, direction);
    if (frames.empty()) return;
    ++zoomAnimationsRun;
    // Keep every other window from painting between an outline and its erasure. Only a
    // lock taken here is released here.
    const bool locked = LockWindowUpdate(GetDesktopWindow()) != FALSE;
    {
        ScreenDc screen;
        if (HDC dc = screen.get()) {
            for (size_t i = 0; i < frames.size(); ++i) {
                DrawZoomOutline(dc, frames[i]);
                if (i > 0) DrawZoomOutline(dc, frames[i - 1]);
                if (i + 1 == frames.size()) DrawZoomOutline(dc, frames[i]);
                ShowFrame(dc);
            }
        }
    }
    if (locked) LockWindowUpdate(nullptr);
}

void ZoomClose(HWND window, int steps) {
    if (steps < 1) return;
    ++zoomAnimationsRun;
    ScreenDc screen;
    HDC dc = screen.get();
    if (!dc) return;
    RECT r;
    GetWindowRect(window, &r);
    // A trail of outlines: each frame is drawn once and erased once, the erasure
    // lagging the drawing by the length of the trail.
    const int lead = std::min(kZoomCloseTrail, steps + 1);
    for (int k = 0; k < lead; ++k) {
        DrawFocusFrame(dc, ZoomCloseFrame(r, steps, k));
        ShowFrame(dc);
    }
    int erased = 0;
    for (; erased + kZoomCloseTrail <= steps; ++erased) {
        DrawFocusFrame(dc, ZoomCloseFrame(r, steps, erased));
        DrawFocusFrame(dc, ZoomCloseFrame(r, steps, erased + kZoomCloseTrail));
        ShowFrame(dc);
    }
    for (; erased <= steps; ++erased) {
        DrawFocusFrame(dc, ZoomCloseFrame(r, steps, erased));
        ShowFrame(dc);
    }
}

void ZoomDialogOpen(HWND dialog) {
    if (!settings.Zoom) return;
    POINT pointer;
    GetCursorPos(&pointer);
    const RECT square{pointer.x - kZoomPointerHalfWidth, pointer.y - kZoomPointerHalfWidth,
                      pointer.x + kZoomPointerHalfWidth, pointer.y + kZoomPointerHalfWidth};
    RECT target;
    GetWindowRect(dialog, &target);
    ZoomOpen(square, target, kZoomSteps, 1);
}

void ZoomDialogClose(HWND dialog) {
    if (settings.Zoom) ZoomClose(dialog, kZoomSteps);
}
