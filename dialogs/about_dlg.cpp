// The About dialog.
#include "dialogs/about_dlg.h"

bool aboutOpen = false;
HWND aboutDialog = nullptr;

INT_PTR CALLBACK AboutDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
