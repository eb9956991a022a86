// End to end: the running program's bulbs on the screen, in both paint paths, flashing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"

namespace {

constexpr COLORREF kBackground = RGB(20, 40, 90);
constexpr int kBulb = 32;

// One bulb icon of the built program drawn alone over the test background.
class ReferenceBulb {
public:
    explicit ReferenceBulb(const char* iconName) {
        HMODULE exe = LoadLibraryExA((e2e::ProgramDir() + "\\lumenkin.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        HICON icon = exe ? static_cast<HICON>(LoadImageA(exe, iconName, IMAGE_ICON, kBulb, kBulb, 0)) : nullptr;
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, kBulb, kBulb);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
        HBRUSH brush = CreateSolidBrush(kBackground);
        const RECT cell = {0, 0, kBulb, kBulb};
        FillRect(dc_, &cell, brush);
        DeleteObject(brush);
        ok = icon && DrawIconEx(dc_, 0, 0, icon, kBulb, kBulb, 0, nullptr, DI_NORMAL);
        if (icon) DestroyIcon(icon);
        if (exe) FreeLibrary(exe);
    }
    ~ReferenceBulb() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    // Whether the screen cell at x shows the picture (every other pixel compared).
    bool ShownAt(int x) const {
        HDC screen = GetDC(nullptr);
        int differing = 0;
        for (int y = 0; y < kBulb; y += 2)
            for (int i = 0; i < kBulb; i += 2) differing += GetPixel(screen, x + i, y) != GetPixel(dc_, i, y);
        ReleaseDC(nullptr, screen);
        return differing == 0;
    }
    bool ok = false;

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

class ScreenString : public ::testing::TestWithParam<const char*> {};

// The top rows of the screen as 0x00RRGGBB pixels.
std::vector<DWORD> ScreenRows(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    BitBlt(dc, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<DWORD> pixels(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + width * height);
    for (DWORD& pixel : pixels) pixel &= 0xFFFFFF;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

}  // namespace

// Red Normal bulbs at the fastest rate, NoFlicker off and on: steady, every cell shows the
// lit picture; All Together, the whole string goes on and off together.
TEST_P(ScreenString, SteadyBulbsFillTheTopAndAllTogetherFlashesThemAll) {
    ReferenceBulb lit("LIGHT12"), dark("LIGHT02");
    ASSERT_TRUE(lit.ok && dark.ok);
    const int last = (GetSystemMetrics(SM_CXSCREEN) / kBulb - 1) * kBulb;
    for (const char* mode : {"0", "2"}) {
        e2e::Sandbox box;
        box.WriteIniText(std::string("[Settings]\r\nWarnMusic=0\r\nStartOptions=0\r\nRate=4\r\nBulbType=0\r\n"
                                     "Color=2\r\nNotSoMany=0\r\nNoFlicker=") + GetParam() + "\r\nMode=" + mode + "\r\n");
        e2e::FillScreen(kBackground);
        ASSERT_TRUE(box.Start());
        ASSERT_NE(box.MainWindow(), nullptr);
        if (mode[0] == '0') {
            ASSERT_TRUE(e2e::WaitFor([&] { return lit.ShownAt(last); }));
            for (int x = 0; x <= last; x += kBulb) EXPECT_TRUE(lit.ShownAt(x)) << "bulb " << x / kBulb;
            EXPECT_EQ(e2e::ScreenPixel(100, kBulb), kBackground) << "under the string";
        } else {
            for (const ReferenceBulb* bulb : {&lit, &dark, &lit, &dark})
                EXPECT_TRUE(e2e::WaitFor([&] { return bulb->ShownAt(0) && bulb->ShownAt(last); }, 5000));
        }
        box.Stop();
    }
}

INSTANTIATE_TEST_SUITE_P(BothPaths, ScreenString, ::testing::Values("0", "1"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param[0] == '1' ? "NoFlicker" : "Direct");
                         });

// Nothing repaints the bare X root, which outlives the program: after "Remove Lights"
// the top of the screen shows exactly what it showed before the program started.
TEST(ScreenStringEnd, RemoveLightsLeavesTheScreenAsItWas) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    e2e::FillScreen(kBackground);
    HDC screen = GetDC(nullptr);   // a cross-hatch, so that a pixel put back out of place shows
    HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, RGB(230, 140, 20));
    const RECT top = {0, 0, width, 2 * kBulb};
    FillRect(screen, &top, hatch);
    DeleteObject(hatch);
    ReleaseDC(nullptr, screen);
    const std::vector<DWORD> before = ScreenRows(width, 2 * kBulb);
    e2e::Sandbox box;
    box.WriteIniText("[Settings]\r\nWarnMusic=0\r\nStartOptions=0\r\nMode=2\r\nRate=4\r\n");
    ASSERT_TRUE(box.Start());
    HWND main = box.MainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(e2e::WaitFor([&] { return ScreenRows(width, 2 * kBulb) != before; }));
    Sleep(1000);   // several flashes
    PostMessageA(main, WM_SYSCOMMAND, 1003, 0);
    ASSERT_TRUE(box.WaitExit(10000, nullptr));
    const std::vector<DWORD> after = ScreenRows(width, 2 * kBulb);
    int differing = 0;
    for (size_t p = 0; p < after.size(); ++p) differing += after[p] != before[p];
    EXPECT_EQ(differing, 0);
}
