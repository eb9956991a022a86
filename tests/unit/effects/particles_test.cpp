// Exploding Fireworks and Sparks!: launches as drawn, flight under gravity and damping, colour by life.
#include <gtest/gtest.h>

#include <cstring>

#include "effect_canvas.h"
#include "saver/effects/fireworks.h"
#include "saver/effects/sparks.h"

// Bright and dim colours of the fireworks' schemes 1..7 and of the three kinds of spark (yellow, white, red).
constexpr COLORREF kSchemes[7][2] = {{0xFF0000, 0x7F0000}, {0x00FFFF, 0x007F7F}, {0x00FF00, 0x007F00},
                                     {0x0000FF, 0x00007F}, {0xFF00FF, 0xFF00FF}, {0xFFFF00, 0x7F7F00},
                                     {0xFFFFFF, 0xC0C0C0}};
constexpr COLORREF kKinds[3][2] = {{0x00FFFF, 0x007F7F}, {0xFFFFFF, 0xC0C0C0}, {0x0000FF, 0x00007F}};

// Fireworks with one burst, Sparks with every slot busy off the screen: only a case's own dots move.
static void Quiet(const Canvas& canvas, int particles) {
    fireworksReady = sparksReady = true;
    burstCount = 1, bursts[0].count = particles;
    for (Spark& s : sparks) s = Spark{1, -100, -100, 0, 0, 1000, 0, 0};
    sparkMaxX = canvas.w, sparkFloorY = canvas.h - 1;
}

TEST(FireworksAndSparks, BurstsAsDrawnInTheirSchemesColoursFlightUnderGravityAndDampingAndColourByLife) {
    for (int scheme = 1; scheme <= 7; ++scheme) {
        std::srand(scheme);
        LaunchBurst(0, 70, 80, scheme);
        Draws r(scheme);
        ASSERT_EQ(bursts[0].count, 12 + r(29));
        for (const Particle* p = bursts[0].particles; p < bursts[0].particles + bursts[0].count; ++p) {
            const int size = r(2), vx = r(11) - 5, vy = r(11) - 5, life = 10 + r(21);
            EXPECT_TRUE(p->x == 70 && p->y == 80 && p->size == size && p->vx == vx && p->vy == vy && p->fall == 0 &&
                        p->life == life && p->bright == kSchemes[scheme - 1][0] && p->dim == kSchemes[scheme - 1][1])
                << scheme << "/" << p - bursts[0].particles;
        }
    }
    Canvas canvas;
    std::srand(3);   // the number of bursts, drawn as the generator stands
    FireworksReset();
    FireworksFrame(canvas.hwnd);
    EXPECT_EQ(burstCount, 8 + Draws(3)(8));
    Quiet(canvas, 1);   // a burst whose last particle dies launches anew, drawn from the next frame on
    bursts[0].particles[0] = Particle{0xFFFFFF, 0xFFFFFF, 500, 300, 0, 0, 0, 1, 0};
    canvas.Fill(0);
    FireworksFrame(canvas.hwnd);
    EXPECT_TRUE(bursts[0].particles[0].life >= 10 && !Snapshot(canvas.hwnd).Count(CLR_INVALID));
    Quiet(canvas, 1);   // from (500, 300) at (100, -50) pixels a frame; the particle and the spark stay white
    bursts[0].particles[0] = Particle{0xFFFFFF, 0xFFFFFF, 500, 300, 100, -50, 0, 40, 0};
    sparks[0] = Spark{1, 500, 300, 100, -50, 40, 1, 0};
    const POINT flight[] = {{600, 250}, {696, 202}, {788, 156}, {876, 113}, {960, 73}, {1041, 36}, {1119, 1}};
    for (const POINT& at : flight) {
        FireworksFrame(canvas.hwnd), SparksFrame(canvas.hwnd);
        const Particle& p = bursts[0].particles[0];
        const Snapshot shot(canvas.hwnd);
        ASSERT_TRUE(p.x == at.x && p.y == at.y && sparks[0].x == at.x && sparks[0].y == at.y) << &at - flight;
        EXPECT_EQ(shot.Count(CLR_INVALID), shot.At(at.x, at.y) == 0xFFFFFF) << "no trails";
    }
    // Standing dots by the life before the frame: bright above 10, dim from 7, grey from 3, black (at 1: gone).
    const int lives[] = {12, 11, 8, 7, 4, 3, 1}, shades[] = {0, 1, 1, 2, 2, 3, 3};
    canvas.Fill(0xFFFFFF);
    Quiet(canvas, 7);
    for (int k = 0; k < 7; ++k) {
        bursts[0].particles[k] = Particle{kSchemes[3][0], kSchemes[3][1], 100 + 20 * k, 300, 0, 0, 0, lives[k], 0};
        for (int kind = 0; kind < 3; ++kind)
            sparks[kind * 7 + k] = Spark{1, 100 + 20 * k, 320 + 20 * kind, 0, 0, lives[k], kind, 0};
    }
    FireworksFrame(canvas.hwnd), SparksFrame(canvas.hwnd);
    const Snapshot shot(canvas.hwnd);
    for (int k = 0; k < 7; ++k)
        for (int kind = -1; kind < 3; ++kind) {
            const COLORREF* pair = kind < 0 ? kSchemes[3] : kKinds[kind];
            const COLORREF want = shades[k] < 2 ? pair[shades[k]] : shades[k] == 2 ? 0x7F7F7F : 0;
            EXPECT_EQ(shot.At(100 + 20 * k, 320 + 20 * kind), want) << kind << " " << lives[k];
        }
    EXPECT_TRUE(sparks[6].x == emitterX && sparks[6].y == emitterY) << "a spent spark frees its slot";
}

