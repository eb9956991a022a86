// End to end: the running program's bulbs on the screen, in both paint paths, flashing.
#include <gtest/gtest.h>

#include <string>

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
