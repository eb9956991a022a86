// End to end: the running program's string on the screen, flashing, and the screen as it
// was once the program has gone; the string in its own top bar instead.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness.h"

namespace {

constexpr int kBulb = 32;

// The strip `under` (as the screen showed it before the program) with one of the
// program's own bulb icons drawn in every cell.
std::vector<uint32_t> StripWith(const char* iconName, const std::vector<uint32_t>& under, int width) {
    HMODULE exe = LoadLibraryExA((e2e::ProgramDir() + "\\lumenkin.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HICON icon = exe ? static_cast<HICON>(LoadImageA(exe, iconName, IMAGE_ICON, kBulb, kBulb, 0)) : nullptr;
    std::vector<uint32_t> strip = e2e::Picture(width, kBulb, under.data(), [&](HDC dc) {
        for (int x = 0; x + kBulb <= width; x += kBulb) DrawIconEx(dc, x, 0, icon, kBulb, kBulb, 0, nullptr, DI_NORMAL);
    });
    if (icon) DestroyIcon(icon);
    if (exe) FreeLibrary(exe);
    return icon ? strip : std::vector<uint32_t>{};
}

}  // namespace

// Red Normal bulbs in every place, All Together: the whole string goes on and off, each
// bulb over what the screen showed there, nothing below it. Nothing repaints the bare X
// root, which outlives the program, so after "Remove Lights" the program must have put
// back exactly what was under the string.
TEST(ScreenString, FlashesAllTogetherOverTheScreenAndPutsItBackOnRemoveLights) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const RECT top = {0, 0, width, 2 * kBulb}, strip = {0, 0, width, kBulb};
    for (const char* noFlicker : {"0", "1"}) {
        SCOPED_TRACE(noFlicker);
        e2e::FillScreen(RGB(20, 40, 90));
        HDC screen = GetDC(nullptr);   // a cross-hatch, so that a pixel out of place shows
        HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, RGB(230, 140, 20));
        FillRect(screen, &top, hatch);
        DeleteObject(hatch);
        ReleaseDC(nullptr, screen);
        const std::vector<uint32_t> before = e2e::ScreenBits(top);
        const auto lit = StripWith("LIGHT12", before, width), dark = StripWith("LIGHT02", before, width);
        ASSERT_FALSE(lit.empty() || dark.empty());
        e2e::Sandbox box;
        box.WriteIniText(e2e::kQuiet + "Mode=2\r\nRate=3\r\nBulbType=0\r\nColor=2\r\nNotSoMany=0\r\nNoFlicker=" +
                         noFlicker + "\r\n");
        ASSERT_TRUE(box.Start());
        ASSERT_NE(box.MainWindow(), nullptr);
        for (const auto* expected : {&lit, &dark, &lit, &dark})
            EXPECT_TRUE(e2e::WaitFor([&] { return e2e::ScreenBits(strip) == *expected; }, 5000))
                << (expected == &lit ? "all lit" : "all dark");
        const std::vector<uint32_t> now = e2e::ScreenBits(top);
        EXPECT_TRUE(std::equal(now.begin() + width * kBulb, now.end(), before.begin() + width * kBulb))
            << "painted below the string";
        EXPECT_EQ(box.RemoveLights(), 0u);
        EXPECT_TRUE(e2e::ScreenBits(top) == before) << "the strip is not as it was";
    }
}

TEST(OwnWindow, BulbsAreDrawnInATopBarInTheBackColourAndNotOnTheDesktop) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    e2e::FillScreen(RGB(0, 160, 0));   // nothing repaints the bare screen
    const uint32_t screen = 0x00A000, blue = 0x0000FF;   // BackColor 6
    e2e::Sandbox box;
    box.WriteIniText(e2e::kQuiet + "OwnWindow=1\r\nBackColor=6\r\nNotSoMany=0\r\nMode=2\r\nRate=4\r\n");
    ASSERT_TRUE(box.Start());
    HWND bar = e2e::WaitForWindow(box.pid(), "lmkAppBarwClass", nullptr);
    RECT r{};
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
