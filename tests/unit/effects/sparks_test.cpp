// Sparks! on a real window: landing on the bottom row, the skitter rule, the 100-slot cap.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "effect_canvas.h"
#include "saver/effects/sparks.h"

namespace {

// Sets the effect up, then clears every slot and parks the emitter in the top-left
// corner, far from where the test's own sparks fly.
void SetUpQuietly(HWND window) {
    SparksReset();
    SparksFrame(window);
    for (Spark& s : sparks) s.active = 0;
    emitterX = 0;
    emitterY = 0;
}

}  // namespace

TEST(Sparks, ASparkMovingLeftAndUpLandsWithoutASkitterAndLiesStill) {
    EffectCanvas canvas;
    SetUpQuietly(canvas.hwnd());
    const int floor = sparkFloorY;
    sparks[0] = Spark{1, 800, floor - 1, -1.0f, -0.5f, 40, 1, 5.0f};
    SparksFrame(canvas.hwnd());
    // Gravity carried it below the floor: drawn there (off the window), put back next frame.
    EXPECT_EQ(799, sparks[0].x);
    EXPECT_GT(sparks[0].y, floor);
    SparksFrame(canvas.hwnd());
    EXPECT_EQ(798, sparks[0].x);
    EXPECT_EQ(floor, sparks[0].y);
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(798, floor));
    RunFrames(SparksFrame, canvas.hwnd(), 10);
    EXPECT_EQ(798, sparks[0].x);
    EXPECT_EQ(floor, sparks[0].y);
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(798, floor));   // life 28: still bright
    EXPECT_EQ(1, Snapshot(canvas.hwnd()).CountLit(RECT{700, floor - 50, 900, floor + 1}));
}

TEST(Sparks, ASparkFadesAndIsErasedWhenItsLifeRunsOut) {
    EffectCanvas canvas;
    SetUpQuietly(canvas.hwnd());
    const int floor = sparkFloorY;
    sparks[0] = Spark{1, 600, floor, 0.0f, 0.0f, 11, 2, 0.0f};   // on the floor, red
    const COLORREF expected[] = {RGB(127, 0, 0), RGB(127, 0, 0), RGB(127, 0, 0), RGB(127, 0, 0),
                                 RGB(127, 127, 127), RGB(127, 127, 127), RGB(127, 127, 127), RGB(127, 127, 127),
                                 RGB(0, 0, 0), RGB(0, 0, 0)};
    for (COLORREF colour : expected) {
        SparksFrame(canvas.hwnd());
        ASSERT_EQ(colour, canvas.Pixel(600, floor)) << "life " << sparks[0].life;
    }
    SparksFrame(canvas.hwnd());
    // Its slot was free again: this frame's first new spark took it, at the emitter.
    EXPECT_GE(sparks[0].life, 32);
    EXPECT_EQ(emitterX, sparks[0].x);
    EXPECT_EQ(emitterY, sparks[0].y);
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(600, floor));
}

TEST(Sparks, EmitterStartsInTheMiddleAtMostAHundredLiveAndAFullArrayStartsNothing) {
    EffectCanvas canvas;
    SparksReset();
    SparksFrame(canvas.hwnd());
    // The emitter starts in the middle and has taken one step of at most 3 pixels.
    EXPECT_EQ(canvas.width(), sparkMaxX);
    EXPECT_EQ(canvas.height() - 1, sparkFloorY);
    EXPECT_LE(std::abs(emitterX - canvas.width() / 2), 3);
    EXPECT_LE(std::abs(emitterY - canvas.height() / 2), 3);
    int most = 0;
    for (int frame = 0; frame < 80; ++frame) {
        SparksFrame(canvas.hwnd());
        int active = 0;
        for (const Spark& s : sparks) active += s.active;
        most = std::max(most, active);
        ASSERT_GE(emitterX, 0);
        ASSERT_LE(emitterX, sparkMaxX);
        ASSERT_GE(emitterY, 0);
        ASSERT_LE(emitterY, sparkFloorY);
    }
    EXPECT_EQ(kSparkCount, most);
    for (Spark& s : sparks) s.active = 1;
    Spark before[kSparkCount];
    std::memcpy(before, sparks, sizeof sparks);
    EmitSpark(10, 10);
    EXPECT_EQ(0, std::memcmp(before, sparks, sizeof sparks));
    // No trails: one pixel per spark at most.
    EXPECT_LE(Snapshot(canvas.hwnd()).CountLit(), kSparkCount);
}
