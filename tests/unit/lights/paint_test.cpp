// Painting the string into a real window, directly and through the off-screen strip.
#include "app/app.h"
#include "canvas_window.h"
#include "lights/own_window.h"
#include "lights_fixture.h"

namespace {

constexpr COLORREF kBackground = RGB(12, 34, 56);

class Painting : public LightsTest, public ::testing::WithParamInterface<LONG> {
protected:
    void SetUp() override {
        LightsTest::SetUp();
        settings.NoFlicker = GetParam();
        settings.OwnWindow = 1;
        ownWindow = canvas_.hwnd();
    }
    void TearDown() override {
        for (Bulb& bulb : lightString.bulbs) bulb.icon[0] = bulb.icon[1] = nullptr;
        LightsTest::TearDown();
    }

    // Every bulb shows its lit state's colour inside, the background through its
    // transparent border, and nothing is touched right of or below the string.
    void ExpectString(LONG count) {
        for (LONG i = 0; i < count; ++i) {
            const int x = kBulbSize * i;
            EXPECT_EQ(canvas_.Pixel(x + 16, 16), TestBulbColour(i, B(i).lit)) << "bulb " << i;
            EXPECT_EQ(canvas_.Pixel(x + 4, 27), TestBulbColour(i, B(i).lit)) << "bulb " << i;
            EXPECT_EQ(canvas_.Pixel(x + 1, 1), kBackground) << "bulb " << i;
            EXPECT_EQ(canvas_.Pixel(x + 30, 30), kBackground) << "bulb " << i;
            EXPECT_EQ(canvas_.Pixel(x + 16, 32), kBackground) << "below bulb " << i;
        }
        EXPECT_EQ(canvas_.Pixel(count * kBulbSize, 0), kBackground);
        EXPECT_EQ(canvas_.Pixel(count * kBulbSize + 16, 16), kBackground);
    }

    CanvasWindow canvas_{640, 64, kBackground};
    SolidIcons icons_;
};

}  // namespace

TEST_P(Painting, EveryBulbSitsAt32TimesItsIndex) {
    lightString.bulbCount = 12;
    DressBulbs(icons_, 12);
    for (LONG i = 0; i < 12; ++i) B(i).lit = (i % 3) == 0;
    PaintString();
    ExpectString(12);
    // A later paint shows the new states over the old ones.
    for (LONG i = 0; i < 12; ++i) B(i).lit = 1 - B(i).lit;
    PaintString();
    ExpectString(12);
}

TEST_P(Painting, NothingIsPaintedBeforeTheFirstSetOrWithoutIcons) {
    lightString.bulbCount = 4;
    DressBulbs(icons_, 4);
    iconsLoaded = false;
    PaintString();
    EXPECT_EQ(canvas_.Pixel(16, 16), kBackground);
    iconsLoaded = true;
    B(1).icon[1] = nullptr;
    B(1).lit = 1;
    PaintString();
    EXPECT_EQ(canvas_.Pixel(32 + 16, 16), kBackground);
    EXPECT_EQ(canvas_.Pixel(16, 16), TestBulbColour(0, 0));
}

// A lit bulb that covers its whole cell, then dark: nothing of the lit picture stays
// around the dark one. A cell its window repainted takes the new pixels as background.
TEST_P(Painting, EachPaintStartsFromTheWindowsOwnPixels) {
    lightString.bulbCount = 3;
    for (LONG i = 0; i < 3; ++i) {
        B(i).x = kBulbSize * i;
        B(i).y = 0;
        B(i).icon[0] = icons_.Make(RGB(0, 0, 200));
        B(i).icon[1] = icons_.Make(RGB(250, 250, 0), 0);
        B(i).lit = 1;
    }
    iconsLoaded = true;
    PaintString();
    EXPECT_EQ(canvas_.Pixel(32 + 1, 1), RGB(250, 250, 0));
    for (LONG i = 0; i < 3; ++i) B(i).lit = 0;
    PaintString();
    for (LONG i = 0; i < 3; ++i) {
        EXPECT_EQ(canvas_.Pixel(kBulbSize * i + 1, 1), kBackground) << i;
        EXPECT_EQ(canvas_.Pixel(kBulbSize * i + 16, 16), RGB(0, 0, 200)) << i;
    }
    // The window paints something new under bulb 1.
    HDC dc = GetDC(canvas_.hwnd());
    HBRUSH brush = CreateSolidBrush(RGB(90, 0, 0));
    const RECT cell = {32, 0, 64, 32};
    FillRect(dc, &cell, brush);
    DeleteObject(brush);
    ReleaseDC(canvas_.hwnd(), dc);
    for (int n = 0; n < 2; ++n) {
        B(1).lit = 1 - n;
        PaintString();
    }
    EXPECT_EQ(canvas_.Pixel(32 + 1, 1), RGB(90, 0, 0));
    EXPECT_EQ(canvas_.Pixel(32 + 16, 16), RGB(0, 0, 200));
    EXPECT_EQ(canvas_.Pixel(1, 1), kBackground);
}

