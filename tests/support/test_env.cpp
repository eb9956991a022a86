// Helpers for the in-process unit tests: a clean settings file, a started spine, pixels.
#include "support/test_env.h"

#include <fstream>
#include <sstream>

#include "app/app.h"
#include "app/settings.h"

namespace testenv {

std::string IniPath() { return SettingsFilePath(); }

void RemoveIni() {
    // Flush Wine's/Windows' cached copy of the file before deleting it.
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

COLORREF ScreenPixel(int x, int y) {
    HDC dc = GetDC(nullptr);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(nullptr, dc);
    return c;
}

COLORREF WindowPixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
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

}  // namespace testenv
