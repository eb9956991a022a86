// Falling Snow on a real window: flakes land on the bottom row and on anything not black.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "effect_canvas.h"
#include "saver/effects/falling_snow.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

// Marks every slot as taken without giving it anything to do, so that no new flake
// starts; the test then sets up the flakes it watches.
void FillAllSlots() {
    for (Snowflake& f : snowflakes) f = Snowflake{1, 0, 0, 3, 0, 0, 1, -1};
}

Snowflake FallingFlake(int x, int y, int speed, int dir) { return Snowflake{1, x, y, speed, 1, 0, dir, -dir}; }

// Runs frames until flake i comes to rest (its slot is free again for the next frame's
// new flakes) and returns where it rests.
POINT RunUntilResting(HWND window, int i, int maxFrames) {
    for (int frame = 0; frame < maxFrames && snowflakes[i].active; ++frame) SnowFrame(window);
    EXPECT_EQ(0, snowflakes[i].active) << "flake " << i << " still moving";
    return POINT{snowflakes[i].x, snowflakes[i].y};
}

}  // namespace

TEST(FallingSnow, FlakeComesToRestOnTheBottomRow) {
    EffectCanvas canvas;
    SnowReset();
    FillAllSlots();
    snowflakes[0] = FallingFlake(500, 700, 7, 1);
    std::srand(3);
    const POINT rest = RunUntilResting(canvas.hwnd(), 0, 20);
    EXPECT_EQ(canvas.height() - 1, rest.y);
    EXPECT_NEAR(500, rest.x, 20);
    EXPECT_EQ(kWhite, canvas.Pixel(rest.x, rest.y));
    // Only the resting flake's pixel is left: its path was erased behind it.
    EXPECT_EQ(1, Snapshot(canvas.hwnd()).CountLit());
}

TEST(FallingSnow, AnyColourIsGroundAndAPeakIsSlidOff) {
    EffectCanvas canvas;
    SnowReset();
    FillAllSlots();
    canvas.FillRect(RECT{100, 400, 900, 410}, kRed);   // a broad red bar
    canvas.SetPixelColour(300, 200, kRed);               // a one-pixel peak
    snowflakes[1] = Snowflake{1, 300, 199, 3, 0, 1, 1, -1};   // sliding on the peak
    std::srand(5);
    SnowFrame(canvas.hwnd());
    // Down the slope on its sliding side, and falling again at once.
    EXPECT_EQ(kWhite, canvas.Pixel(301, 200));
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(300, 199));
    EXPECT_EQ(1, snowflakes[1].falling);

    // The one that slid off the peak falls on to the bar; the flat top gives no slope.
    const POINT slid = RunUntilResting(canvas.hwnd(), 1, 100);
    EXPECT_EQ(399, slid.y);
    EXPECT_NEAR(301, slid.x, 80);
    EXPECT_EQ(kWhite, canvas.Pixel(slid.x, 399));
    EXPECT_EQ(kRed, canvas.Pixel(slid.x, 400));
}

TEST(FallingSnow, AFlakeInTheColumnRightOfTheScreenIsLostOverTheTop) {
    EffectCanvas canvas;
    SnowReset();
    FillAllSlots();
    snowflakes[0] = FallingFlake(canvas.width(), 10, 3, 1);
    std::srand(1);   // the first value, 41, jitters to the right: clamped back to x = W
    SnowFrame(canvas.hwnd());
    EXPECT_EQ(0, snowflakes[0].active);
    EXPECT_LT(snowflakes[0].y, 0);
    EXPECT_EQ(0, Snapshot(canvas.hwnd()).CountLit());
}

TEST(FallingSnow, FullSlotsStartNothingAndSnowPilesUpOverTime) {
    EffectCanvas canvas;
    SnowReset();
    FillAllSlots();
    SnowFrame(canvas.hwnd());
    EXPECT_EQ(0, Snapshot(canvas.hwnd()).CountLit());   // nobody moved, nobody started

    SnowReset();
    canvas.FillRect(RECT{200, 600, 824, 640}, kRed);
    std::srand(11);
    int mostInFlight = 0;
    for (int frame = 0; frame < 400; ++frame) {
        SnowFrame(canvas.hwnd());
        int inFlight = 0;
        for (const Snowflake& f : snowflakes) inFlight += f.active;
        mostInFlight = std::max(mostInFlight, inFlight);
    }
    EXPECT_GT(mostInFlight, 100);
    const Snapshot shot(canvas.hwnd());
    // Snow lies on the bottom row and on top of the red bar, and every white pixel is a
    // flake: in flight or at rest, never a trail.
    EXPECT_GT(shot.Count(kWhite, RECT{0, canvas.height() - 1, canvas.width(), canvas.height()}), 10);
    EXPECT_GT(shot.Count(kWhite, RECT{200, 590, 824, 600}), 10);
    int flying = 0;
    for (const Snowflake& f : snowflakes) flying += f.active;
    EXPECT_GT(shot.Count(kWhite) - flying, 100);   // at rest
    EXPECT_LE(shot.Count(kWhite), 3 * 400);
}
