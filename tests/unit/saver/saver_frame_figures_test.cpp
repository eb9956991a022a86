// Time of a whole saver frame in the real saver window (effect, message and title), for
// scripts/bench-saver-window; disabled in test runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/settings.h"
#include "app/text.h"
#include "resource.h"
#include "saver/saver.h"
#include "saver/saver_effect_table.h"
#include "saver_test_util.h"

namespace {

constexpr int kWarmUpFrames = 400;   // twenty seconds of frames: the snow lies deep
constexpr int kTimedFrames = 200;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

TEST(SaverFrameFigures, DISABLED_WholeFrames) {
    savertest::SaverSpine spine;
    ASSERT_TRUE(spine.ok());
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::printf("Whole saver frames at %d x %d with a 31-character message (%d frames after %d of warm-up)\n",
                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), kTimedFrames, kWarmUpFrames);
    for (LONG type = 0; type < kSaverTypeCount; ++type) {
        settings.SSType = type;
        std::strcpy(settings.SSMsg, "Season's Greetings to everyone!");
        std::srand(1);
        StartSaver();
        ASSERT_NE(saverWindow, nullptr);
        UpdateWindow(saverWindow);
        savertest::Frames(saverWindow, kWarmUpFrames);
        double total = 0, slowest = 0;
        for (int i = 0; i < kTimedFrames; ++i) {
            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            SendMessageA(saverWindow, WM_TIMER, kSaverTimerId, 0);
            GdiFlush();
            QueryPerformanceCounter(&end);
            const double ms = Milliseconds(start, end, frequency);
            total += ms;
            slowest = std::max(slowest, ms);
        }
        std::printf("  %-20s mean %7.3f ms   slowest %7.3f ms\n", LoadText(IDS_SAVER_TYPE_NAME_FIRST + type).c_str(),
                    total / kTimedFrames, slowest);
        StopSaver();
    }
}
