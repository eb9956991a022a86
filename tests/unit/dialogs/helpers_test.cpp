// Centring a dialog on the screen, the raised frame and the fonts every dialog shares.
#include <gtest/gtest.h>

#include <cstring>

#include "dialogs/dialog_helpers.h"
#include "support/test_env.h"

// Wine draws the title-bar buttons as glyphs of Marlett and falls back to plain letters
// ("0", "1", "r") without it; the dialogs are laid out in MS Sans Serif.
TEST(DialogLook, TheFontsOfTitleBarsAndDialogsAreInstalled) {
    HDC screen = GetDC(nullptr);
    for (const char* face : {"Marlett", "MS Sans Serif"}) {
        LOGFONTA wanted{};
        wanted.lfCharSet = DEFAULT_CHARSET;
        std::strcpy(wanted.lfFaceName, face);
        bool found = false;
        EnumFontFamiliesExA(screen, &wanted, [](const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM seen) CALLBACK {
            return *reinterpret_cast<bool*>(seen) = true, 0;
        }, reinterpret_cast<LPARAM>(&found), 0);
        EXPECT_TRUE(found) << face;
    }
    ReleaseDC(nullptr, screen);
}

TEST(DialogHelpers, CentresOnTheScreenAndPaintsTheRaisedFrame) {
    if (GetSystemMetrics(SM_CXSCREEN) != 1024 || GetSystemMetrics(SM_CYSCREEN) != 768)
        GTEST_SKIP() << "needs the 1024 x 768 test screen";
    // The whole window is centred; odd sizes cut halves toward zero; larger than the screen goes negative.
    const struct { int width, height, left, top; } cases[] = {{301, 201, 362, 284}, {1200, 900, -88, -66}};
    for (const auto& c : cases) {
        HWND popup = CreateWindowExA(0, "Static", "", WS_POPUP | WS_CAPTION, 5, 7, c.width, c.height, nullptr, nullptr,
                                     nullptr, nullptr);
        CenterDialog(popup);
        RECT r;
        GetWindowRect(popup, &r);
        EXPECT_TRUE(r.left == c.left && r.top == c.top && r.right - r.left == c.width) << r.left << ", " << r.top;
        DestroyWindow(popup);
    }

    constexpr COLORREF kBack = RGB(10, 20, 30), kWhite = RGB(255, 255, 255), kGrey = RGB(127, 127, 127);
    HWND window = testenv::MakeWindow("lmkFramedTestWindow", WS_POPUP | WS_VISIBLE, {5, 7, 45, 37},
                                      [](HWND w, UINT m, WPARAM wp, LPARAM lp) CALLBACK -> LRESULT {
        return m == WM_PAINT ? (PaintFramedWindow(w), 0) : DefWindowProcA(w, m, wp, lp);
    }, WS_EX_TOPMOST, CreateSolidBrush(kBack));
    UpdateWindow(window);
    // Two rings, light at the top and left, dark at the bottom and right; the inside untouched.
    const struct { int x, y; COLORREF colour; } expected[] = {
        {0, 0, kWhite}, {0, 29, kWhite}, {39, 0, kGrey}, {20, 29, kGrey}, {1, 28, kWhite},
        {38, 1, kGrey}, {20, 28, kGrey}, {2, 2, kBack}, {37, 27, kBack}};
    for (const auto& p : expected) EXPECT_EQ(testenv::WindowPixel(window, p.x, p.y), p.colour) << p.x << ", " << p.y;
    DestroyWindow(window);
}
