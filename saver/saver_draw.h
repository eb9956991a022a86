// Drawing shared by the saver window and its effects: the message, the title line
// and the ring.
#pragma once
#include <windows.h>

enum class SaverMessagePlace {
    Bottom,     // centred on the bottom edge
    Centre,     // in the middle of the area
};

// Draws text in one line, red on whatever lies beneath, with font, at place in area.
void DrawSaverMessage(HDC dc, const RECT& area, HFONT font, const char* text, SaverMessagePlace place);

// Draws "Lumenkin v2.1" in red in the bottom-left corner of the window's client area.
void DrawSaverTitle(HWND window, HDC dc);

// A one-pixel circle outline of radius r around (x, y), nothing filled. Leaves the
// null brush selected in dc; the pen it makes is gone when it returns.
void DrawRing(HDC dc, int x, int y, int r, COLORREF colour);
