// Drawing shared by the saver window and its effects: the message, the title line
// and the ring.
#include "saver/saver_draw.h"

#include <string>

#include "app/app.h"
#include "app/text.h"
#include "resource.h"

namespace {

constexpr COLORREF kSaverTextColour = RGB(255, 0, 0);

void DrawRedLine(HDC dc, const RECT& area, HFONT font, const char* text, UINT format) {
    HGDIOBJ previousFont = SelectObject(dc, font);
    SetTextColor(dc, kSaverTextColour);
    SetBkMode(dc, TRANSPARENT);
    RECT box = area;
    DrawTextA(dc, text, -1, &box, format | DT_SINGLELINE);
    SelectObject(dc, previousFont);
}

}  // namespace

void DrawSaverMessage(HDC dc, const RECT& area, HFONT font, const char* text, SaverMessagePlace place) {
    const UINT vertical = place == SaverMessagePlace::Bottom ? DT_BOTTOM : DT_VCENTER;
    DrawRedLine(dc, area, font, text, DT_CENTER | vertical);
}

void DrawSaverTitle(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    const std::string title = LoadText(IDS_APP_TITLE);
    DrawRedLine(dc, client, messageFont, title.c_str(), DT_LEFT | DT_BOTTOM);
}

void DrawRing(HDC dc, int x, int y, int r, COLORREF colour) {
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ previous = SelectObject(dc, pen);
    Ellipse(dc, x - r, y - r, x + r, y + r);
    SelectObject(dc, previous);
    DeleteObject(pen);
}
