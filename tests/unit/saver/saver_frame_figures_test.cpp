// Time of a whole saver frame (effect, message and title), for scripts/bench-saver-window.
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

TEST(SaverFrameFigures, DISABLED_WholeFrames) {
    constexpr int kWarmUp = 400, kTimed = 200;   // twenty seconds of warm-up: the snow lies deep
    savertest::SaverSpine spine;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    std::printf("Whole saver frames at %d x %d with a 31-character message (%d frames after %d of warm-up)\n",
                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), kTimed, kWarmUp);
    for (LONG type = 0; type < kSaverTypeCount; ++type) {
        settings.SSType = type;
        std::strcpy(settings.SSMsg, "Season's Greetings to everyone!");
        std::srand(1);
        StartSaver();
        UpdateWindow(saverWindow);
        savertest::Frames(saverWindow, kWarmUp);
        double total = 0, slowest = 0;
        for (int i = 0; i < kTimed; ++i) {
            QueryPerformanceCounter(&start);
            savertest::Frames(saverWindow, 1);
            GdiFlush();
            QueryPerformanceCounter(&end);
            const double ms = 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart;
            total += ms;
            slowest = std::max(slowest, ms);
        }
        std::printf("  %-20s mean %7.3f ms   slowest %7.3f ms\n", LoadText(IDS_SAVER_TYPE_NAME_FIRST + type).c_str(),
                    total / kTimed, slowest);
        StopSaver();
    }
}
