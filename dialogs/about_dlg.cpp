// The About dialog: version, build date, greeting and the maker's details.
#include "dialogs/about_dlg.h"

#include <windowsx.h>

#include <cstdio>

#include "app/text.h"
#include "dialogs/dialog_helpers.h"
#include "dialogs/zoom.h"
#include "resource.h"
#include "saver/saver.h"

bool aboutOpen = false;
HWND aboutDialog = nullptr;

namespace {

void ForgetDialog() {
    aboutOpen = false;
    aboutDialog = nullptr;
}

void SetBuildLine(HWND dialog) {
    char line[64];
    std::snprintf(line, sizeof line, LoadText(IDS_ABOUT_BUILD_FORMAT).c_str(),
                  LoadText(IDS_ABOUT_BUILD_DATE).c_str());
    SetDlgItemTextA(dialog, IDC_ABOUT_BUILD, line);
}

void SetMakerLines(HWND dialog) {
    SetDlgItemTextA(dialog, IDC_ABOUT_WEB, LoadText(IDS_MAKER_WEB).c_str());
    SetDlgItemTextA(dialog, IDC_ABOUT_EMAIL, LoadText(IDS_MAKER_EMAIL).c_str());
    SetDlgItemTextA(dialog, IDC_ABOUT_COPYRIGHT, LoadText(IDS_MAKER_COPYRIGHT).c_str());
}

INT_PTR OnInitDialog(HWND dialog) {
    CenterDialog(dialog);
    aboutDialog = dialog;
    aboutOpen = true;
    ZoomDialogOpen(dialog);
    SetBuildLine(dialog);
    SetMakerLines(dialog);
    return TRUE;
}

INT_PTR OnPaint(HWND dialog) {
    PaintFramedWindow(dialog);
    return TRUE;
}

INT_PTR OnContextMenu(HWND dialog, LPARAM lParam) {
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    // From the keyboard (Shift+F10 or the menu key) there is no click position.
    if (at.x == -1 && at.y == -1) {
        RECT r;
        GetWindowRect(dialog, &r);
        at = POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    HMENU menu = CreateCloseMenu();
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, dialog, nullptr);
    DestroyMenu(menu);
    return TRUE;
}

INT_PTR OnClose(HWND dialog) {
    NoteActivity();
    ZoomDialogClose(dialog);
    EndDialog(dialog, 1);
    ForgetDialog();
    return TRUE;
}

}  // namespace

HMENU CreateCloseMenu() {
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, IDCANCEL, LoadText(IDS_MENU_CLOSE_DIALOG).c_str());
    return menu;
}

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog);
    case WM_PAINT:
        return OnPaint(dialog);
    case WM_CONTEXTMENU:
        return OnContextMenu(dialog, lParam);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) return OnClose(dialog);
        return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return GreyDialogColours(reinterpret_cast<HDC>(wParam), RGB(0, 0, 127));
    case WM_DESTROY:
        // Also when the dialog goes down with its owner, so a later request opens a new one.
        if (aboutDialog == dialog) ForgetDialog();
        return FALSE;
    }
    return FALSE;
}
