// The saver window's procedure: effect frames on its timer, the message and title,
// and the input that ends the saver.
#include <windowsx.h>

#include "app/app.h"
#include "app/settings.h"
#include "saver/saver.h"
#include "saver/saver_draw.h"
#include "saver/saver_effect_table.h"

namespace {

bool HasMessage() { return settings.SSMsg[0] != '\0'; }

// The effect set up when the window opened. SSType may change while the saver runs (the
// Options dialog's Test button, or Cancel reloading the file); frames must keep going to
// the effect that was reset, or they would draw from state that was never set up.
int runningType = -1;

LRESULT OnCreate(HWND window) {
    runningType = settings.SSType;
    if (const SaverEffect* effect = SaverEffectFor(runningType)) effect->Reset();
    SetTimer(window, kSaverTimerId, kSaverFrameMs, nullptr);
    GetCursorPos(&saverStartCursor);
    return 1;
}

// A window that goes without StopSaver (closed with Alt+F4, say) still ends the saver,
// or the saver could never start again.
LRESULT OnDestroy(HWND window) {
    KillTimer(window, kSaverTimerId);
    if (window == saverWindow) {
        saverWindow = nullptr;
        StopSaver();
    }
    return 1;
}

// Falling Snow shows its message once, on the bottom edge, so snow can settle on it;
// it comes back only when the window is repainted.
LRESULT OnPaint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    if (runningType == kSaverTypeSnow && HasMessage())
        DrawSaverMessage(dc, client, bigFont, settings.SSMsg, SaverMessagePlace::Bottom);
    DrawSaverTitle(window, dc);
    EndPaint(window, &ps);
    return 1;
}

// Every other effect erases with black, so its message is painted over each frame.
LRESULT OnTimer(HWND window) {
    if (const SaverEffect* effect = SaverEffectFor(runningType)) effect->Frame(window);
    HDC dc = GetDC(window);
    RECT client;
    GetClientRect(window, &client);
    if (runningType != kSaverTypeSnow && HasMessage())
        DrawSaverMessage(dc, client, bigFont, settings.SSMsg, SaverMessagePlace::Centre);
    DrawSaverTitle(window, dc);
    ReleaseDC(window, dc);
    return 1;
}

// The pointer may rest anywhere in a 20 x 20 box around where it stood at the start;
// the window sits at (0, 0), so its coordinates are screen coordinates.
LRESULT OnMouseMove(LPARAM lParam) {
    if (!settings.SSMouseMove) return 1;
    const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const RECT box = {saverStartCursor.x - kSaverMouseSlack, saverStartCursor.y - kSaverMouseSlack,
                      saverStartCursor.x + kSaverMouseSlack, saverStartCursor.y + kSaverMouseSlack};
    if (!PtInRect(&box, at)) StopSaver();
    return 1;
}

LRESULT OnButtonDown() {
    if (settings.SSMouseClick) StopSaver();
    return 1;
}

// Keeps the system's own screen saver from starting over this one.
LRESULT OnSysCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    if ((wParam & 0xFFF0) == SC_SCREENSAVE && settings.IgnoreWinSS) return 1;
    return DefWindowProcA(window, WM_SYSCOMMAND, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK SaverWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(window);
    case WM_DESTROY:
        return OnDestroy(window);
    case WM_PAINT:
        return OnPaint(window);
    case WM_TIMER:
        return OnTimer(window);
    case WM_MOUSEMOVE:
        return OnMouseMove(lParam);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        return OnButtonDown();
    case WM_KEYDOWN:
    case WM_KEYUP:
        StopSaver();
        return 1;
    case WM_SYSCOMMAND:
        return OnSysCommand(window, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
