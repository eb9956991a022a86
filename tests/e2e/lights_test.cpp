// End to end: the running program's bulbs on the screen, in both paint paths, flashing.
#include <gtest/gtest.h>

#include <string>

#include "harness.h"

using e2e::Sandbox;

namespace {

constexpr COLORREF kBackground = RGB(20, 40, 90);
constexpr int kBulb = 32;

// One bulb icon of the built program drawn alone over the test background: what each
// cell of the string must look like.
class ReferenceBulb {
public:
    explicit ReferenceBulb(const char* iconName) {
        HMODULE exe = LoadLibraryExA((e2e::BuildDir() + "\\lumenkin.exe").c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE);
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
        if (icon) DrawIconEx(dc_, 0, 0, icon, kBulb, kBulb, 0, nullptr, DI_NORMAL);
        ok_ = icon != nullptr;
        if (icon) DestroyIcon(icon);
        if (exe) FreeLibrary(exe);
    }
    ~ReferenceBulb() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    bool ok() const { return ok_; }

    // Pixels of the screen cell at x that differ from the picture (every other pixel).
    int Differences(int x) const {
        HDC screen = GetDC(nullptr);
        int differing = 0;
        for (int y = 0; y < kBulb; y += 2)
            for (int i = 0; i < kBulb; i += 2) differing += GetPixel(screen, x + i, y) != GetPixel(dc_, i, y);
        ReleaseDC(nullptr, screen);
        return differing;
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    bool ok_ = false;
};

void StartLights(Sandbox& box, const char* mode, const char* noFlicker) {
    box.WriteQuietIni();
    box.SetValue("Settings", "Mode", mode);
    box.SetValue("Settings", "Rate", "4");
    box.SetValue("Settings", "BulbType", "0");
    box.SetValue("Settings", "Color", "2");
    box.SetValue("Settings", "NotSoMany", "0");
    box.SetValue("Settings", "NoFlicker", noFlicker);
    e2e::FillScreen(kBackground);
    ASSERT_TRUE(box.Start());
    ASSERT_NE(box.MainWindow(), nullptr);
}

class ScreenString : public ::testing::TestWithParam<const char*> {};

}  // namespace

// Steady red Normal bulbs: every cell along the top edge shows the lit picture.
TEST_P(ScreenString, EveryBulbShowsAt32TimesItsIndex) {
    ReferenceBulb lit("LIGHT12");
    ASSERT_TRUE(lit.ok());
    Sandbox box;
    StartLights(box, "0", GetParam());
    const int count = GetSystemMetrics(SM_CXSCREEN) / kBulb;
    ASSERT_TRUE(e2e::WaitFor([&] { return lit.Differences((count - 1) * kBulb) == 0; }));
    for (int i = 0; i < count; ++i) EXPECT_EQ(lit.Differences(i * kBulb), 0) << "bulb " << i;
    // Under the string the screen is untouched.
    EXPECT_EQ(e2e::ScreenPixel(100, kBulb), kBackground);
    box.Stop();
}

INSTANTIATE_TEST_SUITE_P(BothPaths, ScreenString, ::testing::Values("0", "1"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param[0] == '1' ? "NoFlicker" : "Direct");
                         });

// All Together at the fastest rate: the whole string goes on and off together.
TEST_P(ScreenString, AllTogetherFlashesTheWholeString) {
    ReferenceBulb lit("LIGHT12"), dark("LIGHT02");
    ASSERT_TRUE(lit.ok() && dark.ok());
    Sandbox box;
    StartLights(box, "2", GetParam());
    const int last = (GetSystemMetrics(SM_CXSCREEN) / kBulb - 1) * kBulb;
    for (int round = 0; round < 2; ++round) {
        EXPECT_TRUE(e2e::WaitFor([&] { return lit.Differences(0) == 0 && lit.Differences(last) == 0; }, 5000));
        EXPECT_TRUE(e2e::WaitFor([&] { return dark.Differences(0) == 0 && dark.Differences(last) == 0; }, 5000));
    }
    box.Stop();
}
