// Exploding Fireworks: bursts within the caps relaunch elsewhere when spent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "effect_canvas.h"
#include "saver/effects/fireworks.h"

TEST(Fireworks, FirstFrameLaunchesBurstsWithinTheCapsAndLeavesNoTrails) {
    EffectCanvas canvas;
    FireworksReset();
    FireworksFrame(canvas.hwnd());
    ASSERT_TRUE(burstCount >= 8 && burstCount <= kMaxBursts) << burstCount;
    for (int i = 0; i < burstCount; ++i) {
        ASSERT_TRUE(bursts[i].count >= 12 && bursts[i].count <= kMaxParticles) << bursts[i].count;
        for (int k = 0; k < bursts[i].count; ++k) EXPECT_GE(bursts[i].particles[k].life, 9);
    }
    RunFrames(FireworksFrame, canvas.hwnd(), 60);
    const int lit = Snapshot(canvas.hwnd()).CountLit();
    EXPECT_GT(lit, 50);
    EXPECT_LE(lit, kMaxBursts * kMaxParticles * 4) << "at most 2 x 2 pixels a particle";
}

TEST(Fireworks, ABurstWhoseParticlesHaveAllDiedRelaunchesElsewhere) {
    EffectCanvas canvas;
    fireworksReady = true;
    burstCount = 1;
    std::srand(4);
    LaunchBurst(0, 500, 300, 7);
    int longest = 0;
    for (int k = 0; k < bursts[0].count; ++k) longest = std::max(longest, bursts[0].particles[k].life);
    RunFrames(FireworksFrame, canvas.hwnd(), longest);
    EXPECT_EQ(0, Snapshot(canvas.hwnd()).CountLit()) << "the old burst is erased, the new one undrawn";
    const Burst& b = bursts[0];
    ASSERT_GE(b.count, 12);
    EXPECT_FALSE(b.particles[0].x == 500 && b.particles[0].y == 300);
    for (int k = 0; k < b.count; ++k) {
        EXPECT_TRUE(b.particles[k].x == b.particles[0].x && b.particles[k].y == b.particles[0].y);
        EXPECT_GE(b.particles[k].life, 10);
    }
    FireworksFrame(canvas.hwnd());
    EXPECT_GT(Snapshot(canvas.hwnd()).CountLit(), 0);
}
