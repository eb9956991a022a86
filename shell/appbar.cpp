// The own taskbar window: its class, its creation and registration with the shell.
#include "shell/appbar.h"

#include "app/commands.h"

AppBar appBar{};

namespace {

// Registered once per process, on the first creation of the bar.
bool RegisterAppBarClass(HINSTANCE instance) {
    static ATOM atom = 0;
    if (atom) return true;
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = AppBarWndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = GetSysColorBrush(COLOR_BACKGROUND);
    wc.lpszClassName = kAppBarClassName;
    atom = RegisterClassA(&wc);
    return atom != 0;
}

void ResetDock() {
    appBar.dock.side = kSideTop;
    appBar.dock.autoHide = false;
    appBar.dock.alwaysOnTop = false;
    for (int& t : appBar.dock.thickness) t = kAppBarThickness;
    SetRectEmpty(&appBar.dock.floatRect);
    appBar.hidden = false;
    appBar.menuOpen = false;
}

}  // namespace

UINT_PTR AppBarMessage(DWORD message, int edge, LPARAM lParam, RECT* rect) {
    APPBARDATA data{};
    data.cbSize = sizeof data;
    data.hWnd = appBar.window;
    data.uCallbackMessage = WM_APPBARNOTIFY;
    data.uEdge = static_cast<UINT>(edge);
    if (rect) data.rc = *rect;
    data.lParam = lParam;
    UINT_PTR result = SHAppBarMessage(message, &data);
    if (rect) *rect = data.rc;
    return result;
}

HWND AppBarCreate(HINSTANCE instance) {
    // One bar per process: a second request gets the bar that is already there.
    if (appBar.window && IsWindow(appBar.window)) return appBar.window;
    if (!RegisterAppBarClass(instance)) return nullptr;
    HWND window = CreateWindowExA(0, kAppBarClassName, "", WS_CHILD, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                                  kAppBarThickness, GetDesktopWindow(), nullptr, instance, nullptr);
    if (!window) return nullptr;
    appBar.window = window;
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);

    ResetDock();
    appBar.taskbarState = AppBarMessage(ABM_GETSTATE, kSideNone, 0, nullptr);
    appBar.fullScreen = false;
    SetTimer(window, kAppBarTimerId, kAppBarTimerMs, nullptr);
    AppBarMessage(ABM_NEW, kSideTop, 0, nullptr);
    appBar.dock.alwaysOnTop = true;
    // Claim the strip now: left unclaimed until the shell next reports a change, the
    // bar would lie over a taskbar at the top and maximised windows would slide under it.
    AppBarSetSide(kSideTop);
    return window;
}
