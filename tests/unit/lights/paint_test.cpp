// Painting the string into a real window, directly and through the off-screen strip:
// bulbs in their places, what others draw kept as theirs, nothing of a lit bulb left behind.
#include "lights/string_paint.h"
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
    // Each bulb shows its lit state's colour inside and its background through its border;
    // nothing is touched right of or below the string.
    void ExpectString(LONG count, LONG wiped = -1) {
        for (LONG i = 0; i < count; ++i) {
            const int x = kBulbSize * i;
            const COLORREF colour = TestColour(i, B(i).lit), background = i == wiped ? kWipe : kBackground;
            EXPECT_EQ(std::vector<COLORREF>({canvas_.Pixel(x + 16, 16), canvas_.Pixel(x + 4, 27), canvas_.Pixel(x + 1, 1),
                                             canvas_.Pixel(x + 30, 30), canvas_.Pixel(x + 16, 32)}),
                      std::vector<COLORREF>({colour, colour, background, background, kBackground})) << "bulb " << i;
        }
        EXPECT_EQ(canvas_.Pixel(count * kBulbSize, 0), kBackground);
        EXPECT_EQ(canvas_.Pixel(count * kBulbSize + 16, 16), kBackground);
    }
    Canvas canvas_{640, 64};
};

}  // namespace

TEST_P(Painting, BulbsSitAt32TimesTheirIndexAndLeaveNothingBehind) {
    DressBulbs(12);
    iconsLoaded = false;   // nothing is painted before the first set
    PaintString();
    EXPECT_EQ(canvas_.Pixel(16, 16), kBackground);
    iconsLoaded = true;
    // Lit bulbs as bits: every third; all of them flipped; then only bulb 5 flipped back.
    for (unsigned lit : {0x249u, 0xDB6u, 0xD96u}) {
        for (LONG i = 0; i < 12; ++i) B(i).lit = (lit >> i) & 1;
        PaintString();
        ExpectString(12);
    }
    // Someone paints over bulb 4, which is not changing (Mode None): the next step puts it
    // back whole over the new pixels.
    canvas_.Fill({4 * kBulbSize, 0, 5 * kBulbSize, kBulbSize}, kWipe);
    FlashStep(FlashForm::Timer);
    ExpectString(12, 4);
    // When the string leaves its window (here at shut-down), what lay beneath it comes back,
    // and what someone else drew since the last paint stays.
    canvas_.Fill({44, 8, 52, 16}, kWipe);   // over bulb 1
    ReleaseLightString();
    for (LONG i = 0; i < 12; ++i)
        EXPECT_EQ(canvas_.Pixel(kBulbSize * i + 16, 20), i == 4 ? kWipe : kBackground) << i;
    EXPECT_EQ(canvas_.Pixel(47, 10), kWipe);
}

INSTANTIATE_TEST_SUITE_P(BothPaths, Painting, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<LONG>& info) {
                             return std::string(info.param ? "NoFlicker" : "Direct");
                         });

// Others keep drawing into the bulb row (as the saver's snow and fireworks do) while bulbs
// flash whose lit picture covers more than the dark one. Where a dark bulb leaves its cell
// clear, the cell shows exactly what the others drew last, or the window's own colour:
// nothing of the lit picture. Also in a bitmap of fewer colours, which gives back other
// values than the ones written to it.
using Glow = LightsTest;

TEST_F(Glow, DarkBulbsShowWhatOthersDrewAndNothingOfTheirLitPicture) {
    constexpr LONG kCount = 6;
    constexpr int kWidth = kCount * kBulbSize;
    DressBulbs(kCount, 0);
    const struct { WORD bits; bool offscreen; } targets[] = {{0, false}, {0, true}, {16, false}};
    for (const auto& t : targets) {
        SCOPED_TRACE(testing::Message() << "bits " << t.bits << ", offscreen " << t.offscreen);
        Canvas canvas(kWidth, 64);
        HDC dc = GetDC(canvas.hwnd), into = dc;
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, kWidth, -64, 1, t.bits, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP bitmap = t.bits ? CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
        if (bitmap) {
            into = CreateCompatibleDC(dc);
            SelectObject(into, bitmap);
            BitBlt(into, 0, 0, kWidth, 64, dc, 0, 0, SRCCOPY);
        }
        std::vector<COLORREF> theirs(kWidth * kBulbSize, GetPixel(into, 0, 40));
        StringBackdrop backdrop;
        unsigned seed = 1;
        auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
        for (int round = 0; round <= 12; ++round) {
            for (int n = 0; n < 40; ++n) {
                const int x = next() % kWidth, y = next() % kBulbSize;
                SetPixelV(into, x, y, (next() & 1) ? RGB(255, 0, 255) : RGB(0, 255, 255));
                theirs[y * kWidth + x] = GetPixel(into, x, y);
            }
            for (LONG i = 0; i < kCount; ++i) B(i).lit = round < 12 && (i + round) % 3 == 0;
            PaintStrip(into, {0, 0, kWidth, kBulbSize}, lightString.bulbs, kCount, backdrop, t.offscreen);
        }
        int wrong = 0;
        for (int p = 0; p < kWidth * kBulbSize; ++p) {
            const int x = p % kBulbSize, y = p / kWidth;   // x within its cell
            if (x < 4 || y < 4 || x >= 28 || y >= 28) wrong += GetPixel(into, p % kWidth, y) != theirs[p];
        }
        EXPECT_EQ(wrong, 0);
        ReleaseBackdrop(backdrop);
        if (bitmap) DeleteDC(into), DeleteObject(bitmap);
        ReleaseDC(canvas.hwnd, dc);
    }
}
