// The tray icon: its picture and tip, adding and removing it, and its mouse events.
#include "shell/tray.h"

#include <cstring>

#include "app/app.h"
#include "app/commands.h"
#include "resource.h"

HICON trayIcon = nullptr;
char trayTip[kTrayTipSize] = "";

void TrayLoadResources() {
    if (LoadStringA(appInstance, IDS_TRAY_TIP, trayTip, sizeof trayTip) <= 0) trayTip[0] = '\0';
    // The tray shows small icons: take the 16 x 16 picture of the group rather than
    // letting the shell shrink the 32 x 32 one. Shared, so the system owns it.
    trayIcon = static_cast<HICON>(LoadImageA(appInstance, "trayIcon", IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), LR_SHARED));
}

NOTIFYICONDATAA TrayRecord(HWND window, TrayAction action) {
    NOTIFYICONDATAA data{};
    // The original record with its 64-character tip; its size differs between
    // 32-bit and 64-bit builds.
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = kTrayIconId;
    data.uFlags = action == TrayAction::Add ? NIF_MESSAGE | NIF_ICON | NIF_TIP : 0;
    data.uCallbackMessage = WM_TRAYNOTIFY;
    data.hIcon = trayIcon;
    static_assert(sizeof trayTip <= sizeof data.szTip, "the tip fits the record");
    std::memcpy(data.szTip, trayTip, sizeof trayTip);
    return data;
}

BOOL TrayNotify(HWND window, TrayAction action) {
    NOTIFYICONDATAA data = TrayRecord(window, action);
    return Shell_NotifyIconA(action == TrayAction::Add ? NIM_ADD : NIM_DELETE, &data);
}

void TrayAddIcon(HWND window) { TrayNotify(window, TrayAction::Add); }

void TrayRemoveIcon(HWND window) { TrayNotify(window, TrayAction::Delete); }

void TrayOnCallback(WPARAM iconId, LPARAM mouseMessage) {
    // Only the button-down acts, so a double click opens the Options dialog once.
    if (mouseMessage == WM_LBUTTONDOWN && iconId == kTrayIconId) {
        PostMessageA(mainWindow, WM_SYSCOMMAND, kCmdOptions, 0);
    } else if (mouseMessage == WM_RBUTTONDOWN) {
        TrayShowMenu(mainWindow);
    }
}

bool TrayIsTaskbarCreated(UINT message) {
    static const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    return taskbarCreated != 0 && message == taskbarCreated;
}
