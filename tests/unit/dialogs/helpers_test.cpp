// Centring a dialog on the screen, the raised frame every dialog paints, and the fonts of their look.
#include <gtest/gtest.h>

#include <cstring>

#include "dialogs/dialog_helpers.h"

namespace {

int CALLBACK NoteFont(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

}  // namespace

// Wine draws the title-bar buttons as glyphs of Marlett and falls back to plain letters
// ("0", "1", "r") without it; the dialogs are laid out in MS Sans Serif.
TEST(DialogLook, TheFontsOfTitleBarsAndDialogsAreInstalled) {
    HDC screen = GetDC(nullptr);
    for (const char* face : {"Marlett", "MS Sans Serif"}) {
        LOGFONTA wanted{};
        wanted.lfCharSet = DEFAULT_CHARSET;
        std::strcpy(wanted.lfFaceName, face);
        bool found = false;
        EnumFontFamiliesExA(screen, &wanted, NoteFont, reinterpret_cast<LPARAM>(&found), 0);
        EXPECT_TRUE(found) << face;
    }
    ReleaseDC(nullptr, screen);
}

TEST(DialogHelpers, CentresOnTheScreenAndPaintsTheRaisedFrame) {
    if (GetSystemMetrics(SM_CXSCREEN) != 1024 || GetSystemMetrics(SM_CYSCREEN) != 768)
        GTEST_SKIP() << "needs the 1024 x 768 test screen";
    // Odd sizes cut halves toward zero; larger than the screen goes negative.
    const struct { int width, height, left, top; } cases[] = {{301, 201, 362, 284}, {1200, 900, -88, -66}};
    for (const auto& c : cases) {
        HWND popup = CreateWindowExA(0, "Static", "", WS_POPUP, 5, 7, c.width, c.height, nullptr, nullptr, nullptr, nullptr);
        CenterDialog(popup);
        RECT r;
        GetWindowRect(popup, &r);
        EXPECT_EQ(r.left, c.left);
        EXPECT_EQ(r.top, c.top);
        EXPECT_EQ(r.right - r.left, c.width);
        DestroyWindow(popup);
    }

    constexpr COLORREF kBack = RGB(10, 20, 30), kWhite = RGB(255, 255, 255), kGrey = RGB(127, 127, 127);
    HWND window = CreateWindowExA(0, "Static", "", WS_POPUP, 5, 7, 40, 30, nullptr, nullptr, nullptr, nullptr);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 30);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    HBRUSH back = CreateSolidBrush(kBack);
    const RECT all{0, 0, 40, 30};
    FillRect(dc, &all, back);
    DeleteObject(back);
    PaintFrame(window, dc, 2);
    // Two rings, light at the top and left, dark at the bottom and right; the inside untouched.
    const struct { int x, y; COLORREF colour; } expected[] = {
        {0, 0, kWhite}, {0, 29, kWhite}, {39, 0, kGrey}, {20, 29, kGrey}, {1, 28, kWhite},
        {38, 1, kGrey}, {20, 28, kGrey}, {2, 2, kBack}, {37, 27, kBack}};
    for (const auto& p : expected) EXPECT_EQ(GetPixel(dc, p.x, p.y), p.colour) << p.x << ", " << p.y;
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    DestroyWindow(window);
}
