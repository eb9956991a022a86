// Random delays, the chase pattern and the tick-count tests.
#include "lights/flash_rates.h"
#include "lights_fixture.h"

using RatesAndChase = LightsTest;

TEST_F(RatesAndChase, DelaysStayWithinTheirRateAndReachBothEnds) {
    const DWORD ranges[][2] = {{2000, 2700}, {1600, 2200}, {1000, 1600}, {200, 1000}, {50, 500}};
    std::srand(2);
    for (LONG rate = 0; rate < 5; ++rate) {
        settings.Rate = rate;
        DWORD low = ~0u, high = 0;
        for (int n = 0; n < 40000; ++n) {
            const DWORD d = NextFlashDelay();
            low = d < low ? d : low;
            high = d > high ? d : high;
        }
        EXPECT_EQ(low, ranges[rate][0]) << rate;
        EXPECT_EQ(high, ranges[rate][1]) << rate;
    }
}

TEST_F(RatesAndChase, ChaseSpacingByStringLength) {
    const struct { LONG count, pos; std::vector<LONG> lit; } cases[] = {
        {20, 18, {2, 6, 10, 14, 18}}, {25, 3, {3, 8, 13, 18, 23}}, {32, 30, {6, 14, 22, 30}},
        {40, 7, {7, 15, 23, 31, 39}}, {3, 2, {2}},                 {1, 0, {}},
        {36, 35, {1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31, 33, 35}},
    };
    B(40).lit = 7;   // bulbs past the string's end are left alone
    for (const auto& c : cases) {
        lightString.bulbCount = c.count;
        lightString.chasePos = c.pos;
        for (LONG i = 0; i < c.count; ++i) B(i).lit = 1;
        SetChasePattern();
        EXPECT_EQ(LitBulbs(), c.lit) << c.count << " bulbs at " << c.pos;
    }
    EXPECT_EQ(B(40).lit, 7);
}

TEST(TickCounts, IntervalsAreStrictAndSurviveTheWrap) {
    const DWORD start = 0xFFFFFFF0u;   // 16 ms before the tick count wraps to 0
    const struct { DWORD start, interval, now; bool elapsed; } cases[] = {
        {1000, 250, 1250, false}, {1000, 250, 1251, true},       {1000, 250, 1000, false},
        {0, 300000, 300000, false}, {0, 300000, 300001, true},   {start, 250, 0xFFFFFFF8u, false},
        {start, 250, 0x10u, false}, {start, 250, 0xEAu, false},  {start, 250, 0xEBu, true},
    };
    for (const auto& c : cases) EXPECT_EQ(IntervalElapsed(c.start, c.interval, c.now), c.elapsed) << c.now;
    EXPECT_FALSE(TickIsPast(500, 500));
    EXPECT_TRUE(TickIsPast(501, 500));
    EXPECT_TRUE(TickIsPast(0x10u, start));
    EXPECT_FALSE(TickIsPast(start, 0x10u));
}
