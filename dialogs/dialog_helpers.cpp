// Helpers every dialog shares: centring and the raised frame.
#include "dialogs/dialog_helpers.h"

void CenterDialog(HWND window) {
    RECT r;
    if (GetWindowLongA(window, GWL_STYLE) & WS_POPUP)
        GetWindowRect(window, &r);
    else
        GetClientRect(window, &r);
    // C++ division cuts toward zero, as the centring rule needs for odd sizes.
    int x = GetSystemMetrics(SM_CXSCREEN) / 2 + (r.left - r.right) / 2;
    int y = GetSystemMetrics(SM_CYSCREEN) / 2 + (r.top - r.bottom) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

INT_PTR GreyDialogColours(HDC dc, COLORREF text) {
    SetBkColor(dc, RGB(192, 192, 192));
    SetTextColor(dc, text);
    return reinterpret_cast<INT_PTR>(GetStockObject(LTGRAY_BRUSH));
}

void PaintFramedWindow(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    PaintFrame(window, dc, 2);
    EndPaint(window, &ps);
}

void PaintFrame(HWND window, HDC dc, int depth) {
    RECT r;
    GetClientRect(window, &r);
    r.right -= 1;
    r.bottom -= 1;
    for (int i = 0; i < depth; ++i) {
        HGDIOBJ previous = SelectObject(dc, GetStockObject(WHITE_PEN));
        MoveToEx(dc, r.left + i, r.bottom - i, nullptr);
        LineTo(dc, r.left + i, r.top + i);
        LineTo(dc, r.right - i, r.top + i);
        HPEN grey = CreatePen(PS_SOLID, 1, RGB(127, 127, 127));
        SelectObject(dc, grey);
        LineTo(dc, r.right - i, r.bottom - i);
        LineTo(dc, r.left + i, r.bottom - i);
        SelectObject(dc, previous);
        DeleteObject(grey);
    }
}
