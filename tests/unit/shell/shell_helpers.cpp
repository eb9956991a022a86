// Helpers for the tray and taskbar-window tests.
#include "shell_helpers.h"

#include <ostream>

#include "app/app.h"

namespace shelltest {

namespace {

LRESULT CALLBACK RecorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Recorder*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_COMMAND:
        self->commands.push_back(wParam);
        return 0;
    case WM_SYSCOMMAND:
        self->sysCommands.push_back(wParam);
        return 0;
    case WM_CLOSE:
        ++self->closes;
        return 0;
    case WM_INITMENUPOPUP:
        self->menus.push_back(ReadMenu(reinterpret_cast<HMENU>(wParam)));
        if (self->menuKey) PostMessageA(window, WM_CHAR, static_cast<WPARAM>(self->menuKey), 0);
        PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeWindow(const char* cls, WNDPROC proc) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = appInstance;
    wc.lpszClassName = cls;
    RegisterClassA(&wc);   // fails harmlessly once registered
    return CreateWindowExA(WS_EX_TOOLWINDOW, cls, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, appInstance, nullptr);
}

}  // namespace

std::vector<MenuItem> ReadMenu(HMENU menu) {
    std::vector<MenuItem> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = "";
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        items.push_back({GetMenuItemID(menu, i), text, GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION)});
    }
    return items;
}

Recorder::Recorder() : hwnd(MakeWindow("lmkShellTestRecorder", RecorderProc)) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

ProbeBar::ProbeBar() : hwnd(MakeWindow("lmkShellTestProbe", DefWindowProcA)) { Send(ABM_NEW, 0, nullptr); }

ProbeBar::~ProbeBar() {
    Send(ABM_REMOVE, 0, nullptr);
    DestroyWindow(hwnd);
}

UINT_PTR ProbeBar::Send(DWORD message, int edge, RECT* rect) {
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

LONG ProbeBar::QueryTop() {
    RECT r = ScreenRect();
    Send(ABM_QUERYPOS, ABE_TOP, &r);
    return r.top;
}

RECT ScreenRect() { return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

bool IsTopmost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

bool IsAbove(HWND a, HWND b) {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT))
        if (w == a || w == b) return w == a;
    return false;
}

bool ShellHasIcon(HWND window, UINT id) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = id;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

bool PumpSawQuit() {
    bool quit = false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) quit = true;
        else DispatchMessageA(&msg);
    }
    return quit;
}

}  // namespace shelltest

bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
