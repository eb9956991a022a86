// The background-colour dialog of the own taskbar window (the BackColor setting).
#include "dialogs/back_color_dlg.h"

#include "app/app.h"
#include "app/settings.h"
#include "dialogs/back_colors.h"
#include "dialogs/dialog_helpers.h"
#include "dialogs/zoom.h"
#include "lights/light_string.h"
#include "resource.h"

namespace {

constexpr int kFocusInset = 3;

void FillColorList(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_BACKCOLOR_LIST);
    // The list has no strings: each item carries its BackColor value as item data.
    for (int choice = 1; choice <= kBackColorChoices; ++choice)
        SendMessageA(list, CB_ADDSTRING, 0, choice);
}

INT_PTR OnInitDialog(HWND dialog) {
    CenterDialog(dialog);
    ZoomDialogOpen(dialog);
    FillColorList(dialog);
    if (settings.BackColor == 0) {
        CheckRadioButton(dialog, IDC_BACKCOLOR_DESKTOP, IDC_BACKCOLOR_CUSTOM, IDC_BACKCOLOR_DESKTOP);
    } else {
        CheckRadioButton(dialog, IDC_BACKCOLOR_DESKTOP, IDC_BACKCOLOR_CUSTOM, IDC_BACKCOLOR_CUSTOM);
        // A value outside the table (a hand-edited file) selects no colour.
        if (settings.BackColor >= 1 && settings.BackColor <= kBackColorChoices)
            SendDlgItemMessageA(dialog, IDC_BACKCOLOR_LIST, CB_SETCURSEL, settings.BackColor - 1, 0);
    }
    return TRUE;
}

INT_PTR OnDrawItem(const DRAWITEMSTRUCT* item) {
    if (item->CtlType == ODT_COMBOBOX)
        DrawColorItem(item->hDC, item->rcItem, static_cast<int>(item->itemID), item->itemAction, item->itemState);
    return TRUE;
}

INT_PTR OnOk(HWND dialog) {
    LONG choice = 0;
    if (IsDlgButtonChecked(dialog, IDC_BACKCOLOR_CUSTOM) == BST_CHECKED) {
        // No colour picked (selection -1) leaves the desktop colour.
        choice = static_cast<LONG>(SendDlgItemMessageA(dialog, IDC_BACKCOLOR_LIST, CB_GETCURSEL, 0, 0)) + 1;
    }
    settings.BackColor = choice;
    ApplyOwnWindowColor();
    SaveSettings();
    EndDialog(dialog, 1);
    return TRUE;
}

}  // namespace

void DrawColorItem(HDC dc, const RECT& item, int itemId, UINT action, UINT state) {
    const int entry = itemId + 1;
    const COLORREF color = entry >= 0 && entry < kBackColorCount ? kBackColorTable[entry] : kBackColorTable[0];
    HBRUSH brush = CreateSolidBrush(color);
    switch (action) {
    case ODA_DRAWENTIRE:
        FillRect(dc, &item, brush);
        break;
    case ODA_SELECT:
        FillRect(dc, &item, brush);
        if (state & ODS_SELECTED) {
            RECT inner = item;
            InflateRect(&inner, -kFocusInset, -kFocusInset);
            DrawFocusRect(dc, &inner);
        }
        break;
    case ODA_FOCUS:
        DrawFocusRect(dc, &item);
        break;
    }
    DeleteObject(brush);
}

void SelectBackColor() {
    DialogBoxParamA(appInstance, "SelectBackColorDlg", mainWindow, SelectBackColorDlgProc, 0);
}

INT_PTR CALLBACK SelectBackColorDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog);
    case WM_DRAWITEM:
        return OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) return OnOk(dialog);
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
