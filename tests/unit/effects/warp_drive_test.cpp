// Warp Drive on a real window: stars stream outward from the centre and are re-seeded.
#include <gtest/gtest.h>

#include <cstdlib>

#include "effect_canvas.h"
#include "saver/effects/warp_drive.h"

namespace {
constexpr COLORREF kRed = RGB(255, 0, 0);
}

TEST(WarpDrive, StarsOnTheLineOfSightStayOnTheCentrePixel) {
    EffectCanvas canvas;
    WarpReset();
    for (Star& s : stars) s = Star{0, 0, 275, 1, kRed};
    stars[0].size = 0;   // one 2 x 2 block: the centre pixel and the three above and left
    RunFrames(WarpFrame, canvas.hwnd(), 30);
    const Snapshot shot(canvas.hwnd());
    EXPECT_EQ(kRed, shot.At(warpCenterX, warpCenterY));
    EXPECT_EQ(4, shot.CountLit());
    EXPECT_EQ(4, shot.Count(kRed, RECT{warpCenterX - 1, warpCenterY - 1, warpCenterX + 1, warpCenterY + 1}));
}

TEST(WarpDrive, AStarIsErasedAndDrawnFurtherOutAsItComesNearer) {
    EffectCanvas canvas;
    WarpReset();
    for (Star& s : stars) s = Star{0, 0, 275, 1, RGB(0, 0, 0)};   // invisible company
    stars[0] = Star{100, -50, 256, 0, kRed};
    WarpFrame(canvas.hwnd());   // z 250: at centre + (140, -70)
    EXPECT_EQ(kRed, canvas.Pixel(warpCenterX + 140, warpCenterY - 70));
    WarpFrame(canvas.hwnd());   // z 244: at centre + (143, -71)
    const Snapshot shot(canvas.hwnd());
    EXPECT_EQ(4, shot.CountLit());
    EXPECT_EQ(4, shot.Count(kRed, RECT{warpCenterX + 142, warpCenterY - 72, warpCenterX + 144, warpCenterY - 70}));
}

TEST(WarpDrive, AStarThatReachesTheViewerIsReseededBeforeItIsProjected) {
    EffectCanvas canvas;
    std::srand(2);
    WarpReset();
    stars[5].z = warpSpeed;       // reaches exactly 0 on this frame
    stars[6].z = warpSpeed - 1;   // would go below 0
    WarpFrame(canvas.hwnd());
    for (int i : {5, 6}) {
        EXPECT_GE(stars[i].z, 125);
        EXPECT_LE(stars[i].z, 275);
    }
    RunFrames(WarpFrame, canvas.hwnd(), 60);   // every star has been re-seeded at least once
    for (const Star& s : stars) ASSERT_GT(s.z, 0);
    const int lit = Snapshot(canvas.hwnd()).CountLit();
    EXPECT_GT(lit, 30);   // a field of stars, most of a new box lying off the screen...
    EXPECT_LE(lit, 4 * kStarCount);   // ...and no trails
}
