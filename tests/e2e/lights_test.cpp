// End to end: the running program's string on the screen, flashing, and the screen as it
// was once the program has gone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"

namespace {

constexpr int kBulb = 32;

// The strip `under` (as the screen showed it before the program) with one of the
// program's own bulb icons drawn in every cell.
std::vector<uint32_t> StripWith(const char* iconName, const std::vector<uint32_t>& under, int width) {
    HMODULE exe = LoadLibraryExA((e2e::ProgramDir() + "\\lumenkin.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HICON icon = exe ? static_cast<HICON>(LoadImageA(exe, iconName, IMAGE_ICON, kBulb, kBulb, 0)) : nullptr;
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -kBulb, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    auto* pixels = static_cast<uint32_t*>(bits);
    std::copy(under.begin(), under.begin() + width * kBulb, pixels);
    for (int x = 0; icon && x + kBulb <= width; x += kBulb) DrawIconEx(dc, x, 0, icon, kBulb, kBulb, 0, nullptr, DI_NORMAL);
    GdiFlush();
    std::vector<uint32_t> strip(pixels, pixels + (icon ? width * kBulb : 0));
    for (uint32_t& pixel : strip) pixel &= 0xFFFFFF;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    if (icon) DestroyIcon(icon);
    if (exe) FreeLibrary(exe);
    return strip;
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
        const std::vector<uint32_t> lit = StripWith("LIGHT12", before, width), dark = StripWith("LIGHT02", before, width);
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
