// A plain visible window to paint the string into, and icons of known colours.
#include "canvas_window.h"

#include "lights/bulb_catalogue.h"

namespace {

constexpr char kCanvasClass[] = "LightsTestCanvas";

// The class's own background; a canvas erases with its instance brush unless told to
// use the class background.
HBRUSH ClassBrush() {
    static HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    return brush;
}

LRESULT OnEraseBackground(HWND window, HDC dc) {
    HBRUSH brush = reinterpret_cast<HBRUSH>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!brush) brush = reinterpret_cast<HBRUSH>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND));
    RECT rc;
    GetClientRect(window, &rc);
    FillRect(dc, &rc, brush);
    return 1;
}

LRESULT CALLBACK CanvasProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return OnEraseBackground(window, reinterpret_cast<HDC>(wParam));
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

CanvasWindow::CanvasWindow(int width, int height, COLORREF background) {
    brush_ = CreateSolidBrush(background);
    WNDCLASSA wc{};
    wc.lpfnWndProc = CanvasProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = ClassBrush();
    wc.lpszClassName = kCanvasClass;
    RegisterClassA(&wc);
    window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kCanvasClass, "", WS_POPUP, 0, 0,
                              width, height, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(brush_));
    Clear();
}

CanvasWindow::~CanvasWindow() {
    DestroyWindow(window_);
    DeleteObject(brush_);
}

void CanvasWindow::Clear() {
    RECT rc;
    GetClientRect(window_, &rc);
    HDC dc = GetDC(window_);
    FillRect(dc, &rc, brush_);
    ReleaseDC(window_, dc);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

void CanvasWindow::UseClassBackground() {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
}

COLORREF CanvasWindow::Pixel(int x, int y) const {
    HDC dc = GetDC(window_);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window_, dc);
    return c;
}

SolidIcons::~SolidIcons() {
    for (int i = 0; i < count_; ++i) DestroyIcon(icons_[i]);
}

HICON SolidIcons::Make(COLORREF colour, int border) {
    HDC screen = GetDC(nullptr);
    HBITMAP colourBits = CreateCompatibleBitmap(screen, kBulbSize, kBulbSize);
    HBITMAP maskBits = CreateBitmap(kBulbSize, kBulbSize, 1, 1, nullptr);
    HDC dc = CreateCompatibleDC(screen);
    const RECT all = {0, 0, kBulbSize, kBulbSize};
    const RECT inner = {border, border, kBulbSize - border, kBulbSize - border};

    HGDIOBJ old = SelectObject(dc, colourBits);
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    HBRUSH fill = CreateSolidBrush(colour);
    FillRect(dc, &inner, fill);
    DeleteObject(fill);
    SelectObject(dc, maskBits);   // mask: white (transparent) around, black inside
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FillRect(dc, &inner, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);

    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = colourBits;
    info.hbmMask = maskBits;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(colourBits);
    DeleteObject(maskBits);
    if (count_ < 2 * kMaxBulbs) icons_[count_++] = icon;
    return icon;
}

COLORREF TestBulbColour(int i, int lit) {
    return RGB(8 * i, lit ? 240 : 60, lit ? 40 : 200);
}

void DressBulbs(SolidIcons& icons, int count) {
    for (int i = 0; i < count; ++i) {
        Bulb& bulb = lightString.bulbs[i];
        bulb.x = kBulbSize * i;
        bulb.y = 0;
        bulb.icon[0] = icons.Make(TestBulbColour(i, 0));
        bulb.icon[1] = icons.Make(TestBulbColour(i, 1));
    }
    iconsLoaded = true;
}
