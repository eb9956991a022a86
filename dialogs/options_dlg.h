// The Options dialog.
#pragma once
#include <windows.h>

extern bool optionsOpen;        // set while the dialog is up
extern HWND optionsDialog;      // the open dialog, or null

INT_PTR CALLBACK OptionsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
