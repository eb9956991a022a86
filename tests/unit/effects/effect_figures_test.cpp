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

struct NamedEffect {
    const char* name;
    const SaverEffect* effect;
};

const NamedEffect kEffects[] = {
    {"falling-snow", &fallingSnowEffect}, {"warp-drive", &warpDriveEffect},   {"fireworks", &fireworksEffect},
    {"curves", &curvesEffect},            {"caterpillar", &caterpillarEffect}, {"sparks", &sparksEffect},
};

constexpr int kWarmUpFrames = 400;    // twenty seconds at one frame per 50 ms: the snow lies deep
constexpr int kPictureFrames = 100;   // five seconds
constexpr int kTimedFrames = 200;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

// Prints the mean and the slowest time of one frame of each effect on a screen-sized
// window, after a warm-up that lets the snow lie and fills the particle slots.
TEST(EffectFigures, DISABLED_FrameTimes) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::printf("Frame times at %d x %d (%d frames after %d of warm-up)\n", GetSystemMetrics(SM_CXSCREEN),
                GetSystemMetrics(SM_CYSCREEN), kTimedFrames, kWarmUpFrames);
    for (const NamedEffect& e : kEffects) {
        EffectCanvas canvas;
        std::srand(1);
        e.effect->Reset();
        RunFrames(e.effect->Frame, canvas.hwnd(), kWarmUpFrames);
        double total = 0, slowest = 0;
        for (int i = 0; i < kTimedFrames; ++i) {
            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            e.effect->Frame(canvas.hwnd());
            QueryPerformanceCounter(&end);
            const double ms = Milliseconds(start, end, frequency);
            total += ms;
            slowest = std::max(slowest, ms);
        }
        std::printf("  %-12s mean %7.3f ms   slowest %7.3f ms\n", e.name, total / kTimedFrames, slowest);
    }
    std::fflush(stdout);
}

// Writes NAME.bmp for every effect after five seconds' worth of frames into the folder
// named by LUMENKIN_SHOTS (default: the current folder).
TEST(EffectFigures, DISABLED_Pictures) {
    const char* folder = std::getenv("LUMENKIN_SHOTS");
    const std::string dir = folder && *folder ? folder : ".";
    for (const NamedEffect& e : kEffects) {
        EffectCanvas canvas;
        e.effect->Reset();
        for (int i = 0; i < kPictureFrames; ++i) {
            e.effect->Frame(canvas.hwnd());
            Sleep(5);
        }
        const std::string path = dir + "\\" + e.name + ".bmp";
        EXPECT_TRUE(Snapshot(canvas.hwnd()).Save(path.c_str())) << path;
    }
}
