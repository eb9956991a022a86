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

namespace {

// Draws the opening outlines in turn, each erased when the next is shown, the last erased too.
void DrawOpenFrames(const std::vector<ZoomOutline>& frames) {
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

bool Holds(const std::vector<int>& frames, int k) { return std::find(frames.begin(), frames.end(), k) != frames.end(); }

}  // namespace

void ZoomOpen(const RECT& from, const RECT& to, int steps, int direction) {
    DrawOpenFrames(ZoomOpenFrames(from, to, steps, direction));
}

std::vector<std::vector<int>> ZoomCloseTrail(int steps) {
    std::vector<std::vector<int>> waits;
    for (int wait = 0; steps >= 1 && wait <= steps + kZoomCloseTrail; ++wait) {
        std::vector<int> shown;
        for (int k = std::max(0, wait - kZoomCloseTrail + 1); k <= std::min(wait, steps); ++k) shown.push_back(k);
        if (waits.empty() || waits.back() != shown) waits.push_back(shown);
    }
    return waits;
}

void ZoomClose(HWND window, int steps) {
    const std::vector<std::vector<int>> trail = ZoomCloseTrail(steps);
    if (trail.empty()) return;
    ++zoomAnimationsRun;
    ScreenDc screen;
    HDC dc = screen.get();
    if (!dc) return;
    RECT r;
    GetWindowRect(window, &r);
    // Each outline is drawn when it joins the trail and drawn again, which erases it, when
    // it leaves; the oldest goes before the newest comes.
    std::vector<int> shown;
    for (const std::vector<int>& now : trail) {
        for (int k : shown)
            if (!Holds(now, k)) DrawFocusFrame(dc, ZoomCloseFrame(r, steps, k));
        for (int k : now)
            if (!Holds(shown, k)) DrawFocusFrame(dc, ZoomCloseFrame(r, steps, k));
        shown = now;
        ShowFrame(dc);
    }
}

std::vector<ZoomOutline> ZoomDialogOpenFrames(HWND dialog) {
    POINT pointer;
    GetCursorPos(&pointer);
    const RECT square{pointer.x - kZoomPointerHalfWidth, pointer.y - kZoomPointerHalfWidth,
                      pointer.x + kZoomPointerHalfWidth, pointer.y + kZoomPointerHalfWidth};
    RECT target;
    GetWindowRect(dialog, &target);
    return ZoomOpenFrames(square, target, kZoomSteps, 1);
}

void ZoomDialogOpen(HWND dialog) {
    if (settings.Zoom) DrawOpenFrames(ZoomDialogOpenFrames(dialog));
}

void ZoomDialogClose(HWND dialog) {
    if (settings.Zoom) ZoomClose(dialog, kZoomSteps);
}
