// Centring a dialog on the screen and the raised frame every dialog paints.
#include <gtest/gtest.h>

#include "dialogs/dialog_helpers.h"

namespace {

HWND MakeWindow(DWORD style, int width, int height) {
    return CreateWindowExA(0, "Static", "", style, 5, 7, width, height, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace

TEST(CenterDialog, CentresOnA1024By768ScreenCuttingHalvesTowardZero) {
    if (GetSystemMetrics(SM_CXSCREEN) != 1024 || GetSystemMetrics(SM_CYSCREEN) != 768)
        GTEST_SKIP() << "needs the 1024 x 768 test screen";
    // Odd sizes: 512 - 301 / 2 = 362; larger than the screen: 512 - 1200 / 2 = -88.
    const struct { int width, height, left, top; } cases[] = {{301, 201, 362, 284}, {1200, 900, -88, -66}};
    for (const auto& c : cases) {
        HWND popup = MakeWindow(WS_POPUP, c.width, c.height);
        CenterDialog(popup);
        RECT r;
        GetWindowRect(popup, &r);
        EXPECT_EQ(r.left, c.left);
        EXPECT_EQ(r.top, c.top);
        EXPECT_EQ(r.right - r.left, c.width);
        DestroyWindow(popup);
    }
    // A window that is not a popup is measured by its client area.
    HWND framed = MakeWindow(WS_OVERLAPPEDWINDOW, 400, 300);
    RECT client, r;
    GetClientRect(framed, &client);
    CenterDialog(framed);
    GetWindowRect(framed, &r);
    EXPECT_EQ(r.left, 512 - client.right / 2);
    EXPECT_EQ(r.top, 384 - client.bottom / 2);
    DestroyWindow(framed);
}

TEST(PaintFrame, DrawsTwoRingsLightTopLeftDarkBottomRight) {
    constexpr COLORREF kBack = RGB(10, 20, 30), kWhite = RGB(255, 255, 255), kGrey = RGB(127, 127, 127);
    HWND window = MakeWindow(WS_POPUP, 40, 30);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 30);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previousBitmap = SelectObject(dc, bitmap);
    HBRUSH back = CreateSolidBrush(kBack);
    const RECT all{0, 0, 40, 30};
    FillRect(dc, &all, back);
    DeleteObject(back);
    HGDIOBJ penBefore = GetCurrentObject(dc, OBJ_PEN);

    PaintFrame(window, dc, 2);

    const struct { int x, y; COLORREF colour; } expected[] = {
        {0, 0, kWhite}, {20, 0, kWhite}, {0, 29, kWhite}, {39, 0, kGrey}, {39, 29, kGrey}, {20, 29, kGrey},
        {1, 1, kWhite}, {1, 28, kWhite}, {38, 1, kGrey}, {38, 15, kGrey}, {20, 28, kGrey},
        {2, 2, kBack}, {37, 27, kBack}, {20, 15, kBack}};
    for (const auto& p : expected) EXPECT_EQ(GetPixel(dc, p.x, p.y), p.colour) << p.x << ", " << p.y;
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), penBefore);

    SelectObject(dc, previousBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    DestroyWindow(window);
}
