// Caterpillar: the crawlers as set up, their turns, and heads coming in on the far side.
#include <gtest/gtest.h>

#include "effect_canvas.h"
#include "saver/effects/caterpillar.h"
#include "saver/effects/effect_random.h"

constexpr POINT kSteps[4] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};   // right, down, left, up
constexpr COLORREF kSchemes[3][2] = {{0x00FFFF, 0xFF00FF}, {0x007F00, 0x00FF00}, {0x0000FF, 0xFFFF00}};   // head, body

TEST(Caterpillar, SetUpAsDrawnBelowTheStringTurnsNeverStraightBackAndComesInOnTheFarSide) {
    Canvas canvas;
    std::srand(27);   // draws the three schemes in turn
    CaterpillarReset();
    CaterpillarFrame(canvas.hwnd);
    Draws r(27);
    for (const Caterpillar& c : caterpillars) {   // one frame on: the head one step out, the rest rolled up
        const int count = 8 + r(8), x = r(canvas.w - 39) + 20, y = 32 + r(canvas.h - 32 - 39) + 20, d = r(4);
        const int turn = 8 + r(13), scheme = r(3);
        EXPECT_TRUE(c.step == 8 && c.count == count && c.heading == d && c.framesToTurn == turn - 1 &&
                    c.segments[0].x == x + 8 * kSteps[d].x && c.segments[0].y == y + 8 * kSteps[d].y &&
                    c.headColour == kSchemes[scheme][0] && c.bodyColour == kSchemes[scheme][1]);
        for (int k = 1; k < count; ++k) EXPECT_TRUE(c.segments[k].x == x && c.segments[k].y == y) << k;
    }
    // When its time runs out one heading down turns anew, never straight back (up: the first draw from seed 4).
    for (Caterpillar& c : caterpillars) c.heading = 1, c.framesToTurn = 1;
    std::srand(4);
    CaterpillarFrame(canvas.hwnd);
    Draws turns(4);
    for (const Caterpillar& c : caterpillars) {
        int d = turns(4);
        while (d == 3) d = turns(4);
        EXPECT_TRUE(c.heading == d && c.dx == kSteps[d].x && c.dy == kSteps[d].y && c.framesToTurn == 8 + turns(13));
    }
    EXPECT_TRUE(RandomMod(0) == 0 && RandomMod(-7) == 0 && RandomMod(-8) == 0 && RandomMod(-9) == 0)
        << "a window too small for them makes no fault";
    // A head past a bound (the screen less 10 and the bulbs' 32 rows) comes in at the far one; one onto it stays.
    const int L = 10, T = 42, R = canvas.w - 10, B = canvas.h - 10;
    const struct { int heading; POINT head, next; } rows[] = {
        {0, {R - 3, 400}, {L, 400}}, {2, {L + 3, 400}, {R, 400}}, {1, {500, B - 3}, {500, T}},
        {3, {500, T + 2}, {500, B}}, {0, {R - 8, 400}, {R, 400}}, {2, {L + 8, 400}, {L, 400}},
        {1, {500, B - 8}, {500, B}}, {3, {500, T + 8}, {500, T}},
    };
    for (const auto& row : rows) {
        canvas.Fill(0xFFFFFF);
        const POINT step = kSteps[row.heading];
        for (Caterpillar& c : caterpillars) {   // all three alike, stretched out behind the head
            c = Caterpillar{8, 8, row.heading, step.x, step.y, 100, {}, kSchemes[2][0], kSchemes[2][1]};
            for (int k = 0; k < 8; ++k) c.segments[k] = POINT{row.head.x - 8 * k * step.x, row.head.y - 8 * k * step.y};
        }
        CaterpillarFrame(canvas.hwnd);
        const POINT* s = caterpillars[0].segments;
        const Snapshot shot(canvas.hwnd);   // the top pixel of each ring of radius 4; the tail's old ring is erased
        EXPECT_TRUE(s[0].x == row.next.x && s[0].y == row.next.y && s[1].x == row.head.x && s[1].y == row.head.y &&
                    shot.At(row.next.x, row.next.y - 4) == kSchemes[2][0] &&
                    shot.At(row.head.x, row.head.y - 4) == kSchemes[2][1] &&
                    shot.At(row.head.x - 56 * step.x, row.head.y - 56 * step.y - 4) == 0)
            << row.heading << ": " << s[0].x << "," << s[0].y;
    }
}
