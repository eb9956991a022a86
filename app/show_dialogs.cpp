// Opening the Options and About dialogs, or raising the one already open.
#include "app/app.h"
#include "app/text.h"
#include "app/settings.h"
#include "dialogs/about_dlg.h"
#include "dialogs/options_dlg.h"
#include "lights/bulb_catalogue.h"
#include "lights/light_string.h"
#include "resource.h"

void BringToFront(HWND window) {
    BringWindowToTop(window);
    SetForegroundWindow(window);
    SetFocus(window);
}

void ShowOptions(HWND owner) {
    if (optionsOpen && optionsDialog) {
        ShowWindow(optionsDialog, SW_SHOW);
        BringToFront(optionsDialog);
        return;
    }
    DialogBoxParamA(appInstance, "OptionsDlg", owner, OptionsDlgProc, 0);
    LoadBulbSet();
}

void ShowAbout(HWND owner) {
    if (aboutOpen && aboutDialog) {
        ShowWindow(aboutDialog, SW_SHOW);
        BringToFront(aboutDialog);
        return;
    }
    DialogBoxParamA(appInstance, "AboutDlg", owner, AboutDlgProc, 0);
}

void ApplyOnTop() {
    if (!settings.OwnWindow || !ownWindow) return;
    SetWindowPos(ownWindow, settings.OnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
}

int ShowMessage(HWND owner, const char* text) {
    return MessageBoxA(owner, text, LoadText(IDS_APP_TITLE).c_str(), MB_ICONINFORMATION);
}
