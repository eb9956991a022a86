// Warp Drive: the stars as seeded, their projection, and the re-seed before a division by zero.
#include <gtest/gtest.h>

#include "effect_canvas.h"
#include "saver/effects/warp_drive.h"

// Stars seeded from `seed`: offsets negative on a coin's 0; silver, red, yellow, green, blue, magenta, cyan, white.
static void ExpectSeeded(unsigned seed) {
    constexpr COLORREF kColours[8] = {0xC0C0C0, 0x0000FF, 0x00FFFF, 0x00FF00, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    Draws r(seed);
    auto offset = [&r](int n) {
        const int v = r(n);
        return r(2) ? v : -v;
    };
    for (const Star& s : stars) {
        const int x = offset(warpCenterX + 1), y = offset(warpCenterY + 1), z = 125 + r(151), size = r(2);
        ASSERT_TRUE(s.x == x && s.y == y && s.z == z && s.size == size && s.colour == kColours[r(8)]) << &s - stars;
    }
}

TEST(WarpDrive, StarsSeededAsDrawnComeSixNearerAFrameProjectedAndAreSeededAgainBeforeDepthZero) {
    Canvas canvas;
    std::srand(9);
    WarpReset();
    EXPECT_TRUE(warpSpeed == 6 && warpCenterX == canvas.w / 2 && warpCenterY == canvas.h / 2);
    ExpectSeeded(9);
    for (Star& s : stars) s.z = 6;   // depth 0 after this frame: seeded again before it is divided by
    std::srand(4);
    WarpFrame(canvas.hwnd);
    ExpectSeeded(4);
    const int cx = warpCenterX, cy = warpCenterY;
    for (Star& s : stars) s = Star{-7, 3, 106, 0, 0xFF0000};   // at (-23, 9) from the centre: 350 x offset / depth
    canvas.Fill(0);
    canvas.Fill(0xFF0000, {cx - 24, cy + 8, cx - 22, cy + 10});   // its last picture, 2 x 2 up and left
    WarpFrame(canvas.hwnd);
    const Snapshot shot(canvas.hwnd);   // depth 100: at (-24.5, 10.5), truncated toward zero
    EXPECT_TRUE(stars[0].z == 100 && shot.Count(0xFF0000) == 4 && shot.At(cx - 25, cy + 9) == 0xFF0000 &&
                shot.At(cx - 24, cy + 10) == 0xFF0000);
}
