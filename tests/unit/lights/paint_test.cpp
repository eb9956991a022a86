// Painting the string into a real window, directly and through the off-screen strip.
#include "lights_fixture.h"

namespace {

class Painting : public LightsTest, public ::testing::WithParamInterface<LONG> {
protected:
    void SetUp() override {
        LightsTest::SetUp();
        settings.NoFlicker = GetParam();
        settings.OwnWindow = 1;
        ownWindow = canvas_.hwnd;
    }
    // Each bulb shows its lit state's colour inside and the background through its
    // border; nothing is touched right of or below the string.
    void ExpectString(LONG count) {
        for (LONG i = 0; i < count; ++i) {
            const int x = kBulbSize * i;
            EXPECT_EQ(canvas_.Pixel(x + 16, 16), TestColour(i, B(i).lit)) << "bulb " << i;
            EXPECT_EQ(canvas_.Pixel(x + 4, 27), TestColour(i, B(i).lit)) << "bulb " << i;
            EXPECT_EQ(canvas_.Pixel(x + 1, 1), kBackground) << "bulb " << i;
            EXPECT_EQ(canvas_.Pixel(x + 30, 30), kBackground) << "bulb " << i;
            EXPECT_EQ(canvas_.Pixel(x + 16, 32), kBackground) << "below bulb " << i;
        }
        EXPECT_EQ(canvas_.Pixel(count * kBulbSize, 0), kBackground);
        EXPECT_EQ(canvas_.Pixel(count * kBulbSize + 16, 16), kBackground);
    }
    Canvas canvas_{640, 64};
};

}  // namespace

TEST_P(Painting, EveryBulbSitsAt32TimesItsIndex) {
    DressBulbs(12);
    iconsLoaded = false;   // nothing is painted before the first set
    PaintString();
    EXPECT_EQ(canvas_.Pixel(16, 16), kBackground);
    iconsLoaded = true;
    for (int round = 0; round < 2; ++round) {   // a later paint shows the new states
        for (LONG i = 0; i < 12; ++i) B(i).lit = (i % 3 == 0) != (round == 1);
        PaintString();
        ExpectString(12);
    }
    canvas_.Clear();   // a step repaints even when no bulb changed
    FlashStep(FlashForm::Timer);
    ExpectString(12);
}

// A lit bulb covering its whole cell goes dark: nothing of the lit picture stays around
// the dark one. A cell its window repainted takes the new pixels as background.
TEST_P(Painting, EachPaintStartsFromTheWindowsOwnPixels) {
    lightString.bulbCount = 3;
    for (LONG i = 0; i < 3; ++i) B(i) = Bulb{kBulbSize * i, 0, 1, 0, 0, 1, 0, 0, {SolidIcon(RGB(0, 0, 200)), SolidIcon(RGB(250, 250, 0), 0)}};
    iconsLoaded = true;
    PaintString();
    EXPECT_EQ(canvas_.Pixel(32 + 1, 1), RGB(250, 250, 0));
    for (LONG i = 0; i < 3; ++i) B(i).lit = 0;
    PaintString();
    for (LONG i = 0; i < 3; ++i) {
        EXPECT_EQ(canvas_.Pixel(kBulbSize * i + 1, 1), kBackground) << i;
        EXPECT_EQ(canvas_.Pixel(kBulbSize * i + 16, 16), RGB(0, 0, 200)) << i;
    }
    HDC dc = GetDC(canvas_.hwnd);   // the window paints something new under bulb 1
    HBRUSH brush = CreateSolidBrush(RGB(90, 0, 0));
    const RECT cell = {32, 0, 64, 32};
    FillRect(dc, &cell, brush);
    DeleteObject(brush);
    ReleaseDC(canvas_.hwnd, dc);
    for (LONG lit : {1, 0}) {
        B(1).lit = lit;
        PaintString();
    }
    EXPECT_EQ(canvas_.Pixel(32 + 1, 1), RGB(90, 0, 0));
    EXPECT_EQ(canvas_.Pixel(32 + 16, 16), RGB(0, 0, 200));
    EXPECT_EQ(canvas_.Pixel(1, 1), kBackground);
}

INSTANTIATE_TEST_SUITE_P(BothPaths, Painting, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<LONG>& info) {
                             return std::string(info.param ? "NoFlicker" : "Direct");
                         });
