// Painting the string into a real window, directly and through the off-screen strip:
// bulbs in their places, what others draw kept as theirs, no glow left behind.
#include <vector>

#include "lights/string_paint.h"
#include "lights_fixture.h"

namespace {

constexpr COLORREF kWipe = RGB(90, 0, 0);

void Fill(HDC dc, const RECT& area, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

// The top rows of a DC as 0x00RRGGBB pixels.
std::vector<DWORD> ReadRows(HDC dc, int width, int height) {
    StripBitmap copy;
    copy.Create(dc, width, height);
    BitBlt(copy.dc, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<DWORD> pixels(copy.bits, copy.bits + width * height);
    for (DWORD& pixel : pixels) pixel &= 0xFFFFFF;
    copy.Release();
    return pixels;
}

// Per pixel of a cell: true where the icon leaves what lies beneath untouched (drawn
// over black on the left and over white on the right, both stay as they were).
std::vector<bool> ClearPixels(HICON icon) {
    StripBitmap pair;
    HDC screen = GetDC(nullptr);
    pair.Create(screen, 2 * kBulbSize, kBulbSize);
    ReleaseDC(nullptr, screen);
    PatBlt(pair.dc, 0, 0, kBulbSize, kBulbSize, BLACKNESS);
    PatBlt(pair.dc, kBulbSize, 0, kBulbSize, kBulbSize, WHITENESS);
    for (int x : {0, kBulbSize}) DrawIconEx(pair.dc, x, 0, icon, kBulbSize, kBulbSize, 0, nullptr, DI_NORMAL);
    const std::vector<DWORD> over = ReadRows(pair.dc, 2 * kBulbSize, kBulbSize);
    pair.Release();
    std::vector<bool> clear;
    for (int y = 0; y < kBulbSize; ++y)
        for (int x = 0; x < kBulbSize; ++x)
            clear.push_back(over[y * 2 * kBulbSize + x] == 0 && over[y * 2 * kBulbSize + kBulbSize + x] == 0xFFFFFF);
    return clear;
}

class Painting : public LightsTest, public ::testing::WithParamInterface<LONG> {
protected:
    void SetUp() override {
        LightsTest::SetUp();
        settings.NoFlicker = GetParam();
        settings.OwnWindow = 1;
        ownWindow = canvas_.hwnd;
    }
    void Wipe(const RECT& area) {
        HDC dc = GetDC(canvas_.hwnd);
        Fill(dc, area, kWipe);
        ReleaseDC(canvas_.hwnd, dc);
    }
    // Each bulb shows its lit state's colour inside and its background through its
    // border; nothing is touched right of or below the string.
    void ExpectString(LONG count, LONG wiped = -1) {
        for (LONG i = 0; i < count; ++i) {
            const int x = kBulbSize * i;
            const COLORREF background = i == wiped ? kWipe : kBackground;
            EXPECT_EQ(canvas_.Pixel(x + 16, 16), TestColour(i, B(i).lit)) << "bulb " << i;
            EXPECT_EQ(canvas_.Pixel(x + 4, 27), TestColour(i, B(i).lit)) << "bulb " << i;
            EXPECT_EQ(canvas_.Pixel(x + 1, 1), background) << "bulb " << i;
            EXPECT_EQ(canvas_.Pixel(x + 30, 30), background) << "bulb " << i;
            EXPECT_EQ(canvas_.Pixel(x + 16, 32), kBackground) << "below bulb " << i;
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
    // Someone paints over bulb 4, which is not changing (Mode None): the next step puts
    // it back whole over the new pixels.
    Wipe({4 * kBulbSize, 0, 5 * kBulbSize, kBulbSize});
    FlashStep(FlashForm::Timer);
    ExpectString(12, 4);
    // When the string leaves its window (here at shut-down), what lay beneath it comes
    // back, and what someone else drew since the last paint stays.
    Wipe({44, 8, 52, 16});   // over bulb 1
    ReleaseLightString();
    for (LONG i = 0; i < 12; ++i)
        EXPECT_EQ(canvas_.Pixel(kBulbSize * i + 16, 20), i == 4 ? kWipe : kBackground) << i;
    EXPECT_EQ(canvas_.Pixel(47, 10), kWipe);
}

INSTANTIATE_TEST_SUITE_P(BothPaths, Painting, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<LONG>& info) {
                             return std::string(info.param ? "NoFlicker" : "Direct");
                         });

// Someone keeps drawing into the bulb row (as the saver's snow and fireworks do) while
// the real bulbs, whose lit pictures glow, flash. Where a dark bulb leaves its cell
// clear, the cell shows exactly what the others drew last, or the window's own colour:
// never a glow. Also in a bitmap of fewer colours, which gives back other values than
// the ones written to it.
using Glow = LightsTest;

TEST_F(Glow, DarkBulbsShowWhatOthersDrewAndNoGlow) {
    constexpr LONG kCount = 6;
    constexpr int kWidth = kCount * kBulbSize;
    lightString.bulbCount = kCount;
    Load(kBulbTypeNormal, kRed);
    const std::vector<bool> clearDark = ClearPixels(B(0).icon[0]), clearLit = ClearPixels(B(0).icon[1]);
    int glowOnly = 0;   // pixels the lit bulb covers and the dark one leaves clear
    for (size_t p = 0; p < clearDark.size(); ++p) glowOnly += clearDark[p] && !clearLit[p];
    ASSERT_GT(glowOnly, 0);

    struct Target {
        const char* name;
        WORD bits;   // 0: the window itself; else a bitmap of this many bits per pixel
        bool offscreen;
    };
    for (const Target& target : {Target{"window, direct", 0, false}, Target{"window, NoFlicker", 0, true},
                                 Target{"15-bit bitmap", 16, false}}) {
        SCOPED_TRACE(target.name);
        Canvas canvas(kWidth, 64);
        HDC dc = GetDC(canvas.hwnd), into = dc;
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, kWidth, -64, 1, target.bits, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP bitmap = target.bits ? CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
        HGDIOBJ previous = nullptr;
        if (bitmap) {
            into = CreateCompatibleDC(dc);
            previous = SelectObject(into, bitmap);
            Fill(into, {0, 0, kWidth, 64}, kBackground);
        }
        std::vector<DWORD> theirs = ReadRows(into, kWidth, kBulbSize);
        StringBackdrop backdrop;
        unsigned seed = 1;
        auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
        for (int round = 0; round <= 12; ++round) {
            for (int n = 0; n < 40; ++n) {
                const int x = next() % kWidth, y = next() % kBulbSize;
                SetPixelV(into, x, y, (next() & 1) ? RGB(255, 0, 255) : RGB(0, 255, 255));
                const COLORREF drawn = GetPixel(into, x, y);
                theirs[y * kWidth + x] = GetRValue(drawn) << 16 | GetGValue(drawn) << 8 | GetBValue(drawn);
            }
            for (LONG i = 0; i < kCount; ++i) B(i).lit = round < 12 && (i + round) % 3 == 0;
            PaintStrip(into, {0, 0, kWidth, kBulbSize}, lightString.bulbs, kCount, backdrop, target.offscreen);
        }
        const std::vector<DWORD> shown = ReadRows(into, kWidth, kBulbSize);
        int wrong = 0;
        for (int p = 0; p < kWidth * kBulbSize; ++p)
            wrong += clearDark[p / kWidth * kBulbSize + p % kBulbSize] && shown[p] != theirs[p];
        EXPECT_EQ(wrong, 0);
        ReleaseBackdrop(backdrop);
        if (bitmap) {
            SelectObject(into, previous);
            DeleteObject(bitmap);
            DeleteDC(into);
        }
        ReleaseDC(canvas.hwnd, dc);
    }
}
