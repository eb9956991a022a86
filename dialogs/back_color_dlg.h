// The background-colour dialog of the own taskbar window (the BackColor setting).
#pragma once
#include <windows.h>

// Runs "SelectBackColorDlg" modally, owned by the main window.
void SelectBackColor();

INT_PTR CALLBACK SelectBackColorDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Draws one entry of the colour list: item -1 (a face with no selection) shows black.
void DrawColorItem(HDC dc, const RECT& item, int itemId, UINT action, UINT state);
