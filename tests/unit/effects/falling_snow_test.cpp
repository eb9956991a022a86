// Falling Snow: new flakes as drawn, then falling, landing, climbing, sliding and turning round.
#include <gtest/gtest.h>

#include <algorithm>

#include "effect_canvas.h"
#include "saver/effects/falling_snow.h"

constexpr COLORREF kWhite = 0xFFFFFF, kGround = 0x0000FF;   // any colour but black is ground

TEST(FallingSnow, ThreeNewFlakesAFrameAsDrawnThenFallingLandingClimbingSlidingAndTurningRound) {
    Canvas canvas;
    SnowReset();
    std::srand(5);
    SnowFrame(canvas.hwnd);
    Draws r(5);
    Snowflake drawn[3];
    for (Snowflake& d : drawn) {
        d.x = r(canvas.w + 1), d.y = r(21), d.speed = r(2) == 0 ? 7 : 3;   // 3, then 7 or 5 on a coin's 0
        d.speed = r(2) == 0 ? 5 : d.speed, d.dir = r(2) == 0 ? -1 : 1;
    }
    const Snapshot shot(canvas.hwnd);
    for (const Snowflake& d : drawn) {   // then each falls with a jitter of -1..1
        const Snowflake& f = snowflakes[&d - drawn];
        const int x = std::clamp(d.x + r(3) - 1, 0, canvas.w), y = d.y + d.speed;
        EXPECT_TRUE(f.active && f.falling && !f.sliding && f.x == x && f.y == y && f.speed == d.speed &&
                    f.dir == d.dir && f.otherDir == -d.dir && shot.At(x, y) == kWhite) << &d - drawn;
    }
    EXPECT_TRUE(snowflakes[3].active == 0 && shot.Count(kWhite) == 3);
    const int W = canvas.w, H = canvas.h;
    // One frame of a flake falling 7 a frame (seeds 6, 1 and 2 jitter it by 0, +1 and -1) or sliding, its pixel
    // drawn, over ground; then the flake. Its pixel goes with it, but for a move over sideways.
    const struct { unsigned seed; int x0, y0, fall, dir; std::vector<RECT> ground;
                   int active, x, y, falling, sliding, dir2; } rows[] = {
        {1, 500, 400, 1, 1, {}, 1, 501, 407, 1, 0, 1}, {2, 0, 400, 1, 1, {}, 1, 0, 407, 1, 0, 1},   // free; at the edge
        {1, W, 400, 1, 1, {}, 0, W, -1, 0, 0, 1},                                 // off the screen's right: lost on top
        {6, 500, H - 3, 1, 1, {}, 0, 500, H - 1, 0, 0, 1},                        // the row below the screen is ground
        {6, 500, 400, 1, 1, {{495, 407, 506, 410}}, 0, 500, 406, 0, 0, 1},        // lands on a bar and rests
        {6, 500, 400, 1, 1, {{495, 404, 501, 420}}, 1, 500, 403, 0, 1, 1},       // climbs out, free on its side: slides
        {6, 500, 400, 1, -1, {{495, 404, 501, 420}}, 0, 500, 403, 0, 0, -1},      // the same, ground on its side: rests
        {0, 500, 400, 0, 1, {{500, 401, 501, 402}, {501, 402, 502, 403}}, 1, 501, 401, 0, 1, 1},   // down the slope
        {0, 500, 400, 0, 1, {{500, 401, 501, 402}, {501, 402, 503, 403}}, 0, 501, 401, 0, 1, 1},   // and rests
        {0, 500, 400, 0, 1, {{500, 401, 502, 402}}, 1, 499, 400, 1, 0, -1},       // over, turns round and falls
        {0, 500, 400, 0, -1, {{499, 401, 501, 402}}, 1, 501, 400, 1, 0, 1},
        {0, 500, 400, 0, 1, {{499, 401, 502, 402}}, 0, 499, 400, 0, 1, 1},        // over and rests
        {0, 500, 400, 0, 1, {{499, 401, 500, 402}, {501, 401, 502, 402}}, 1, 499, 400, 0, 1, 1},   // over, slides on
    };
    for (const auto& row : rows) {
        canvas.Fill(0);
        for (const RECT& r : row.ground) canvas.Fill(kGround, r);
        canvas.Fill(kWhite, {row.x0, row.y0, row.x0 + 1, row.y0 + 1});
        for (Snowflake& f : snowflakes) f = Snowflake{1, 0, 0, 3, 0, 0, 1, -1};   // every other slot taken but idle
        snowflakes[0] = Snowflake{1, row.x0, row.y0, row.fall ? 7 : 3, row.fall, !row.fall, row.dir, -row.dir};
        std::srand(row.seed);
        SnowFrame(canvas.hwnd);
        const Snowflake& f = snowflakes[0];
        EXPECT_TRUE(f.active == row.active && f.x == row.x && f.y == row.y && f.falling == row.falling &&
                    f.sliding == row.sliding && f.dir == row.dir2 && f.otherDir == -row.dir2) << &row - rows;
        const POINT white = row.y != row.y0 ? POINT{row.x, row.y} : POINT{row.x0, row.y0};
        const Snapshot shot(canvas.hwnd);
        EXPECT_TRUE(shot.Count(kWhite) == (shot.At(white.x, white.y) != CLR_INVALID) && shot.At(white.x, white.y) != 0)
            << &row - rows;
    }
}
