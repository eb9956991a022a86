// Start-up: the main window's class, the hidden main window and everything it owns.
#include <windows.h>
#include <commctrl.h>
#include <cstdlib>
#include <ctime>

#include "app/app.h"
#include "app/commands.h"
#include "app/settings.h"
#include "app/text.h"
#include "dialogs/warn_music_dlg.h"
#include "lights/bulb_catalogue.h"
#include "lights/flash_engine.h"
#include "lights/light_string.h"
#include "resource.h"
#include "shell/tray.h"
#include "sound/music.h"

namespace {

void CreateFonts() {
    smallFont = MakeFont("Arial", 8, false, false);
    messageFont = MakeFont("Arial", 12, false, false);
    bigFont = MakeFont("Arial", 72, true, false);
}

// Without a MIDI device the user is warned (unless they asked not to be) and the
// music stays off for this run; the file's Music setting is left as it is.
void CheckMusicDevice() {
    midiDevicePresent = MusicDevicePresent() ? 1 : 0;
    if (!midiDevicePresent) {
        if (settings.WarnMusic) {
            DialogBoxParamA(appInstance, "WarnMusicDlg", mainWindow, WarnMusicDlgProc, 0);
            SaveSettings();
        }
        settings.Music = 0;
    } else if (settings.Music && settings.Power) {
        MIDIPlayNext(mainWindow);
    }
}

void AppendSystemMenu() {
    systemMenu = GetSystemMenu(mainWindow, FALSE);
    const struct { UINT_PTR id; UINT text; } items[] = {
        {0, 0}, {kCmdOnTop, IDS_MENU_ONTOP}, {kCmdHide, IDS_MENU_HIDE}, {kCmdZoom, IDS_MENU_ZOOM},
        {0, 0}, {kCmdAbout, IDS_MENU_ABOUT}, {kCmdOptions, IDS_MENU_OPTIONS}, {kCmdRemoveLights, IDS_MENU_REMOVE},
    };
    for (const auto& item : items) {
        if (item.id == 0)
            AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(systemMenu, MF_STRING, item.id, LoadText(item.text).c_str());
    }
}

}  // namespace

ATOM CreateMainClass(HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "lumenkinIcon");
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = kMainClassName;
    return RegisterClassA(&wc);
}

int InitInstance(HINSTANCE instance, int) {
    appInstance = instance;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    InitCommonControls();
    // Where this class does not name the desktop, the null handle stands for the whole screen.
    desktopWindow = FindWindowA("#32769:Desktop", nullptr);
    screenWidth = GetSystemMetrics(SM_CXSCREEN);
    screenHeight = GetSystemMetrics(SM_CYSCREEN);
    for (Bulb& bulb : lightString.bulbs) bulb.icon[0] = bulb.icon[1] = nullptr;
    lightString.bulbCount = BulbCountForWidth(screenWidth);
    lightString.chasePos = 0;

    mainWindow = CreateWindowExA(0, kMainClassName, LoadText(IDS_APP_TITLE).c_str(),
                                 WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                 20, 20, screenWidth, screenHeight, nullptr, nullptr, instance, nullptr);
    if (!mainWindow) return 0;

    LoadSettings();
    SaveSettings();
    ApplyOwnWindowSetting();
    ApplyOnTop();
    ApplyOwnWindowColor();
    TrayLoadResources();
    TrayAddIcon(mainWindow);
    CreateFonts();
    LoadBulbSet();
    CheckMusicDevice();
    AppendSystemMenu();
    ShowWindow(mainWindow, SW_HIDE);
    StartFlashTimer();
    PaintString();
    if (settings.StartOptions) ShowOptions(mainWindow);
    return 1;
}
