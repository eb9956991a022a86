// Caterpillar: wrapping at the bounds, never reversing.
#include <gtest/gtest.h>

#include <cstdlib>

#include "effect_canvas.h"
#include "saver/effects/caterpillar.h"

namespace {

void Steer(Caterpillar& c, int heading) {   // for a long time
    static const POINT steps[4] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    c.heading = heading;
    c.dx = steps[heading].x;
    c.dy = steps[heading].y;
    c.framesToTurn = 1000;
}

}  // namespace

TEST(Caterpillar, AHeadPassingABoundComesInAtTheOppositeOneAndTheBodyFollows) {
    EffectCanvas canvas;
    CaterpillarReset();
    CaterpillarFrame(canvas.hwnd());
    const RECT bounds = CaterpillarBounds(caterpillarArea);
    Caterpillar& c = caterpillars[0];
    const int y = 400;
    for (int k = 0; k < c.count; ++k) c.segments[k] = POINT{bounds.right - 3 - 8 * k, y};
    Steer(c, 0);
    CaterpillarFrame(canvas.hwnd());
    EXPECT_TRUE(c.segments[0].x == bounds.left && c.segments[0].y == y && c.segments[1].x == bounds.right - 3);
    const Snapshot shot(canvas.hwnd());   // the head's ring at the left bound, the body's at the right
    EXPECT_GT(shot.Count(c.headColour, {bounds.left - 4, y - 2, bounds.left - 3, y + 2}), 0);
    EXPECT_GT(shot.Count(c.bodyColour, {bounds.right - 7, y - 2, bounds.right - 6, y + 2}), 0);
    CaterpillarFrame(canvas.hwnd());
    EXPECT_TRUE(c.segments[0].x == bounds.left + 8 && c.segments[1].x == bounds.left);
    Steer(c, 3);   // upwards past the top bound
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
            ASSERT_NE((before[i] + 2) % 4, caterpillars[i].heading) << "frame " << frame;
            turns += caterpillars[i].heading != before[i];
        }
    }
    EXPECT_GT(turns, 20);
    const Snapshot shot(canvas.hwnd());
    EXPECT_EQ(0, shot.CountLit({0, 0, canvas.width(), 32}));
    EXPECT_GT(shot.CountLit(), 3 * 8 * 10);
}
