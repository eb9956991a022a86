// Flash rates, random flip delays, the chase pattern and the tick-count tests.
#include "lights/flash_rates.h"

#include <cstdlib>

#include "app/settings.h"
#include "lights/light_string.h"

namespace {

struct RateRule {
    UINT timerInterval;     // ms between steps (every mode but Random)
    DWORD delayBase;        // random flip delay: base + one draw mod span
    int delaySpan;
};

constexpr RateRule kRates[kRateCount] = {
    {1320, 2000, 701},  // Very Slow: 2000..2700
    {970, 1600, 601},   // Slow: 1600..2200
    {520, 1000, 601},   // Medium: 1000..1600
    {270, 200, 801},    // Fast: 200..1000
    {120, 50, 451},     // Very Fast: 50..500
};

const RateRule& RuleFor(LONG rate) {
    if (rate < 0) rate = 0;
    if (rate >= kRateCount) rate = kRateCount - 1;
    return kRates[rate];
}

constexpr LONG kModeRandom = 1;

}  // namespace

UINT FlashTimerInterval(LONG mode, LONG rate) {
    return mode == kModeRandom ? kRandomModeInterval : RuleFor(rate).timerInterval;
}

DWORD NextFlashDelay() {
    const RateRule& rule = RuleFor(settings.Rate);
    return rule.delayBase + static_cast<DWORD>(std::rand() % rule.delaySpan);
}

LONG ChaseSpacing(LONG bulbCount) {
    switch (bulbCount) {
    case 20: return 4;
    case 25: return 5;
    case 32:
    case 40: return 8;
    default: return 2;
    }
}

void SetChasePattern() {
    const LONG count = lightString.bulbCount;
    for (LONG i = 0; i < count; ++i) lightString.bulbs[i].lit = 0;
    const LONG spacing = ChaseSpacing(count);
    const LONG lit = count / spacing;
    if (lit < 1) return;
    LONG p = lightString.chasePos;
    if (p < 0 || p >= count) p = 0;
    for (LONG k = 0; k < lit; ++k) {
        lightString.bulbs[p].lit = 1;
        p += spacing;
        if (p >= count) p -= count;
    }
}

bool IntervalElapsed(DWORD start, DWORD interval, DWORD now) {
    return static_cast<DWORD>(now - start) > interval;
}

bool IntervalElapsed(DWORD start, DWORD interval) {
    return IntervalElapsed(start, interval, GetTickCount());
}

bool TickIsPast(DWORD now, DWORD due) {
    return static_cast<LONG>(now - due) > 0;
}
