// Exploding Fireworks on a real window: particles fade, fall and relaunch when spent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "effect_canvas.h"
#include "saver/effects/fireworks.h"

namespace {

constexpr COLORREF kGrey = RGB(127, 127, 127);

// A single burst of one particle, standing still at (x, y).
void OneStillParticle(int x, int y, int life, COLORREF bright, COLORREF dim) {
    fireworksReady = true;
    burstCount = 1;
    bursts[0].count = 1;
    bursts[0].particles[0] = Particle{bright, dim, x, y, 0.0f, 0.0f, 0.0f, life, 0};
}

}  // namespace

TEST(Fireworks, FirstFrameLaunchesEightToFifteenBurstsWithinTheCaps) {
    EffectCanvas canvas;
    FireworksReset();
    FireworksFrame(canvas.hwnd());
    ASSERT_TRUE(fireworksReady);
    ASSERT_GE(burstCount, 8);
    ASSERT_LE(burstCount, kMaxBursts);
    for (int i = 0; i < burstCount; ++i) {
        const Burst& b = bursts[i];
        ASSERT_GE(b.count, 12);
        ASSERT_LE(b.count, kMaxParticles);
        for (int k = 0; k < b.count; ++k) {
            EXPECT_GE(b.particles[k].life, 9);   // 10..30, one frame already gone
            EXPECT_LE(std::abs(b.particles[k].vx), 5.0f);
        }
    }
    RunFrames(FireworksFrame, canvas.hwnd(), 60);
    // At most 15 x 40 particles of at most 2 x 2 pixels: nothing is left behind.
    EXPECT_LE(Snapshot(canvas.hwnd()).CountLit(), kMaxBursts * kMaxParticles * 4);
    EXPECT_GT(Snapshot(canvas.hwnd()).CountLit(), 50);
}

TEST(Fireworks, AParticleOfLifeTenFallsStraightDownFadingFromDimThroughGreyToBlack) {
    EffectCanvas canvas;
    OneStillParticle(300, 300, 10, RGB(255, 0, 255), RGB(128, 0, 128));
    int lastY = 300;
    for (int frame = 1; frame <= 9; ++frame) {
        FireworksFrame(canvas.hwnd());
        const Particle& p = bursts[0].particles[0];
        ASSERT_EQ(300, p.x);
        ASSERT_GE(p.y, lastY);
        lastY = p.y;
        const COLORREF expected = frame <= 3 ? RGB(128, 0, 128) : frame <= 7 ? kGrey : RGB(0, 0, 0);
        EXPECT_EQ(expected, canvas.Pixel(p.x, p.y)) << "frame " << frame;
        EXPECT_EQ(expected == RGB(0, 0, 0) ? 0 : 1, Snapshot(canvas.hwnd()).CountLit()) << "frame " << frame;
    }
    // Gravity alone: 0, 0, 1, 2, 3, 4, 4, 5, 6 pixels.
    EXPECT_EQ(300 + 25, lastY);
}

TEST(Fireworks, ABurstWhoseParticlesHaveAllDiedRelaunchesElsewhere) {
    EffectCanvas canvas;
    fireworksReady = true;
    burstCount = 1;
    std::srand(4);
    LaunchBurst(0, 500, 300, 7);
    int longest = 0;
    for (int k = 0; k < bursts[0].count; ++k) longest = std::max(longest, bursts[0].particles[k].life);
    RunFrames(FireworksFrame, canvas.hwnd(), longest - 3);
    EXPECT_GT(Snapshot(canvas.hwnd()).Count(RGB(127, 127, 127)), 0);   // the longest-lived, grey at life 3
    RunFrames(FireworksFrame, canvas.hwnd(), 2);   // drawn black at lives 2 and 1
    FireworksFrame(canvas.hwnd());
    // Everything of the old burst is erased; the new one sits at its launch point, undrawn.
    EXPECT_EQ(0, Snapshot(canvas.hwnd()).CountLit());
    const Burst& b = bursts[0];
    ASSERT_GE(b.count, 12);
    EXPECT_FALSE(b.particles[0].x == 500 && b.particles[0].y == 300);
    for (int k = 0; k < b.count; ++k) {
        EXPECT_EQ(b.particles[0].x, b.particles[k].x);
        EXPECT_EQ(b.particles[0].y, b.particles[k].y);
        EXPECT_EQ(0.0f, b.particles[k].fall);
        EXPECT_GE(b.particles[k].life, 10);
    }
    FireworksFrame(canvas.hwnd());
    EXPECT_GT(Snapshot(canvas.hwnd()).CountLit(), 0);
}
