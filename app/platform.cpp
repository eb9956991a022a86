// The platform test and the single-instance rule.
#include "app/app.h"
#include "app/commands.h"

bool IsWindows95() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return false;
    return info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

bool SignalRunningInstance() {
    HWND running = FindWindowA(kMainClassName, nullptr);
    if (!running) return false;
    PostMessageA(running, WM_SYSCOMMAND, kCmdOptions, 0);
    return true;
}
