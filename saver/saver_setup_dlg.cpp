// The screen saver's setup dialog: delay, what ends the saver, and its message.
#include "saver/saver_setup_dlg.h"

#include <cstdlib>
#include <cstring>

#include "app/app.h"
#include "app/settings.h"
#include "app/text.h"
#include "dialogs/context_tips.h"
#include "dialogs/dialog_helpers.h"
#include "dialogs/zoom.h"
#include "resource.h"

namespace {

bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void Check(HWND dialog, int id, LONG on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }

// The delay as typed: white space, a sign and the leading digits ("7 minutes" is 7,
// "1e2" is 1, letters alone are 0). Taken without sign, so a negative delay fails
// like one that is too long. Numbers too big for a long stay too big.
bool ReadDelay(HWND dialog, LONG* minutes) {
    char text[kSaverTextChars] = "";
    GetDlgItemTextA(dialog, IDC_SSSETUP_DELAY, text, sizeof text);
    const DWORD value = static_cast<DWORD>(std::strtol(text, nullptr, 10));
    if (value < static_cast<DWORD>(kSaverDelayMin) || value > static_cast<DWORD>(kSaverDelayMax)) return false;
    *minutes = static_cast<LONG>(value);
    return true;
}

void RefuseDelay(HWND dialog) {
    ShowMessage(dialog, LoadText(IDS_SAVER_BAD_DELAY).c_str());
    SetFocus(GetDlgItem(dialog, IDC_SSSETUP_DELAY));
}

void Close(HWND dialog) {
    RemoveContextTips(saverSetupTips);
    EndDialog(dialog, 1);
}

INT_PTR OnInitDialog(HWND dialog) {
    CenterDialog(dialog);
    ZoomDialogOpen(dialog);
    SetDlgItemInt(dialog, IDC_SSSETUP_DELAY, static_cast<UINT>(settings.SSDelay), FALSE);
    Check(dialog, IDC_SSSETUP_MOUSE_MOVE, settings.SSMouseMove);
    Check(dialog, IDC_SSSETUP_MOUSE_CLICK, settings.SSMouseClick);
    Check(dialog, IDC_SSSETUP_IGNORE_WINSS, settings.IgnoreWinSS);
    SetDlgItemTextA(dialog, IDC_SSSETUP_MESSAGE, settings.SSMsg);
    CreateContextTips(saverSetupTips, dialog);
    return TRUE;    // the focus goes to the delay
}

// Nothing is stored unless the delay is good: not the check boxes, not the message.
INT_PTR OnOk(HWND dialog) {
    LONG minutes = 0;
    if (!ReadDelay(dialog, &minutes)) {
        RefuseDelay(dialog);
        return TRUE;
    }
    settings.SSDelay = minutes;
    settings.SSMouseMove = IsChecked(dialog, IDC_SSSETUP_MOUSE_MOVE);
    settings.SSMouseClick = IsChecked(dialog, IDC_SSSETUP_MOUSE_CLICK);
    settings.IgnoreWinSS = IsChecked(dialog, IDC_SSSETUP_IGNORE_WINSS);
    GetDlgItemTextA(dialog, IDC_SSSETUP_MESSAGE, settings.SSMsg, sizeof settings.SSMsg);
    Close(dialog);
    return TRUE;
}

INT_PTR OnCommand(HWND dialog, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK:
        return OnOk(dialog);
    case IDCANCEL:
        Close(dialog);
        return TRUE;
    }
    return FALSE;   // the check boxes look after themselves
}

INT_PTR OnNotify(LPARAM lParam) {
    ContextTipText(saverSetupTipTexts, reinterpret_cast<NMHDR*>(lParam));
    return TRUE;
}

// Covers a way out that skips Close (the owner going away, say).
INT_PTR OnDestroy(HWND dialog) {
    if (saverSetupTips.dialog == dialog) RemoveContextTips(saverSetupTips);
    return FALSE;
}

}  // namespace

INT_PTR CALLBACK SaverSetupDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog);
    case WM_COMMAND:
        return OnCommand(dialog, wParam);
    case WM_NOTIFY:
        return OnNotify(lParam);
    case WM_DESTROY:
        return OnDestroy(dialog);
    }
    return FALSE;
}

void ShowSaverSetup(HWND owner, int) {
    DialogBoxParamA(appInstance, kSaverSetupTemplate, owner, SaverSetupDlgProc, 0);
}
