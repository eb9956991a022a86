// Warp Drive: stars stream outward from the centre and are re-seeded.
#include <gtest/gtest.h>

#include <cstdlib>

#include "effect_canvas.h"
#include "saver/effects/warp_drive.h"

TEST(WarpDrive, StarsOnTheLineOfSightStayOnTheCentrePixel) {
    constexpr COLORREF kRed = RGB(255, 0, 0);
    EffectCanvas canvas;
    WarpReset();
    for (Star& s : stars) s = Star{0, 0, 275, 1, kRed};
    stars[0].size = 0;   // one 2 x 2 block: the centre pixel and the three above and left
    RunFrames(WarpFrame, canvas.hwnd(), 30);
    const Snapshot shot(canvas.hwnd());
    EXPECT_EQ(kRed, shot.At(warpCenterX, warpCenterY));
    EXPECT_EQ(4, shot.CountLit());
    EXPECT_EQ(4, shot.Count(kRed, {warpCenterX - 1, warpCenterY - 1, warpCenterX + 1, warpCenterY + 1}));
}

TEST(WarpDrive, AStarThatReachesTheViewerIsReseededBeforeItIsProjected) {
    EffectCanvas canvas;
    std::srand(2);
    WarpReset();
    stars[5].z = warpSpeed;       // reaches exactly 0 on this frame
    stars[6].z = warpSpeed - 1;   // would go below 0
    WarpFrame(canvas.hwnd());
    for (int i : {5, 6}) EXPECT_TRUE(stars[i].z >= 125 && stars[i].z <= 275) << stars[i].z;
    RunFrames(WarpFrame, canvas.hwnd(), 60);
    for (const Star& s : stars) ASSERT_GT(s.z, 0);
    const int lit = Snapshot(canvas.hwnd()).CountLit();
    EXPECT_GT(lit, 30);
    EXPECT_LE(lit, 4 * kStarCount) << "no trails";
}
