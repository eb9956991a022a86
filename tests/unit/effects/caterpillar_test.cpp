// Caterpillar on a real window: unrolling, wrapping at the bounds, never reversing.
#include <gtest/gtest.h>

#include <cstdlib>

#include "effect_canvas.h"
#include "saver/effects/caterpillar.h"

namespace {

// Points a caterpillar in a heading for a long time.
void Steer(Caterpillar& c, int heading) {
    static const POINT steps[4] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    c.heading = heading;
    c.dx = steps[heading].x;
    c.dy = steps[heading].y;
    c.framesToTurn = 1000;
}

}  // namespace

TEST(Caterpillar, StartsRolledUpAndUnrollsOneSegmentPerFrame) {
    EffectCanvas canvas;
    std::srand(9);
    CaterpillarReset();
    CaterpillarFrame(canvas.hwnd());
    ASSERT_TRUE(caterpillarsReady);
    EXPECT_EQ(32, caterpillarArea.top);
    for (const Caterpillar& c : caterpillars) {
        ASSERT_GE(c.count, 8);
        ASSERT_LE(c.count, 15);
        const POINT start = c.segments[1];
        EXPECT_EQ(8, std::abs(c.segments[0].x - start.x) + std::abs(c.segments[0].y - start.y));
        for (int k = 2; k < c.count; ++k) {
            EXPECT_EQ(start.x, c.segments[k].x);
            EXPECT_EQ(start.y, c.segments[k].y);
        }
    }
    // Rolled up again in the middle and sent straight on: stretched out after count - 1 frames.
    Caterpillar& c = caterpillars[0];
    for (int k = 0; k < c.count; ++k) c.segments[k] = POINT{canvas.width() / 2, canvas.height() / 2};
    Steer(c, c.heading);
    CaterpillarFrame(canvas.hwnd());
    RunFrames(CaterpillarFrame, canvas.hwnd(), c.count - 2);
    for (int k = 1; k < c.count; ++k)
        EXPECT_EQ(8, std::abs(c.segments[k].x - c.segments[k - 1].x) + std::abs(c.segments[k].y - c.segments[k - 1].y))
            << k;
}

TEST(Caterpillar, AHeadPassingTheRightBoundComesInAtTheLeftOneAndTheBodyFollows) {
    EffectCanvas canvas;
    CaterpillarReset();
    CaterpillarFrame(canvas.hwnd());
    const RECT bounds = CaterpillarBounds(caterpillarArea);
    EXPECT_EQ(10, bounds.left);
    EXPECT_EQ(42, bounds.top);
    EXPECT_EQ(canvas.width() - 10, bounds.right);
    EXPECT_EQ(canvas.height() - 10, bounds.bottom);

    Caterpillar& c = caterpillars[0];
    const int y = 400;
    for (int k = 0; k < c.count; ++k) c.segments[k] = POINT{bounds.right - 3 - 8 * k, y};
    Steer(c, 0);
    CaterpillarFrame(canvas.hwnd());
    EXPECT_EQ(bounds.left, c.segments[0].x);
    EXPECT_EQ(y, c.segments[0].y);
    EXPECT_EQ(bounds.right - 3, c.segments[1].x);
    // The head's ring at the left bound, in the head colour; the body's at the right.
    const Snapshot shot(canvas.hwnd());
    EXPECT_GT(shot.Count(c.headColour, RECT{bounds.left - 4, y - 2, bounds.left - 3, y + 2}), 0);
    EXPECT_GT(shot.Count(c.bodyColour, RECT{bounds.right - 7, y - 2, bounds.right - 6, y + 2}), 0);
    CaterpillarFrame(canvas.hwnd());
    EXPECT_EQ(bounds.left + 8, c.segments[0].x);
    EXPECT_EQ(bounds.left, c.segments[1].x);

    // Upwards past the top bound: in again at the bottom one.
    Steer(c, 3);
    c.segments[0] = POINT{300, bounds.top + 2};
    CaterpillarFrame(canvas.hwnd());
    EXPECT_EQ(bounds.bottom, c.segments[0].y);
}

TEST(Caterpillar, NeverReversesAndKeepsTheRowOfBulbsFree) {
    EffectCanvas canvas;
    std::srand(12);
    CaterpillarReset();
    CaterpillarFrame(canvas.hwnd());
    int turns = 0;
    for (int frame = 0; frame < 600; ++frame) {
        int before[kCaterpillarCount];
        for (int i = 0; i < kCaterpillarCount; ++i) before[i] = caterpillars[i].heading;
        CaterpillarFrame(canvas.hwnd());
        for (int i = 0; i < kCaterpillarCount; ++i) {
            const Caterpillar& c = caterpillars[i];
            ASSERT_NE((before[i] + 2) % 4, c.heading) << "frame " << frame;
            turns += c.heading != before[i];
            ASSERT_GE(c.framesToTurn, 1);
            ASSERT_LE(c.framesToTurn, 20);
        }
    }
    EXPECT_GT(turns, 20);
    const Snapshot shot(canvas.hwnd());
    EXPECT_EQ(0, shot.CountLit(RECT{0, 0, canvas.width(), 32}));
    EXPECT_GT(shot.CountLit(), 3 * 8 * 10);
}
