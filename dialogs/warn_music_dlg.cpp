// The warning shown at start-up when the machine cannot play MIDI music.
#include "dialogs/warn_music_dlg.h"

#include "app/settings.h"
#include "dialogs/dialog_helpers.h"
#include "dialogs/zoom.h"
#include "resource.h"
#include "saver/saver.h"

namespace {

INT_PTR OnInitDialog(HWND dialog) {
    CenterDialog(dialog);
    ZoomDialogOpen(dialog);
    return TRUE;
}

INT_PTR OnPaint(HWND dialog) {
    PaintFramedWindow(dialog);
    return TRUE;
}

INT_PTR OnClose(HWND dialog, int id) {
    // The tick asks never to be warned again.
    settings.WarnMusic = IsDlgButtonChecked(dialog, IDC_WARNMUSIC_NOTAGAIN) == BST_CHECKED ? 0 : 1;
    NoteActivity();
    ZoomDialogClose(dialog);
    EndDialog(dialog, id == IDOK ? 1 : 0);
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK WarnMusicDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog);
    case WM_PAINT:
        return OnPaint(dialog);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) return OnClose(dialog, LOWORD(wParam));
        return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return GreyDialogColours(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
    }
    return FALSE;
}
