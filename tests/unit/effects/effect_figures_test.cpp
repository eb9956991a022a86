// Frame times and pictures of every effect, for scripts/bench-saver; disabled in test runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "effect_canvas.h"
#include "saver/effects/caterpillar.h"
#include "saver/effects/curves.h"
#include "saver/effects/falling_snow.h"
#include "saver/effects/fireworks.h"
#include "saver/effects/sparks.h"
#include "saver/effects/warp_drive.h"
#include "saver/saver_effect.h"

namespace {
const struct { const char* name; const SaverEffect* effect; } kEffects[] = {
    {"falling-snow", &fallingSnowEffect}, {"warp-drive", &warpDriveEffect},   {"fireworks", &fireworksEffect},
    {"curves", &curvesEffect},            {"caterpillar", &caterpillarEffect}, {"sparks", &sparksEffect},
};
}  // namespace

// Mean and slowest frame on a screen-sized window, after twenty seconds' warm-up (deep snow, full slots).
TEST(EffectFigures, DISABLED_FrameTimes) {
    constexpr int kWarmUp = 400, kTimed = 200;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    std::printf("Frame times at %d x %d (%d frames after %d of warm-up)\n", GetSystemMetrics(SM_CXSCREEN),
                GetSystemMetrics(SM_CYSCREEN), kTimed, kWarmUp);
    for (const auto& e : kEffects) {
        EffectCanvas canvas;
        std::srand(1);
        e.effect->Reset();
        RunFrames(e.effect->Frame, canvas.hwnd(), kWarmUp);
        double total = 0, slowest = 0;
        for (int i = 0; i < kTimed; ++i) {
            QueryPerformanceCounter(&start);
            e.effect->Frame(canvas.hwnd());
            QueryPerformanceCounter(&end);
            const double ms = 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart;
            total += ms;
            slowest = std::max(slowest, ms);
        }
        std::printf("  %-12s mean %7.3f ms   slowest %7.3f ms\n", e.name, total / kTimed, slowest);
    }
    std::fflush(stdout);
}

// NAME.bmp of every effect after five seconds of frames, in the folder LUMENKIN_SHOTS (default ".").
TEST(EffectFigures, DISABLED_Pictures) {
    const char* folder = std::getenv("LUMENKIN_SHOTS");
    const std::string dir = folder && *folder ? folder : ".";
    for (const auto& e : kEffects) {
        EffectCanvas canvas;
        e.effect->Reset();
        for (int i = 0; i < 100; ++i, Sleep(5)) e.effect->Frame(canvas.hwnd());
        const std::string path = dir + "\\" + e.name + ".bmp";
        EXPECT_TRUE(Snapshot(canvas.hwnd()).Save(path.c_str())) << path;
    }
}
