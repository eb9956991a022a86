// Helpers every dialog shares: centring and the raised frame.
#pragma once
#include <windows.h>

// Moves the window to the middle of the screen without changing its size or z-order.
void CenterDialog(HWND window);
// Draws a raised border `depth` pixels wide inside the window's client area.
void PaintFrame(HWND window, HDC dc, int depth);
// Answers WM_PAINT for a window whose only own painting is the two-pixel raised frame.
void PaintFramedWindow(HWND window);
