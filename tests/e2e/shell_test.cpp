// End to end: the string drawn in the own taskbar window rather than on the desktop.
#include <gtest/gtest.h>

#include "harness.h"

#include <shellapi.h>

namespace {

// Pixels of a 32 x 32 cell of the screen, one in four, that are not `colour`.
int PixelsOtherThan(HDC screen, int left, int top, COLORREF colour) {
    int count = 0;
    for (int y = top; y < top + 32; y += 2)
        for (int x = left; x < left + 32; x += 2) count += GetPixel(screen, x, y) != colour;
    return count;
}

}  // namespace

TEST(OwnWindow, BulbsAreDrawnInATopBarInTheBackColourAndNotOnTheDesktop) {
    const int width = GetSystemMetrics(SM_CXSCREEN), bulbs = width / 32, otherBar = 40;
    const COLORREF screenColour = RGB(0, 160, 0), blue = RGB(0, 0, 255);
    // Another bar holds the top 40 pixels, so the program's bar docks below them and the
    // desktop strip where the bulbs would otherwise go stays in view.
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "lmkE2eTopBar";
    RegisterClassA(&wc);
    APPBARDATA other{};
    other.cbSize = sizeof other;
    other.hWnd = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 nullptr, nullptr);
    other.uCallbackMessage = WM_APP + 5;
    SHAppBarMessage(ABM_NEW, &other);
    other.uEdge = ABE_TOP;
    other.rc = RECT{0, 0, width, otherBar};
    SHAppBarMessage(ABM_SETPOS, &other);
    struct Unregister {
        APPBARDATA* bar;
        ~Unregister() { SHAppBarMessage(ABM_REMOVE, bar), DestroyWindow(bar->hWnd); }
    } unregister{&other};
    e2e::FillScreen(screenColour);  // nothing repaints the bare screen

    e2e::Sandbox box;
    box.WriteIniText("[Settings]\r\nWarnMusic=0\r\nStartOptions=0\r\nOwnWindow=1\r\nBackColor=6\r\n"
                     "NotSoMany=0\r\nMissingBulbs=0\r\nPower=1\r\n");
    ASSERT_TRUE(box.Start());
    HWND bar = nullptr;
    ASSERT_TRUE(e2e::WaitFor([&] { return (bar = FindWindowA("lmkAppBarwClass", nullptr)) && IsWindowVisible(bar); }));
    RECT r;
    GetWindowRect(bar, &r);
    EXPECT_TRUE(r.left == 0 && r.top == otherBar && r.right == width && r.bottom == otherBar + 32)
        << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    // A bulb in every cell of the bar, on the BackColor background; nothing outside the bar.
    HDC screen = GetDC(nullptr);
    EXPECT_TRUE(e2e::WaitFor([&] {
        for (int i = 0; i < bulbs; ++i)
            if (PixelsOtherThan(screen, 32 * i, otherBar, blue) == 0) return false;
        return true;
    })) << "some cell of the bar shows no bulb";
    int background = 0;
    for (int i = 0; i < bulbs; ++i) {
        background += 256 - PixelsOtherThan(screen, 32 * i, otherBar, blue);
        EXPECT_EQ(PixelsOtherThan(screen, 32 * i, 0, screenColour), 0) << "bulb " << i << " on the desktop";
        EXPECT_EQ(PixelsOtherThan(screen, 32 * i, otherBar + 40, screenColour), 0) << "below the bar at " << i;
    }
    EXPECT_GT(background, 0) << "no BackColor pixel in the bar";
    ReleaseDC(nullptr, screen);
    box.Stop();
}
