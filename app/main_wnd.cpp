// The main window's procedure: commands, the flash timer, tray and music notifications.
#include <windows.h>
#include <mmsystem.h>

#include "app/app.h"
#include "app/commands.h"
#include "app/settings.h"
#include "dialogs/back_color_dlg.h"
#include "dialogs/dialog_helpers.h"
#include "lights/flash_engine.h"
#include "lights/light_string.h"
#include "saver/saver.h"
#include "shell/tray.h"
#include "sound/music.h"

namespace {

void MaybeStartSaver() {
    if (settings.ScreenSaver && !saverRunning && SaverDue()) StartSaver();
}

LRESULT OnDestroy() {
    PostQuitMessage(0);
    // Repaint the desktop so the bulbs vanish with the program.
    RefreshDesktop();
    return 1;
}

LRESULT OnPaint(HWND window) {
    PaintFramedWindow(window);
    return 1;
}

LRESULT OnTimer() {
    if (settings.IdleProcess) return 1;
    FlashStep(FlashForm::Timer);
    MaybeStartSaver();
    return 1;
}

LRESULT OnInitMenu() {
    NoteActivity();
    CheckMenuItem(systemMenu, kCmdZoom, MF_BYCOMMAND | (settings.Zoom ? MF_CHECKED : MF_UNCHECKED));
    return 1;
}

LRESULT OnSysCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    switch (wParam) {
    case kCmdAbout:
        NoteActivity();
        ShowAbout(mainWindow);
        return 1;
    case kCmdOptions:
    case SC_MAXIMIZE:
    case SC_RESTORE:
    case kScRestoreDoubleClick:
        NoteActivity();
        ShowOptions(mainWindow);
        return 1;
    case kCmdHide:
        ShowWindow(mainWindow, SW_HIDE);
        return 1;
    case kCmdRemoveLights:
        PostMessageA(mainWindow, WM_CLOSE, 0, 0);
        return 1;
    case kCmdBackColor:
        SelectBackColor();
        break;
    case kCmdOnTop:
        // Any non-zero value means on, so a hand-edited 7 turns off like a 1 does.
        settings.OnTop = settings.OnTop ? 0 : 1;
        ApplyOnTop();
        SaveSettings();
        break;
    case kCmdZoom:
        settings.Zoom = 1 - settings.Zoom;
        SaveSettings();
        break;
    default:
        // Keep the system's own screen saver from starting while ours is enabled.
        if ((wParam & 0xFFF0) == SC_SCREENSAVE && settings.ScreenSaver) return settings.IgnoreWinSS ? 0 : 1;
        break;
    }
    return DefWindowProcA(window, WM_SYSCOMMAND, wParam, lParam);
}

// The shell was restarted and its new taskbar knows nothing of the icon: add it again,
// or the user would have lost the only way to reach the program.
LRESULT OnTaskbarCreated(HWND window) {
    TrayAddIcon(window);
    return 0;
}

}  // namespace

// Stops everything the main window owns, in the order that keeps the lights from
// being redrawn while they are being taken down.
void ShutdownCleanup(HWND window) {
    for (HFONT* font : {&smallFont, &bigFont, &messageFont}) {
        if (*font) DeleteObject(*font);
        *font = nullptr;
    }
    if (ownWindow) {
        DestroyWindow(ownWindow);
        ownWindow = nullptr;
    }
    TrayRemoveIcon(window);
    ReleaseLightString();
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        NoteActivity();
        return 1;
    case WM_DESTROY:
        return OnDestroy();
    case WM_PAINT:
        return OnPaint(window);
    case WM_CLOSE:
        if (settings.Music) MIDIStop();
        StopFlashTimer();
        settings.ScreenSaver = 0;
        ShutdownCleanup(window);
        DestroyWindow(window);
        return 0;
    case WM_WININICHANGE:
    case WM_DEVMODECHANGE:
        RefreshTaskbar();
        ApplyOwnWindowColor();
        return 1;
    case WM_COMMAND:
        PostMessageA(window, WM_SYSCOMMAND, wParam, lParam);
        return 1;
    case WM_SYSCOMMAND:
        return OnSysCommand(window, wParam, lParam);
    case WM_TIMER:
        return OnTimer();
    case WM_INITMENU:
        return OnInitMenu();
    case MM_MCINOTIFY:
        MIDINotify(window, wParam);
        return 1;
    case WM_TRAYNOTIFY:
        TrayOnCallback(wParam, lParam);
        return 0;
    }
    // A registered message, so it cannot be a case of the switch.
    if (TrayIsTaskbarCreated(message)) return OnTaskbarCreated(window);
    return DefWindowProcA(window, message, wParam, lParam);
}
