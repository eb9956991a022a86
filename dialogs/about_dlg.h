// The About dialog: version, build date, greeting and the maker's details.
#pragma once
#include <windows.h>

extern bool aboutOpen;          // set while the dialog is up
extern HWND aboutDialog;        // the open dialog, or null

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The dialog's context menu: the single item "&Close\tAlt+F4" (command IDCANCEL).
// The caller tracks it and destroys it.
HMENU CreateCloseMenu();
