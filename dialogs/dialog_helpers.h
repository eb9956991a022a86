// Helpers every dialog shares: centring and the raised frame.
#pragma once
#include <windows.h>

// Moves the window to the middle of the screen without changing its size or z-order.
void CenterDialog(HWND window);
// Draws a raised border `depth` pixels wide inside the window's client area.
void PaintFrame(HWND window, HDC dc, int depth);
// Answers WM_CTLCOLORDLG / WM_CTLCOLORSTATIC for the program's grey dialogs: light-grey
// background, the given text colour, and the stock light-grey brush.
INT_PTR GreyDialogColours(HDC dc, COLORREF text);
// Answers WM_PAINT for a window whose only own painting is the two-pixel raised frame.
void PaintFramedWindow(HWND window);