// The real catalogue icons land on the same cells in both paths.
TEST_P(Painting, LoadedBulbSetMatchesItsIconsDrawnAlone) {
    lightString.bulbCount = 20;
    Load(0, kSchemeColored);
    PaintString();
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kBulbSize, kBulbSize);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH brush = CreateSolidBrush(kBackground);
    const RECT cell = {0, 0, kBulbSize, kBulbSize};
    for (LONG i = 0; i < 20; ++i) {
        FillRect(dc, &cell, brush);
        DrawIconEx(dc, 0, 0, B(i).icon[B(i).lit], kBulbSize, kBulbSize, 0, nullptr, DI_NORMAL);
        int differing = 0;
        for (int y = 0; y < kBulbSize; y += 3)
            for (int x = 0; x < kBulbSize; x += 3)
                differing += canvas_.Pixel(kBulbSize * i + x, y) != GetPixel(dc, x, y);
        EXPECT_EQ(differing, 0) << "bulb " << i;
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteObject(brush);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

INSTANTIATE_TEST_SUITE_P(BothPaths, Painting, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<LONG>& info) {
                             return info.param ? std::string("NoFlicker") : std::string("Direct");
                         });

TEST_F(LightsTest, DrawingWindowPrefersSaverThenOwnWindowThenDesktop) {
    CanvasWindow own(64, 32, kBackground), saver(64, 32, kBackground);
    EXPECT_EQ(DrawingWindow(), desktopWindow);
    ownWindow = own.hwnd();
    EXPECT_EQ(DrawingWindow(), desktopWindow);   // OwnWindow is clear
    settings.OwnWindow = 1;
    EXPECT_EQ(DrawingWindow(), own.hwnd());
    saverWindow = saver.hwnd();
    EXPECT_EQ(DrawingWindow(), saver.hwnd());
    saverWindow = nullptr;
    ownWindow = nullptr;
    EXPECT_EQ(DrawingWindow(), desktopWindow);   // OwnWindow set but no window
}

TEST_F(LightsTest, OwnWindowColourReplacesAndReleasesItsBrush) {
    CanvasWindow own(200, 32, kBackground);
    const HBRUSH original = reinterpret_cast<HBRUSH>(GetClassLongPtrA(own.hwnd(), GCLP_HBRBACKGROUND));
    own.UseClassBackground();
    ownWindow = own.hwnd();
    settings.BackColor = 4;
    ApplyOwnWindowColor();
    const HBRUSH white = reinterpret_cast<HBRUSH>(GetClassLongPtrA(own.hwnd(), GCLP_HBRBACKGROUND));
    LOGBRUSH lb{};
    ASSERT_TRUE(GetObjectA(white, sizeof lb, &lb));
    EXPECT_EQ(lb.lbColor, RGB(255, 255, 255));
    EXPECT_EQ(own.Pixel(100, 16), RGB(255, 255, 255));
    EXPECT_NE(GetObjectType(original), 0u);       // the class's own brush is not ours to delete

    settings.BackColor = 5;
    ApplyOwnWindowColor();
    EXPECT_EQ(GetObjectType(white), 0u);          // our previous brush is released
    EXPECT_EQ(own.Pixel(100, 16), RGB(0, 0, 127));
    SetClassLongPtrA(own.hwnd(), GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(original));

    EXPECT_EQ(OwnWindowBackColor(0), GetSysColor(COLOR_BACKGROUND));
    EXPECT_EQ(OwnWindowBackColor(2), RGB(127, 127, 127));
    EXPECT_EQ(OwnWindowBackColor(6), RGB(0, 0, 255));
    EXPECT_EQ(OwnWindowBackColor(9), GetSysColor(COLOR_BACKGROUND));
}

TEST_F(LightsTest, SwitchingOwnWindowOffDestroysIt) {
    CanvasWindow own(64, 32, kBackground);
    ownWindow = own.hwnd();
    settings.OwnWindow = 0;
    ApplyOwnWindowSetting();
    EXPECT_EQ(ownWindow, nullptr);
    EXPECT_FALSE(IsWindow(own.hwnd()));
}
