// The warning shown when the Options dialog is closed with the power off.
#include "dialogs/warn_power_dlg.h"

#include "app/app.h"
#include "app/settings.h"
#include "dialogs/dialog_helpers.h"
#include "resource.h"

namespace {

constexpr COLORREF kWarningRed = RGB(255, 0, 0);

INT_PTR OnCommand(HWND dialog, WPARAM wParam) {
    if (wParam == IDOK || wParam == IDCANCEL) {
        settings.WarnPower = IsDlgButtonChecked(dialog, IDC_WARNPOWER_NOTAGAIN) == BST_CHECKED ? 0 : 1;
        EndDialog(dialog, 1);
    }
    return TRUE;
}

COLORREF StaticTextColour(HWND control) {
    return GetDlgCtrlID(control) == IDC_WARNPOWER_TITLE ? kWarningRed : GetSysColor(COLOR_WINDOWTEXT);
}

}  // namespace

void ShowPowerWarning(HWND owner) {
    if (!settings.WarnPower) return;
    DialogBoxParamA(appInstance, "WarnPowerDlg", owner, WarnPowerDlgProc, 0);
    SaveSettings();
}

INT_PTR CALLBACK WarnPowerDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        return OnCommand(dialog, wParam);
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORBTN:
        return GreyDialogColours(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
    case WM_CTLCOLORSTATIC:
        return GreyDialogColours(reinterpret_cast<HDC>(wParam), StaticTextColour(reinterpret_cast<HWND>(lParam)));
    }
    return FALSE;
}