TEST(Sparks, EmittedAsDrawnFromAWanderingEmitterOnTheScreenAndSkitteringOnceOnTheFloor) {
    Canvas canvas;
    const int floor = canvas.h - 1;
    SparksReset();
    SparksFrame(canvas.hwnd);   // the emitter starts in the middle; three sparks, none other alive
    EXPECT_TRUE(std::abs(emitterX - canvas.w / 2) <= 3 && std::abs(emitterY - canvas.h / 2) <= 3 &&
                sparkMaxX == canvas.w && sparkFloorY == floor);
    for (int i = 0; i < kSparkCount; ++i) EXPECT_EQ(sparks[i].active, i < 3) << i;
    for (Spark& s : sparks) s.active = 0;
    std::srand(8);   // every slot taken in turn as drawn; one more finds none free
    for (int i = 0; i <= kSparkCount; ++i) EmitSpark(30, 40);
    Draws r(8);
    auto speed = [&r] {   // 3..8, negative when 1..10 comes below 5
        const float v = static_cast<float>(3 + r(6));
        return 1 + r(10) < 5 ? -v : v;
    };
    for (const Spark& s : sparks) {
        Spark e{1, 30, 40, speed(), 0, 0, 0, 0};
        e.vy = speed(), e.life = 32 + r(17), e.kind = r(3);
        ASSERT_EQ(std::memcmp(&s, &e, sizeof e), 0) << &s - sparks;
    }
    for (POINT corner : {POINT{0, 0}, POINT{canvas.w, 0}, POINT{0, floor}, POINT{canvas.w, floor}}) {
        emitterX = corner.x, emitterY = corner.y;
        for (int frame = 0; frame < 100; ++frame) {   // one step of at most 3 each way a frame
            const int wasX = emitterX, wasY = emitterY;
            SparksFrame(canvas.hwnd);
            ASSERT_TRUE(emitterX >= 0 && emitterX <= canvas.w && emitterY >= 0 && emitterY <= floor &&
                        std::abs(emitterX - wasX) <= 3 && std::abs(emitterY - wasY) <= 3);
        }
    }
    // From x 500 and a row near the floor, with a velocity and fall, after some frames it lies still at x.
    const int skitter = Draws(1)(15) - 7;
    const struct { int dy; float vx, vy, fall; int frames, x; } rows[] = {
        {-1, -1, 2, 0, 1, 499 + skitter}, {0, 1, 0, 0, 1, 501 + skitter},   // moving down; moving right
        {0, -1, 0, 0, 1, 499}, {0, 0, 0, 0, 1, 500},                        // moving left; lying still
        {-1, -1, -0.5f, 5, 2, 498},   // gravity takes it below the floor; back on it next frame, moving left and up
    };
    for (const auto& row : rows) {
        Quiet(canvas, 0);
        sparks[0] = Spark{1, 500, floor + row.dy, row.vx, row.vy, 40, 0, row.fall};
        std::srand(1);
        for (int f = 0; f < row.frames; ++f) SparksFrame(canvas.hwnd);
        const Spark& s = sparks[0];
        EXPECT_TRUE(s.x == row.x && s.y == floor && s.vx == 0 && s.vy == 0 && s.fall == 0) << &row - rows;
    }
}
