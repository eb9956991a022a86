// The Options dialog: the one place where the user changes the program's settings.
#include "dialogs/options_dlg.h"

#include <windowsx.h>

#include "app/app.h"
#include "app/commands.h"
#include "app/text.h"
#include "dialogs/about_dlg.h"
#include "dialogs/context_tips.h"
#include "dialogs/dialog_helpers.h"
#include "dialogs/options_handlers.h"
#include "dialogs/pickers.h"
#include "dialogs/preview.h"
#include "resource.h"

bool optionsOpen = false;
HWND optionsDialog = nullptr;
int dialogPower = 1;
int musicAtOpen = 0;
int powerAtOpen = 0;
int ownWindowAtOpen = 0;
int musicListChanged = 0;

namespace {


INT_PTR OnPaint(HWND dialog) {
    PaintFramedWindow(dialog);
    DrawPreview(dialog, IDC_OPT_PREVIEW, previewPattern);
    return TRUE;
}

INT_PTR OnDrawItem(HWND dialog, const DRAWITEMSTRUCT* request) {
    DrawPickerItem(dialog, request);
    DrawMusicItem(dialog, request);
    DrawPowerSwitch(dialog, request);
    return TRUE;
}

INT_PTR OnContextMenu(HWND dialog, LPARAM lParam) {
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (at.x == -1 && at.y == -1) {     // from the keyboard: no click position
        RECT r;
        GetWindowRect(dialog, &r);
        at = POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, kCmdAbout, LoadText(IDS_MENU_ABOUT).c_str());
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDCANCEL, LoadText(IDS_MENU_CLOSE_DIALOG).c_str());
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, dialog, nullptr);
    DestroyMenu(menu);
    return TRUE;
}

INT_PTR OnSysCommand(HWND dialog, WPARAM command) {
    if (command == kCmdAbout) {
        ShowAbout(dialog);
        return TRUE;
    }
    if ((command & 0xFFF0) == SC_MINIMIZE) {
        // Minimising the dialog cancels it.
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    }
    return FALSE;
}

INT_PTR OnSwitchPictureMissing(HWND dialog) {
    MessageBoxA(dialog, LoadText(IDS_OPT_SWITCH_PICTURE_MISSING).c_str(),
                PowerSwitchPictureName(dialogPower).c_str(), MB_OK);
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK OptionsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnOptionsInit(dialog);
    case WM_COMMAND:
        OnOptionsCommand(dialog, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return TRUE;
    case WM_HSCROLL:
        if (reinterpret_cast<HWND>(lParam) == GetDlgItem(dialog, IDC_OPT_RATE)) OnOptionsRateScroll(dialog, wParam);
        return TRUE;
    case WM_PAINT:
        return OnPaint(dialog);
    case WM_TIMER:
        PreviewTick(dialog);
        return TRUE;
    case WM_MEASUREITEM:
        MeasureOptionsItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        return OnDrawItem(dialog, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_NOTIFY:
        ContextTipText(optionsTipTexts, reinterpret_cast<NMHDR*>(lParam));
        return TRUE;
    case WM_CONTEXTMENU:
        return OnContextMenu(dialog, lParam);
    case WM_SYSCOMMAND:
        return OnSysCommand(dialog, wParam);
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORBTN:
        return GreyDialogColours(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
    case WM_CTLCOLORSTATIC:
        return GreyDialogColours(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
    case WM_NOWPLAYING:
        ShowNowPlaying(dialog, reinterpret_cast<const char*>(lParam));
        return TRUE;
    case WM_SWITCH_PICTURE_MISSING:
        return OnSwitchPictureMissing(dialog);
    case WM_DESTROY:
        OnOptionsDestroy(dialog);
        return FALSE;
    }
    return FALSE;
}
