// Sparks!: landing on the bottom row without a skitter, the 100-slot cap.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "effect_canvas.h"
#include "saver/effects/sparks.h"

namespace {

// Set up, every slot cleared, the emitter parked in the top-left corner, far from the test's sparks.
void SetUpQuietly(HWND window) {
    SparksReset();
    SparksFrame(window);
    for (Spark& s : sparks) s.active = 0;
    emitterX = emitterY = 0;
}

}  // namespace

TEST(Sparks, ASparkMovingLeftAndUpLandsWithoutASkitterAndLiesStill) {
    EffectCanvas canvas;
    SetUpQuietly(canvas.hwnd());
    const int floor = sparkFloorY;
    sparks[0] = Spark{1, 800, floor - 1, -1.0f, -0.5f, 40, 1, 5.0f};
    SparksFrame(canvas.hwnd());   // gravity carries it below the floor; put back next frame
    EXPECT_TRUE(sparks[0].x == 799 && sparks[0].y > floor);
    RunFrames(SparksFrame, canvas.hwnd(), 11);
    EXPECT_TRUE(sparks[0].x == 798 && sparks[0].y == floor) << sparks[0].x << ", " << sparks[0].y;
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(798, floor));
    EXPECT_EQ(1, Snapshot(canvas.hwnd()).CountLit({700, floor - 50, 900, floor + 1}));
}

TEST(Sparks, AtMostAHundredLiveAndAFullArrayStartsNothing) {
    EffectCanvas canvas;
    SparksReset();
    SparksFrame(canvas.hwnd());
    EXPECT_LE(std::abs(emitterX - canvas.width() / 2) + std::abs(emitterY - canvas.height() / 2), 6) << "from the middle";
    int most = 0;
    for (int frame = 0; frame < 80; ++frame) {
        SparksFrame(canvas.hwnd());
        int active = 0;
        for (const Spark& s : sparks) active += s.active;
        most = std::max(most, active);
        ASSERT_TRUE(emitterX >= 0 && emitterX <= sparkMaxX && emitterY >= 0 && emitterY <= sparkFloorY);
    }
    EXPECT_EQ(kSparkCount, most);
    EXPECT_LE(Snapshot(canvas.hwnd()).CountLit(), kSparkCount) << "no trails";
    for (Spark& s : sparks) s.active = 1;
    Spark before[kSparkCount];
    std::memcpy(before, sparks, sizeof sparks);
    EmitSpark(10, 10);
    EXPECT_EQ(0, std::memcmp(before, sparks, sizeof sparks));
}
