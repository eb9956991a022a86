// Helpers for the tray and taskbar-window tests: a stand-in main window that records what
// reaches it, menu reading, a second application bar, window geometry.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/app.h"

namespace shelltest {

struct MenuItem {
    UINT id;  // 0 for a separator
    UINT state;
};
inline std::vector<MenuItem> ReadMenu(HMENU menu) {
    std::vector<MenuItem> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        items.push_back({GetMenuItemID(menu, i), GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION)});
    return items;
}

inline HWND MakeWindow(const char* cls, WNDPROC proc) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = appInstance;
    wc.lpszClassName = cls;
    RegisterClassA(&wc);  // fails harmlessly once registered
    return CreateWindowExA(WS_EX_TOOLWINDOW, cls, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, appInstance, nullptr);
}

// A hidden window that records the commands and closes it receives. A popup menu it owns
// is read when it opens, then closed by typing `menuKey` (a mnemonic), or Escape when 0.
struct Recorder {
    Recorder() : hwnd(MakeWindow("lmkShellTestRecorder", Proc)) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~Recorder() { DestroyWindow(hwnd); }
    static LRESULT CALLBACK Proc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<Recorder*>(GetWindowLongPtrA(w, GWLP_USERDATA));
        if (!self) return DefWindowProcA(w, message, wParam, lParam);
        switch (message) {
        case WM_COMMAND: return self->commands.push_back(wParam), 0;
        case WM_SYSCOMMAND: return self->sysCommands.push_back(wParam), 0;
        case WM_CLOSE: return ++self->closes, 0;
        case WM_INITMENUPOPUP:
            self->menus.push_back(ReadMenu(reinterpret_cast<HMENU>(wParam)));
            if (self->menuKey) PostMessageA(w, WM_CHAR, static_cast<WPARAM>(self->menuKey), 0);
            return PostMessageA(w, WM_KEYDOWN, VK_ESCAPE, 0), 0;
        }
        return DefWindowProcA(w, message, wParam, lParam);
    }
    HWND hwnd;
    std::vector<WPARAM> commands, sysCommands;
    int closes = 0;
    std::vector<std::vector<MenuItem>> menus;
    char menuKey = 0;
};

inline RECT ScreenRect() { return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

// Another application bar, registered with the shell by the test.
struct ProbeBar {
    ProbeBar() : hwnd(MakeWindow("lmkShellTestProbe", DefWindowProcA)) { Send(ABM_NEW, 0, nullptr); }
    ~ProbeBar() {
        Send(ABM_REMOVE, 0, nullptr);
        DestroyWindow(hwnd);
    }
    UINT_PTR Send(DWORD message, int edge, RECT* rect) {
        APPBARDATA data{};
        data.cbSize = sizeof data;
        data.hWnd = hwnd;
        data.uCallbackMessage = WM_APP + 77;
        data.uEdge = static_cast<UINT>(edge);
        if (rect) data.rc = *rect;
        UINT_PTR result = SHAppBarMessage(message, &data);
        if (rect) *rect = data.rc;
        return result;
    }
    // Top of the rectangle the shell offers this bar at the top of the screen.
    LONG QueryTop() {
        RECT r = ScreenRect();
        Send(ABM_QUERYPOS, ABE_TOP, &r);
        return r.top;
    }
    HWND hwnd;
};

inline RECT WindowRect(HWND window) { RECT r{}; return GetWindowRect(window, &r), r; }
inline bool IsTopmost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
// True when `a` lies above `b` among the top-level windows.
inline bool IsAbove(HWND a, HWND b) {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT))
        if (w == a || w == b) return w == a;
    return false;
}
// Whether the shell knows this icon (it accepts a change to it).
inline bool ShellHasIcon(HWND window, UINT id) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = id;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}
// Dispatches what is queued; true when a WM_QUIT was among it.
inline bool PumpSawQuit() {
    bool quit = false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) quit = true;
        else DispatchMessageA(&msg);
    }
    return quit;
}

}  // namespace shelltest

inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
inline std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
