// Helpers for the tray and taskbar-window tests.
#include "shell_helpers.h"

#include <ostream>

#include "app/app.h"

namespace shelltest {

namespace {

constexpr char kRecorderClass[] = "lmkShellTestRecorder";
constexpr char kProbeClass[] = "lmkShellTestProbe";
constexpr char kPlainClass[] = "lmkShellTestPlain";
constexpr UINT kProbeCallback = WM_APP + 77;

void RegisterOnce(const char* name, WNDPROC proc) {
    WNDCLASSA wc{};
    if (GetClassInfoA(appInstance, name, &wc)) return;
    wc.lpfnWndProc = proc;
    wc.hInstance = appInstance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

}  // namespace

std::vector<MenuItem> ReadMenu(HMENU menu) {
    std::vector<MenuItem> items;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[128] = "";
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        items.push_back({info.wID, text, info.fState, (info.fType & MFT_SEPARATOR) != 0});
    }
    return items;
}

Recorder::Recorder() {
    RegisterOnce(kRecorderClass, Proc);
    hwnd_ = CreateWindowExA(0, kRecorderClass, "recorder", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                            appInstance, nullptr);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Recorder::~Recorder() { DestroyWindow(hwnd_); }

LRESULT CALLBACK Recorder::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Recorder*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self) {
        switch (message) {
        case WM_COMMAND:
            self->commands.push_back(wParam);
            return 0;
        case WM_SYSCOMMAND:
            self->sysCommands.push_back(wParam);
            self->lastSysCommandLParam = lParam;
            return 0;
        case WM_CLOSE:
            ++self->closes;
            return 0;
        case WM_INITMENUPOPUP:
            self->menusShown.push_back(ReadMenu(reinterpret_cast<HMENU>(wParam)));
            if (self->menuKey) PostMessageA(window, WM_CHAR, static_cast<WPARAM>(self->menuKey), 0);
            PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
            return 0;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

ProbeBar::ProbeBar() {
    RegisterOnce(kProbeClass, DefWindowProcA);
    hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW, kProbeClass, "probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                            appInstance, nullptr);
    Message(ABM_NEW, 0, nullptr);
}

ProbeBar::~ProbeBar() {
    Message(ABM_REMOVE, 0, nullptr);
    DestroyWindow(hwnd_);
}

UINT_PTR ProbeBar::Message(DWORD message, int edge, RECT* rect) {
    APPBARDATA data{};
    data.cbSize = sizeof data;
    data.hWnd = hwnd_;
    data.uCallbackMessage = kProbeCallback;
    data.uEdge = static_cast<UINT>(edge);
    if (rect) data.rc = *rect;
    UINT_PTR result = SHAppBarMessage(message, &data);
    if (rect) *rect = data.rc;
    return result;
}

void ProbeBar::Reserve(int edge, RECT r) { Message(ABM_SETPOS, edge, &r); }

RECT ProbeBar::Query(int edge) {
    RECT r = ScreenRect();
    Message(ABM_QUERYPOS, edge, &r);
    return r;
}

HWND CreatePlainWindow() {
    RegisterOnce(kPlainClass, DefWindowProcA);
    HWND window = CreateWindowExA(0, kPlainClass, "plain", WS_POPUP, 200, 200, 100, 100, nullptr, nullptr,
                                  appInstance, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    return window;
}

bool IsAbove(HWND a, HWND b) {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == a) return true;
        if (w == b) return false;
    }
    return false;
}

bool IsTopmost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT ScreenRect() { return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

void TypeIntoNextMenu(HWND window, char key) {
    PostMessageA(window, WM_CHAR, static_cast<WPARAM>(key), 0);
}

bool ShellHasIcon(HWND window, UINT id) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = id;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

bool PumpSawQuit(DWORD ms) {
    bool quit = false;
    const DWORD start = GetTickCount();
    MSG msg;
    do {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
    return quit;
}

}  // namespace shelltest

bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
