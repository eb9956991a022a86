// The zoom animation: a turning outline that grows onto a dialog as it opens, and a
// trail of shrinking outlines as it closes. Drawn inverted, so the screen is left as it was.
#pragma once
#include <windows.h>

#include <vector>

constexpr int kZoomSteps = 18;              // frames after the first, at every call site
constexpr DWORD kZoomFrameDelayMs = 50;     // each frame stays this long
constexpr int kZoomPointerHalfWidth = 4;    // the opening starts from an 8 x 8 square
constexpr int kZoomCloseTrail = 3;          // closing outlines visible at once

// One outline of the opening animation: its four corners, drawn as a closed line.
struct ZoomOutline {
    POINT corner[4];
};

// The steps + 1 outlines of the opening animation from `from` to `to`, turning half a
// revolution on the way (clockwise on the screen when direction is non-zero).
// Fewer than one step gives no outlines.
std::vector<ZoomOutline> ZoomOpenFrames(const RECT& from, const RECT& to, int steps, int direction);
// Outline k (0..steps) of the closing animation over `window`: k = 0 is the window
// itself, k = steps its centre point.
RECT ZoomCloseFrame(const RECT& window, int steps, int k);

// Which closing outlines (k as in ZoomCloseFrame) are on the screen during each wait of the
// closing animation: a trail that grows to kZoomCloseTrail outlines, moves inward and drains
// away, each outline drawn once and erased once. Fewer than one step gives no waits.
std::vector<std::vector<int>> ZoomCloseTrail(int steps);

// The opening animation, drawn straight onto the screen with updates locked.
void ZoomOpen(const RECT& from, const RECT& to, int steps, int direction);
// The closing animation over the window's current place on the screen.
void ZoomClose(HWND window, int steps);

// Draws one opening outline inverted; drawing it again restores the pixels.
void DrawZoomOutline(HDC dc, const ZoomOutline& outline);
// Busy-waits on timeGetTime: the animation neither sleeps nor handles messages.
void DelayMs(DWORD ms);

// How dialogs use the animation, both only while the Zoom setting is on.
// Call ZoomDialogOpen in WM_INITDIALOG after centring (it grows from the pointer),
// ZoomDialogClose before EndDialog while the dialog is still shown.
void ZoomDialogOpen(HWND dialog);
// The outlines ZoomDialogOpen draws: from the square around the pointer to the dialog's frame.
std::vector<ZoomOutline> ZoomDialogOpenFrames(HWND dialog);
void ZoomDialogClose(HWND dialog);

// Animations run so far (opening and closing), so callers can tell whether one ran.
extern unsigned zoomAnimationsRun;
