// Falling Snow: flakes rest on the bottom row and on anything not black, with no trails.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "effect_canvas.h"
#include "saver/effects/falling_snow.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0);

// Every slot taken but idle, so no new flake starts; the test sets up the flakes it watches.
void FillAllSlots() {
    SnowReset();
    for (Snowflake& f : snowflakes) f = Snowflake{1, 0, 0, 3, 0, 0, 1, -1};
}

POINT RunUntilResting(HWND window, int i, int maxFrames) {
    for (int frame = 0; frame < maxFrames && snowflakes[i].active; ++frame) SnowFrame(window);
    EXPECT_EQ(0, snowflakes[i].active) << "still moving";
    return POINT{snowflakes[i].x, snowflakes[i].y};
}

}  // namespace

TEST(FallingSnow, FlakesRestOnTheBottomRowOrAreLostOverTheTop) {
    EffectCanvas canvas;
    FillAllSlots();
    SnowFrame(canvas.hwnd());
    EXPECT_EQ(0, Snapshot(canvas.hwnd()).CountLit()) << "full slots start nothing";
    snowflakes[0] = Snowflake{1, 500, 700, 7, 1, 0, 1, -1};
    std::srand(3);
    POINT rest = RunUntilResting(canvas.hwnd(), 0, 20);
    EXPECT_EQ(canvas.height() - 1, rest.y);
    EXPECT_NEAR(500, rest.x, 20);
    EXPECT_EQ(1, Snapshot(canvas.hwnd()).CountLit()) << "its path was erased";

    FillAllSlots();   // a flake in the column right of the screen is lost over the top
    canvas.FillRect({0, 0, canvas.width(), canvas.height()}, RGB(0, 0, 0));
    snowflakes[0] = Snowflake{1, canvas.width(), 10, 3, 1, 0, 1, -1};
    std::srand(1);   // the first value jitters to the right: clamped back to x = width
    SnowFrame(canvas.hwnd());
    EXPECT_EQ(0, snowflakes[0].active);
    EXPECT_LT(snowflakes[0].y, 0);
    EXPECT_EQ(0, Snapshot(canvas.hwnd()).CountLit());
}

TEST(FallingSnow, SnowPilesUpWithinTheCapOf800) {
    EffectCanvas canvas;
    SnowReset();
    canvas.FillRect({200, 600, 824, 640}, kRed);
    std::srand(11);
    int most = 0, flying = 0;
    for (int frame = 0; frame < 400; ++frame) {
        SnowFrame(canvas.hwnd());
        flying = 0;
        for (const Snowflake& f : snowflakes) flying += f.active;
        most = std::max(most, flying);
    }
    EXPECT_GT(most, 100);
    EXPECT_LE(most, kSnowflakeCount);
    const Snapshot shot(canvas.hwnd());
    EXPECT_GT(shot.Count(kWhite, {0, canvas.height() - 1, canvas.width(), canvas.height()}), 10);
    EXPECT_GT(shot.Count(kWhite, {200, 590, 824, 600}), 10) << "on top of the bar";
    EXPECT_GT(shot.Count(kWhite) - flying, 100) << "at rest";
    EXPECT_LE(shot.Count(kWhite), 3 * 400) << "no trails";
}
