// The own taskbar window's procedure: painting, the shell's notifications and commands.
#include <windows.h>
#include <windowsx.h>

#include "app/app.h"
#include "app/commands.h"
#include "dialogs/back_color_dlg.h"
#include "lights/light_string.h"
#include "saver/saver.h"
#include "shell/appbar.h"
#include "shell/tray.h"

namespace {

LRESULT OnPaint(HWND window) {
    // The bulbs are drawn through the window's own DC, like every other flash step.
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    EndPaint(window, &ps);
    PaintString();
    return 1;
}

LRESULT OnMove() {
    PaintString();
    return 1;
}

LRESULT OnActivate(HWND window, WPARAM wParam, LPARAM lParam) {
    DefWindowProcA(window, WM_ACTIVATE, wParam, lParam);
    AppBarMessage(ABM_ACTIVATE, kSideNone, 0, nullptr);
    return 1;
}

LRESULT OnWindowPosChanged(HWND window, WPARAM wParam, LPARAM lParam) {
    DefWindowProcA(window, WM_WINDOWPOSCHANGED, wParam, lParam);
    AppBarMessage(ABM_WINDOWPOSCHANGED, kSideNone, 0, nullptr);
    return 1;
}

LRESULT OnDoubleClick() {
    ApplyOwnWindowColor();
    return 1;
}

LRESULT OnContextMenu(HWND window, LPARAM lParam) {
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (lParam == -1) {
        // From the keyboard: open the menu at the bar's lower left corner.
        RECT r;
        GetWindowRect(window, &r);
        at = POINT{r.left, r.bottom};
    }
    AppBarShowMenu(window, at);
    return 1;
}

// An auto-hidden bar slides out when the mouse touches the strip left at the edge.
LRESULT OnMouseMove() {
    if (appBar.dock.autoHide && appBar.hidden) AppBarSlide(true);
    return 0;
}

// ...and slides back once the mouse has left it (not while its menu is open).
LRESULT OnTimer(HWND window, WPARAM id) {
    if (id != kAppBarTimerId || !appBar.dock.autoHide || appBar.hidden || appBar.menuOpen) return 0;
    POINT cursor;
    RECT r;
    if (GetCursorPos(&cursor) && GetWindowRect(window, &r) && !PtInRect(&r, cursor)) AppBarSlide(false);
    return 0;
}

LRESULT OnCommand(HWND window, WPARAM wParam) {
    UpdateWindow(window);
    switch (LOWORD(wParam)) {
    case kCmdAbout:
        ShowAbout(mainWindow);
        break;
    case kCmdOptions:
        NoteActivity();
        ShowOptions(window);
        break;
    case kCmdRemoveLights:
    case kCmdBarExit:
        SendMessageA(mainWindow, WM_CLOSE, 0, 0);
        break;
    case kCmdBackColor:
        SelectBackColor();
        break;
    case kCmdBarAutoHide:
        appBar.dock.autoHide = !appBar.dock.autoHide;
        AppBarSetSide(appBar.dock.side);
        break;
    case kCmdBarOnTop:
        // Toggles what the menu's check mark shows.
        appBar.dock.alwaysOnTop = !AppBarIsOnTop();
        AppBarSetSide(appBar.dock.side);
        break;
    }
    return 1;
}

// Closing the bar ends the program, exactly as closing the main window does.
LRESULT OnClose() {
    SendMessageA(mainWindow, WM_CLOSE, 0, 0);
    return 1;
}

LRESULT OnDestroy(HWND window) {
    KillTimer(window, kAppBarTimerId);
    AppBarSetSide(kSideNone);
    appBar.window = nullptr;
    // Nothing may paint into the handle once the window is gone.
    if (ownWindow == window) ownWindow = nullptr;
    return 1;
}

LRESULT OnShellNotify(WPARAM code, LPARAM lParam) {
    switch (code) {
    case ABN_STATECHANGE:
        appBar.taskbarState = AppBarMessage(ABM_GETSTATE, kSideNone, 0, nullptr);
        break;
    case ABN_POSCHANGED:
        if (appBar.dock.side != kSideFloating && appBar.dock.side != kSideNone && !appBar.dock.autoHide)
            AppBarSetSide(appBar.dock.side);
        break;
    case ABN_FULLSCREENAPP:
        // Re-docking also drops the bar below the full-screen window, or raises it again.
        appBar.fullScreen = lParam != 0;
        AppBarSetSide(appBar.dock.side);
        break;
    case ABN_WINDOWARRANGE:
        break;
    }
    return 0;
}

// The screen changed size: span the new width (or height) again.
LRESULT OnDisplayChange(HWND window, WPARAM wParam, LPARAM lParam) {
    if (appBar.dock.side >= kSideLeft && appBar.dock.side <= kSideBottom) AppBarSetSide(appBar.dock.side);
    return DefWindowProcA(window, WM_DISPLAYCHANGE, wParam, lParam);
}

// A restarted shell has forgotten every appbar: register again and reclaim the strip.
LRESULT OnTaskbarCreated() {
    AppBarMessage(ABM_NEW, appBar.dock.side, 0, nullptr);
    AppBarSetSide(appBar.dock.side);
    return 0;
}

}  // namespace

LRESULT CALLBACK AppBarWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        return OnPaint(window);
    case WM_MOVE:
        return OnMove();
    case WM_ACTIVATE:
        return OnActivate(window, wParam, lParam);
    case WM_WINDOWPOSCHANGED:
        return OnWindowPosChanged(window, wParam, lParam);
    case WM_LBUTTONDBLCLK:
        return OnDoubleClick();
    case WM_CONTEXTMENU:
        return OnContextMenu(window, lParam);
    case WM_MOUSEMOVE:
        return OnMouseMove();
    case WM_TIMER:
        return OnTimer(window, wParam);
    case WM_COMMAND:
        return OnCommand(window, wParam);
    case WM_CLOSE:
        return OnClose();
    case WM_DESTROY:
        return OnDestroy(window);
    case WM_APPBARNOTIFY:
        return OnShellNotify(wParam, lParam);
    case WM_DISPLAYCHANGE:
        return OnDisplayChange(window, wParam, lParam);
    }
    if (TrayIsTaskbarCreated(message)) return OnTaskbarCreated();
    return DefWindowProcA(window, message, wParam, lParam);
}
