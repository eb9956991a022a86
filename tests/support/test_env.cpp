// Helpers for the in-process unit tests: the settings file, a started spine, windows, menus, pixels.
#include "support/test_env.h"

#include <fstream>
#include <sstream>

#include "app/app.h"
#include "app/settings.h"
#include "dialogs/options_dlg.h"

namespace testenv {

std::string IniPath() { return SettingsFilePath(); }

void RemoveIni() {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, IniPath().c_str());
    DeleteFileA(IniPath().c_str());
}

void WriteIni(const char* section, const char* key, const char* value) {
    WritePrivateProfileStringA(section, key, value, IniPath().c_str());
}

std::string ReadIni(const char* section, const char* key, const char* fallback) {
    char buffer[1024];
    GetPrivateProfileStringA(section, key, fallback, buffer, sizeof buffer, IniPath().c_str());
    return buffer;
}

std::string IniText() {
    std::ifstream in(IniPath(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void Pump(DWORD ms) {
    DWORD start = GetTickCount();
    MSG msg;
    do {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (ms) Sleep(5);
    } while (GetTickCount() - start < ms);
}

COLORREF WindowPixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

COLORREF ClassBrushColour(HWND window) {
    LOGBRUSH brush{};
    GetObjectA(reinterpret_cast<HBRUSH>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND)), sizeof brush, &brush);
    return brush.lbColor;
}

HWND MakeWindow(const char* cls, DWORD style, RECT at, WNDPROC proc, DWORD exStyle, HBRUSH background, HWND parent,
                int id) {
    WNDCLASSA wc{0, proc, 0, 0, GetModuleHandleA(nullptr), nullptr, nullptr, background, nullptr, cls};
    if ((!proc || !RegisterClassA(&wc)) && background) DeleteObject(background);   // registered before
    return CreateWindowExA(exStyle, cls, "", style, at.left, at.top, at.right - at.left, at.bottom - at.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), wc.hInstance, nullptr);
}

std::vector<std::string> MenuItems(HMENU menu, int first) {
    std::vector<std::string> items;
    for (int i = first; i < GetMenuItemCount(menu); ++i) {
        const UINT state = GetMenuState(menu, i, MF_BYPOSITION);
        char text[64] = "";
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        items.push_back(state & MF_SEPARATOR ? "-" : std::to_string(GetMenuItemID(menu, i)) + " " + text +
                        (state & MF_GRAYED ? " grey" : "") + (state & MF_CHECKED ? " checked" : ""));
    }
    return items;
}

Spine::Spine(std::initializer_list<std::pair<const char*, const char*>> extra) {
    RemoveIni();
    WriteIni(kSettingsSection, "WarnMusic", "0");
    WriteIni(kSettingsSection, "StartOptions", "0");
    for (const auto& kv : extra) WriteIni(kSettingsSection, kv.first, kv.second);
    appInstance = GetModuleHandleA(nullptr);
    CreateMainClass(appInstance);   // already registered on later runs: harmless
    ok_ = InitInstance(appInstance, SW_HIDE) == 1;
}

Spine::~Spine() {
    if (mainWindow && IsWindow(mainWindow)) SendMessageA(mainWindow, WM_CLOSE, 0, 0);
    mainWindow = nullptr;
    // Drain what the shut-down left behind, including its WM_QUIT.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    RemoveIni();
}

namespace {
BoxAnswerer* answerer = nullptr;
}

BoxAnswerer::BoxAnswerer()
    : timer_(SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK {
          HWND box = GetActiveWindow();
          if (!answerer || !box || box == optionsDialog || box == answerer->keep) return;
          if (!IsWindowVisible(box) || !IsWindowEnabled(box)) return;
          char caption[128] = "";
          char text[256] = "";
          GetWindowTextA(box, caption, sizeof caption);
          GetDlgItemTextA(box, 0xFFFF, text, sizeof text);   // a message box's text
          answerer->seen.push_back(std::string(caption) + "|" + text);
          if (answerer->tick) CheckDlgButton(box, answerer->tick, BST_CHECKED);
          EnableWindow(box, FALSE);   // answered once; the OK below ends it
          PostMessageA(box, WM_COMMAND, IDOK, 0);
      })) {
    answerer = this;
}

BoxAnswerer::~BoxAnswerer() {
    KillTimer(nullptr, timer_);
    answerer = nullptr;
}

}  // namespace testenv
