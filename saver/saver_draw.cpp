// Drawing shared by the saver window and its effects: the title line and the ring.
#include "saver/saver_draw.h"

#include "app/app.h"
#include "app/text.h"
#include "resource.h"

namespace {
constexpr COLORREF kSaverTextColour = RGB(255, 0, 0);
}

void DrawSaverTitle(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    HGDIOBJ previousFont = SelectObject(dc, messageFont);
    SetTextColor(dc, kSaverTextColour);
    SetBkMode(dc, TRANSPARENT);
    const std::string title = LoadText(IDS_APP_TITLE);
    DrawTextA(dc, title.c_str(), -1, &client, DT_LEFT | DT_BOTTOM | DT_SINGLELINE);
    SelectObject(dc, previousFont);
}

void DrawRing(HDC dc, int x, int y, int r, COLORREF colour) {
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ previous = SelectObject(dc, pen);
    Ellipse(dc, x - r, y - r, x + r, y + r);
    SelectObject(dc, previous);
    DeleteObject(pen);
}
