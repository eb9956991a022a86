// Painting the string, directly and off-screen: bulbs in place, others' pixels kept, nothing left behind.
#include "lights/string_paint.h"
#include "lights_fixture.h"

// Bulbs sit at 32 times their index, directly and off-screen: a lit one fills its cell, a dark one shows
// the background through its border; nothing is touched right of or below the string.
TEST_F(LightsTest, BulbsSitAt32TimesTheirIndexAndLeaveNothingBehind) {
    for (LONG noFlicker : {0, 1}) {
        SCOPED_TRACE(noFlicker ? "NoFlicker" : "direct");
        Canvas canvas(640, 64);
        settings.NoFlicker = noFlicker, settings.OwnWindow = 1, ownWindow = canvas.hwnd;
        auto expectString = [&](LONG wiped) {
            for (LONG i = 0, x = 0; i <= 12; ++i, x += kBulbSize) {   // bulb 12 is past the end
                const COLORREF colour = i < 12 ? TestColour(i, B(i).lit) : kBackground;
                const COLORREF background = i < 12 && B(i).lit ? colour : i == wiped ? kWipe : kBackground;
                const std::vector<COLORREF> shown = {canvas.Pixel(x + 16, 16), canvas.Pixel(x + 4, 27),
                    canvas.Pixel(x + 1, 1), canvas.Pixel(x + 30, 30), canvas.Pixel(x + 16, 32)};
                EXPECT_EQ(shown, std::vector<COLORREF>({colour, colour, background, background, kBackground})) << i;
            }
        };
        DressBulbs(12);
        iconsLoaded = false, PaintString();   // nothing is painted before the first set
        EXPECT_EQ(canvas.Pixel(16, 16), kBackground);
        iconsLoaded = true;
        for (unsigned lit : {0x249u, 0xDB6u, 0xD96u, 0xDB6u, 0xD96u}) {   // every third; all flipped; bulb 5 flips
            for (LONG i = 0; i < 12; ++i) B(i).lit = (lit >> i) & 1;
            PaintString(), expectString(-1);
        }
        // Someone paints over dark bulb 3 and corners of lit bulbs 1 and 2: the next step (Mode None) mends them.
        for (RECT wipe : {RECT{96, 0, 128, 32}, RECT{32, 0, 33, 1}, RECT{95, 31, 96, 32}}) canvas.Fill(wipe, kWipe);
        FlashStep(FlashForm::Timer), expectString(3);
        EXPECT_TRUE(canvas.Pixel(32, 0) == TestColour(1, 1) && canvas.Pixel(95, 31) == TestColour(2, 1));
        // Leaving the window (at shut-down) puts back what lay beneath, not over what others drew since.
        canvas.Fill({44, 8, 52, 16}, kWipe);   // over bulb 1
        ReleaseLightString();
        for (LONG i = 0; i < 12; ++i) EXPECT_EQ(canvas.Pixel(32 * i + 16, 20), i == 3 ? kWipe : kBackground) << i;
        EXPECT_EQ(canvas.Pixel(47, 10), kWipe);
    }
}

// Others draw into the row while bulbs with a larger lit picture flash: a dark bulb's clear border shows what
// they drew last or the window's colour, also in a bitmap of fewer colours (that gives back other values).
TEST_F(LightsTest, DarkBulbsShowWhatOthersDrewAndNothingOfTheirLitPicture) {
    constexpr int kCount = 6, kWidth = kCount * kBulbSize;
    DressBulbs(kCount);
    for (int target : {0, 1, 16}) {   // the window; the window off-screen; a 15-bit bitmap
        Canvas canvas(kWidth, 64);
        HDC dc = GetDC(canvas.hwnd), into = target == 16 ? CreateCompatibleDC(dc) : dc;
        BITMAPINFO info{{sizeof info.bmiHeader, kWidth, -64, 1, 16, BI_RGB, 0, 0, 0, 0, 0}, {}};
        void* bits = nullptr;
        HBITMAP bitmap = target == 16 ? CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
        if (bitmap) SelectObject(into, bitmap), BitBlt(into, 0, 0, kWidth, 64, dc, 0, 0, SRCCOPY);
        std::vector<COLORREF> theirs(kWidth * kBulbSize, GetPixel(into, 0, 40));
        StringBackdrop backdrop;
        std::srand(1);
        for (int round = 0; round <= 12; ++round) {
            for (int n = 0; n < 40; ++n) {
                const int x = std::rand() % kWidth, y = std::rand() % kBulbSize;
                SetPixelV(into, x, y, std::rand() & 1 ? kWipe : RGB(12, 34, 57));
                theirs[y * kWidth + x] = GetPixel(into, x, y);
            }
            for (LONG i = 0; i < kCount; ++i) B(i).lit = round < 12 && (i + round) % 3 == 0;
            PaintStrip(into, {0, 0, kWidth, kBulbSize}, lightString.bulbs, kCount, backdrop, target == 1);
        }
        int wrong = 0;
        for (int p = 0, x = 0, y = 0; p < kWidth * kBulbSize; ++p, x = p % kBulbSize, y = p / kWidth)
            wrong += (x < 4 || y < 4 || x >= 28 || y >= 28) && GetPixel(into, p % kWidth, y) != theirs[p];
        EXPECT_EQ(wrong, 0) << "target " << target;
        ReleaseBackdrop(backdrop), ReleaseDC(canvas.hwnd, dc);
        if (bitmap) DeleteDC(into), DeleteObject(bitmap);
    }
}
