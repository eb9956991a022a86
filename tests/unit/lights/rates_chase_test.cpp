// Flash rates, random delays, the chase pattern and the tick-count tests.
#include "lights/flash_rates.h"
#include "lights_fixture.h"

using RatesAndChase = LightsTest;

TEST(FlashRates, TimerIntervalFollowsTheRateExceptInRandomMode) {
    const UINT byRate[] = {1320, 970, 520, 270, 120};
    for (LONG rate = 0; rate < 5; ++rate) {
        EXPECT_EQ(FlashTimerInterval(1, rate), 100u) << rate;
        for (LONG mode : {0, 2, 3, 4, 5}) EXPECT_EQ(FlashTimerInterval(mode, rate), byRate[rate]) << mode;
    }
}

TEST_F(RatesAndChase, DelaysStayWithinTheirRateAndReachBothEnds) {
    const struct { DWORD low, high; } ranges[] = {{2000, 2700}, {1600, 2200}, {1000, 1600}, {200, 1000}, {50, 500}};
    std::srand(2);
    for (LONG rate = 0; rate < 5; ++rate) {
        settings.Rate = rate;
        DWORD low = ~0u, high = 0;
        for (int n = 0; n < 40000; ++n) {
            const DWORD d = NextFlashDelay();
            ASSERT_GE(d, ranges[rate].low) << rate;
            ASSERT_LE(d, ranges[rate].high) << rate;
            low = d < low ? d : low;
            high = d > high ? d : high;
        }
        EXPECT_EQ(low, ranges[rate].low) << rate;
        EXPECT_EQ(high, ranges[rate].high) << rate;
    }
}

TEST_F(RatesAndChase, ChaseSpacingByStringLength) {
    const struct {
        LONG count, pos;
        std::vector<LONG> lit;
    } cases[] = {
        {20, 0, {0, 4, 8, 12, 16}},
        {20, 18, {2, 6, 10, 14, 18}},
        {25, 3, {3, 8, 13, 18, 23}},
        {32, 0, {0, 8, 16, 24}},
        {32, 30, {6, 14, 22, 30}},
        {40, 7, {7, 15, 23, 31, 39}},
        {3, 2, {2}},
        {1, 0, {}},
    };
    for (const auto& c : cases) {
        lightString.bulbCount = c.count;
        lightString.chasePos = c.pos;
        for (LONG i = 0; i < c.count; ++i) B(i).lit = 1;
        SetChasePattern();
        EXPECT_EQ(LitBulbs(), c.lit) << c.count << " bulbs at " << c.pos;
    }
    // Any other length lights every second bulb.
    lightString.bulbCount = 36;
    lightString.chasePos = 1;
    SetChasePattern();
    const std::vector<LONG> lit = LitBulbs();
    ASSERT_EQ(lit.size(), 18u);
    for (LONG i : lit) EXPECT_EQ(i % 2, 1);
    // Bulbs past the string's end are left alone.
    lightString.bulbCount = 20;
    B(20).lit = 7;
    SetChasePattern();
    EXPECT_EQ(B(20).lit, 7);
}

TEST(TickCounts, IntervalElapsedIsStrictAndSurvivesTheWrap) {
    EXPECT_FALSE(IntervalElapsed(1000, 250, 1250));
    EXPECT_TRUE(IntervalElapsed(1000, 250, 1251));
    EXPECT_FALSE(IntervalElapsed(1000, 250, 1000));
    EXPECT_FALSE(IntervalElapsed(0, 300000, 300000));
    EXPECT_TRUE(IntervalElapsed(0, 300000, 300001));
    // Started 16 ms before the tick count wraps to 0: the end of the interval lies after the wrap.
    const DWORD start = 0xFFFFFFF0u;
    EXPECT_FALSE(IntervalElapsed(start, 250, 0xFFFFFFF8u));    // 8 ms
    EXPECT_FALSE(IntervalElapsed(start, 250, 0x00000010u));    // 32 ms
    EXPECT_FALSE(IntervalElapsed(start, 250, 0x000000EAu));    // exactly 250 ms
    EXPECT_TRUE(IntervalElapsed(start, 250, 0x000000EBu));     // 251 ms
}

TEST(TickCounts, TickIsPastAcrossTheWrap) {
    EXPECT_FALSE(TickIsPast(500, 500));
    EXPECT_TRUE(TickIsPast(501, 500));
    EXPECT_FALSE(TickIsPast(499, 500));
    EXPECT_TRUE(TickIsPast(0x00000010u, 0xFFFFFFF0u));        // due just before the wrap
    EXPECT_FALSE(TickIsPast(0xFFFFFFF0u, 0x00000010u));       // due just after it
}
