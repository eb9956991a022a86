// Wiping stale bulbs: repainting the desktop and the taskbar.
#include "app/app.h"
#include "lights/light_string.h"

void RefreshDesktop() {
    InvalidateRect(desktopWindow, nullptr, TRUE);
    UpdateWindow(desktopWindow);
    HWND desktop = GetDesktopWindow();
    InvalidateRect(desktop, nullptr, TRUE);
    UpdateWindow(desktop);
}

void RefreshTaskbar() {
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (!taskbar) return;
    InvalidateRect(taskbar, nullptr, TRUE);
    UpdateWindow(taskbar);
}
