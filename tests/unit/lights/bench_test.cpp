// Light string benchmarks for scripts/bench-lights (disabled in ordinary test runs).
#include <cstdio>

#include "app/app.h"
#include "lights_fixture.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool IconAlive(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return false;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return true;
}

}  // namespace

using Bench = LightsTest;

// All Together changes every bulb at every step; the string is painted onto the screen.
TEST_F(Bench, DISABLED_FlashStepWith80Bulbs) {
    lightString.bulbCount = 80;
    settings.Mode = 2;
    settings.Color = 8;
    LoadBulbSet();
    lastChangeTick = GetTickCount();
    std::printf("screen %d x %d pixels, %ld bulbs\n", GetSystemMetrics(SM_CXSCREEN),
                GetSystemMetrics(SM_CYSCREEN), static_cast<long>(lightString.bulbCount));
    for (LONG noFlicker : {0, 1}) {
        settings.NoFlicker = noFlicker;
        for (int n = 0; n < 20; ++n) FlashStep(FlashForm::Timer);   // warm up
        const int steps = 1000;
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        for (int n = 0; n < steps; ++n) FlashStep(FlashForm::Timer);
        QueryPerformanceCounter(&end);
        std::printf("FlashStep, %s path: %.3f ms per step (%d steps)\n", noFlicker ? "NoFlicker" : "direct",
                    Milliseconds(start, end) / steps, steps);
    }
}

// Every reload switches between two types (Colored: six colours), so each one loads 12
// new icons and must release the 12 of the set it replaces.
TEST_F(Bench, DISABLED_TenThousandReloads) {
    lightString.bulbCount = 80;
    settings.Color = 8;
    settings.BulbType = 4;
    LoadBulbSet();
    const int liveBefore = CachedBulbIconCount();
    int failedLoads = 0, survivors = 0;
    const int reloads = 10000;
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int n = 0; n < reloads; ++n) {
        const HICON replaced[2] = {B(0).icon[0], B(0).icon[1]};
        settings.BulbType = n % 2 ? 4 : 5;   // Bells, Fish
        LoadBulbSet();
        for (HICON icon : replaced) survivors += IconAlive(icon);
        for (LONG i = 0; i < 80; ++i) failedLoads += !B(i).icon[0] + !B(i).icon[1];
    }
    QueryPerformanceCounter(&end);
    std::printf("%d reloads of 80 bulbs: %.3f ms per reload; %d icons loaded and released\n", reloads,
                Milliseconds(start, end) / reloads, reloads * liveBefore);
    std::printf("live bulb icons before %d, after %d; replaced icons still valid: %d; failed loads: %d\n",
                liveBefore, CachedBulbIconCount(), survivors, failedLoads);
    EXPECT_EQ(CachedBulbIconCount(), liveBefore);
    EXPECT_EQ(survivors, 0);
    EXPECT_EQ(failedLoads, 0);
}
