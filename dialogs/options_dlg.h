// The Options dialog: the one place where the user changes the program's settings.
#pragma once
#include <windows.h>

extern bool optionsOpen;        // set while the dialog is up
extern HWND optionsDialog;      // the open dialog, or null
extern int dialogPower;         // what the power switch shows; reaches Power on Apply or OK
extern int musicAtOpen;         // Music, Power and OwnWindow as they were at opening
extern int powerAtOpen;
extern int ownWindowAtOpen;
extern int musicListChanged;    // the playlist selection changed since opening or the last Apply

INT_PTR CALLBACK OptionsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
