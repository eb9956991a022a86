// Light string benchmarks for scripts/bench-lights (disabled in ordinary test runs).
#include <cstdio>

#include "lights_fixture.h"

namespace {

double MillisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

using Bench = LightsTest;

// All Together changes every bulb at every step; the string is painted onto the screen.
TEST_F(Bench, DISABLED_FlashStepWith80Bulbs) {
    lightString.bulbCount = 80;
    settings.Mode = 2;
    Load(0, kSchemeColored);
    std::printf("screen %d x %d pixels, 80 bulbs\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    for (LONG noFlicker : {0, 1}) {
        settings.NoFlicker = noFlicker;
        for (int n = 0; n < 20; ++n) FlashStep(FlashForm::Timer);   // warm up
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        for (int n = 0; n < 1000; ++n) FlashStep(FlashForm::Timer);
        std::printf("FlashStep, %s path: %.3f ms per step (1000 steps)\n", noFlicker ? "NoFlicker" : "direct",
                    MillisecondsSince(start) / 1000);
    }
}

// Every reload switches between Bells and Fish in the six colours of Colored, so it
// loads 12 new icons and must release the 12 of the set it replaces.
TEST_F(Bench, DISABLED_TenThousandReloads) {
    lightString.bulbCount = 80;
    Load(4, kSchemeColored);
    const int liveBefore = CachedBulbIconCount();
    int failedLoads = 0, survivors = 0;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    for (int n = 0; n < 10000; ++n) {
        const HICON replaced[2] = {B(0).icon[0], B(0).icon[1]};
        Load(n % 2 ? 4 : 5, kSchemeColored);
        for (HICON icon : replaced) survivors += IconAlive(icon);
        for (LONG i = 0; i < 80; ++i) failedLoads += !B(i).icon[0] + !B(i).icon[1];
    }
    std::printf("10000 reloads of 80 bulbs: %.3f ms per reload; %d icons loaded and released\n",
                MillisecondsSince(start) / 10000, 10000 * liveBefore);
    std::printf("live bulb icons before %d, after %d; replaced icons still valid: %d; failed loads: %d\n",
                liveBefore, CachedBulbIconCount(), survivors, failedLoads);
    EXPECT_EQ(CachedBulbIconCount(), liveBefore);
    EXPECT_EQ(survivors + failedLoads, 0);
}
