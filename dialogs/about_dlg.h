// The About dialog.
#pragma once
#include <windows.h>

extern bool aboutOpen;          // set while the dialog is up
extern HWND aboutDialog;        // the open dialog, or null

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
