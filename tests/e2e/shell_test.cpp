// End to end: the string drawn in the own taskbar window rather than on the desktop.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "harness.h"

TEST(OwnWindow, BulbsAreDrawnInATopBarInTheBackColourAndNotOnTheDesktop) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    e2e::FillScreen(RGB(0, 160, 0));   // nothing repaints the bare screen
    const uint32_t screen = 0x00A000, blue = 0x0000FF;   // BackColor 6
    e2e::Sandbox box;
    box.WriteIniText(e2e::kQuiet + "OwnWindow=1\r\nBackColor=6\r\nNotSoMany=0\r\nMode=2\r\nRate=4\r\n");
    ASSERT_TRUE(box.Start());
    HWND bar = nullptr;
    ASSERT_TRUE(e2e::WaitFor([&] { return (bar = FindWindowA("lmkAppBarwClass", nullptr)) && IsWindowVisible(bar); }));
    RECT r;
    GetWindowRect(bar, &r);
    EXPECT_TRUE(r.left == 0 && r.top == 0 && r.right == width && r.bottom == 32)
        << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    // A bulb in every cell of the bar, on the BackColor background; below it only the
    // screen's own colour.
    EXPECT_TRUE(e2e::WaitFor([&] {
        std::vector<int> bulbPixels(width / 32);
        size_t backPixels = 0, screenPixels = 0;
        const std::vector<uint32_t> pixels = e2e::ScreenBits(RECT{0, 0, width, 32});
        for (size_t i = 0; i < pixels.size(); ++i)
            pixels[i] == blue ? ++backPixels : pixels[i] == screen ? ++screenPixels : ++bulbPixels[i % width / 32];
        return screenPixels == 0 && backPixels > 0 && std::count(bulbPixels.begin(), bulbPixels.end(), 0) == 0;
    })) << "some cell of the bar shows no bulb, or the bar no BackColor";
    for (uint32_t pixel : e2e::ScreenBits(RECT{0, 32, width, 72})) ASSERT_EQ(pixel, screen) << "a bulb below the bar";
}
