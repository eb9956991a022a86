// The flash engine and its rules: the timer, a step in each mode, the idle throttle, the
// five-minute change, the keyboard lights, the chase pattern and the tick-count tests.
#include "lights_fixture.h"

using FlashEngine = LightsTest;

namespace {

void Steps(int n) {
    for (int k = 0; k < n; ++k) FlashStep(FlashForm::Timer);
}

std::vector<LONG> Every(LONG from, LONG step, LONG count = 20) {
    std::vector<LONG> v;
    for (LONG i = from; i < count; i += step) v.push_back(i);
    return v;
}

}  // namespace

// 100 ms in Random mode, else by rate; timer 5 on the main window, raced against a 700 ms
// timer of the test's own.
TEST_F(FlashEngine, TimerByModeAndRate) {
    const UINT byRate[] = {1320, 970, 520, 270, 120};
    for (LONG mode = 0; mode < 6; ++mode)
        for (LONG rate = 0; rate < 5; ++rate)
            EXPECT_EQ(FlashTimerInterval(mode, rate), mode == 1 ? 100u : byRate[rate]) << mode << ", " << rate;
    Canvas window(8, 8);
    mainWindow = window.hwnd;
    const struct { LONG mode, rate; WPARAM first; } races[] = {{1, 0, 5}, {2, 0, 77}, {5, 4, 5}};
    for (const auto& r : races) {
        settings.Mode = r.mode, settings.Rate = r.rate;
        StartFlashTimer();
        SetTimer(window.hwnd, 77, 700, nullptr);
        MSG msg{};
        for (DWORD start = GetTickCount(); GetTickCount() - start < 10000; Sleep(5))
            if (PeekMessageA(&msg, window.hwnd, WM_TIMER, WM_TIMER, PM_REMOVE)) break;
        EXPECT_EQ(msg.wParam, r.first) << "mode " << r.mode << ", rate " << r.rate;
        StopFlashTimer();
        EXPECT_FALSE(KillTimer(window.hwnd, 5));   // stopped
        KillTimer(window.hwnd, 77);
    }
}

// Whole-string modes over three steps from their loaded state; the chase wraps.
TEST_F(FlashEngine, StepsOfTheWholeStringModes) {
    const struct { LONG mode; std::vector<LONG> steps[3]; } cases[] = {
        {0, {Every(0, 1), Every(0, 1), Every(0, 1)}},   // None
        {2, {Every(0, 1), {}, Every(0, 1)}},            // All Together
        {3, {Every(1, 4), Every(2, 4), Every(3, 4)}},   // Chase
        {4, {Every(0, 2), Every(1, 2), Every(0, 2)}}};  // Alternating
    for (const auto& c : cases) {
        settings.Mode = c.mode, lightString.chasePos = 0;
        LoadBulbSet();
        for (int s = 0; s < 3; ++s) {
            Steps(1);
            EXPECT_EQ(LitBulbs(), c.steps[s]) << "mode " << c.mode << ", step " << s;
        }
    }
    settings.Mode = 3, lightString.chasePos = 19;
    Steps(1);
    EXPECT_EQ(LitBulbs(), Every(0, 4));
}

// Random and Some Flash flip only flashing bulbs whose delay ran out; steady ones are lit.
TEST_F(FlashEngine, RandomAndSomeFlashFlipDueBulbs) {
    for (LONG mode : {1, 5}) {
        settings.Mode = mode, settings.Rate = 3;
        LoadBulbSet();
        const DWORD now = GetTickCount();
        for (LONG i = 0; i < 20; ++i)
            B(i).lit = 0, B(i).flashes = mode == 1 || i < 10, B(i).nextToggleTick = i % 4 ? now - 1 : now + 600000;
        for (int step = 0; step < 2; ++step) {   // the second comes too soon for any to flip again
            Steps(1);
            const DWORD after = GetTickCount();
            for (LONG i = 0; i < 20; ++i) {
                EXPECT_EQ(B(i).lit, i % 4 || !B(i).flashes) << "mode " << mode << ", bulb " << i;
                const DWORD next = B(i).nextToggleTick;   // Fast: the next flip waits 200 to 1000 ms
                EXPECT_TRUE(!(i % 4 && B(i).flashes) || (next - now >= 200 && next - after <= 1000)) << i;
            }
        }
    }
}

TEST_F(FlashEngine, IdleFormStepsAtMostEvery250ms) {
    settings.Mode = 2;
    LoadBulbSet();
    lastStepTick = 0;
    FlashStep(FlashForm::Idle);   // only starts the clock
    EXPECT_TRUE(LitBulbs().empty() && lastStepTick && IdleFlashDueIn() > 0 && IdleFlashDueIn() <= 251);
    int steps = 0;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 1200; Sleep(1)) {
        const DWORD before = lastStepTick;
        const LONG lit = B(0).lit;
        FlashStep(FlashForm::Idle);
        EXPECT_EQ(B(0).lit != lit, lastStepTick != before);
        EXPECT_TRUE(lastStepTick == before || (++steps && lastStepTick - before > 250));
    }
    EXPECT_GE(steps, 2);
    lastStepTick = GetTickCount() - 300;
    EXPECT_EQ(IdleFlashDueIn(), 0u);
    lastStepTick = GetTickCount();
    const LONG lit = B(0).lit;
    FlashStep(FlashForm::Timer);   // never throttled
    EXPECT_NE(B(0).lit, lit);
}

TEST_F(FlashEngine, RandomBulbTypeChangesEveryFiveMinutes) {
    settings.Mode = 2;   // draws nothing while stepping
    const struct { LONG type, changeLights; bool changes; } cases[] = {
        {kBulbTypeRandom, 1, true}, {5, 1, false}, {kBulbTypeRandom, 0, false}};
    for (const auto& c : cases) {
        settings.ChangeLights = c.changeLights, settings.BulbType = c.type;
        LoadBulbSet();
        lastChangeTick = GetTickCount() - 300001;
        std::srand(99);
        const LONG expected = std::rand() % 19;
        std::srand(99);
        B(3).color = 42;
        Steps(1);
        EXPECT_EQ(B(3).color != 42, c.changes) << c.type << ", " << c.changeLights;
        if (!c.changes) continue;
        EXPECT_EQ(effectiveBulbType, expected);
        B(3).color = 42;
        Steps(3);   // not again until five more minutes have passed
        EXPECT_EQ(B(3).color, 42);
    }
}

// Num, Caps and Scroll Lock show bulbs 0, 1 and 2 (missing ones dark) as 0x81 or 0; other
// keys keep their state; without power or KeyLights the keyboard is left alone.
TEST_F(FlashEngine, KeyboardLightsFollowTheFirstThreeBulbs) {
    const struct { LONG keyLights, power, count; int lit; BYTE num, caps, scroll; } cases[] = {
        {1, 1, 20, 1, 0x81, 0, 0}, {1, 1, 20, 2, 0, 0x81, 0}, {1, 1, 20, 4, 0, 0, 0x81}, {1, 1, 2, 7, 0x81, 0x81, 0},
        {1, 1, 1, 7, 0x81, 0, 0},  {1, 0, 20, 7, 1, 1, 1},    {0, 1, 20, 7, 1, 1, 1}};
    LoadBulbSet();   // Mode None: a step leaves the bulbs as they are
    BYTE keys[256];
    for (const auto& c : cases) {
        GetKeyboardState(keys);
        keys['A'] = 0x80, keys[VK_NUMLOCK] = keys[VK_CAPITAL] = keys[VK_SCROLL] = 1;
        SetKeyboardState(keys);
        settings.KeyLights = c.keyLights, settings.Power = c.power, lightString.bulbCount = c.count;
        for (LONG i = 0; i < 3; ++i) B(i).lit = (c.lit >> i) & 1;
        Steps(1);
        GetKeyboardState(keys);
        EXPECT_EQ(std::vector<int>({keys[0x90], keys[0x14], keys[0x91], keys['A']}),
                  std::vector<int>({c.num, c.caps, c.scroll, 0x80})) << "case " << &c - cases;
    }
    keys['A'] = 0;
    SetKeyboardState(keys);
}

// Spacing 4 for 20 bulbs, 5 for 25, 8 for 32 and 40, else 2; the pattern wraps; bulbs past
// the string's end are left alone.
TEST_F(FlashEngine, ChaseSpacingByStringLength) {
    const struct { LONG count, pos; std::vector<LONG> lit; } cases[] = {
        {20, 18, {2, 6, 10, 14, 18}}, {25, 3, {3, 8, 13, 18, 23}}, {32, 30, {6, 14, 22, 30}},
        {40, 7, {7, 15, 23, 31, 39}}, {3, 2, {2}},                 {1, 0, {}},
        {36, 35, Every(1, 2, 36)},    {24, 0, Every(0, 2, 24)}};
    B(40).lit = 7;
    for (const auto& c : cases) {
        lightString.bulbCount = c.count, lightString.chasePos = c.pos;
        for (LONG i = 0; i < c.count; ++i) B(i).lit = 1;
        SetChasePattern();
        EXPECT_EQ(LitBulbs(), c.lit) << c.count << " bulbs at " << c.pos;
    }
    EXPECT_EQ(B(40).lit, 7);
}

// An interval has elapsed when start + interval is less than now, strictly; measured as the
// tick difference, so also across the wrap.
TEST(TickCounts, IntervalsAreStrictAndSurviveTheWrap) {
    const DWORD start = 0xFFFFFFF0u;   // 16 ms before the tick count wraps to 0
    const struct { DWORD start, interval, now; bool elapsed; } cases[] = {
        {1000, 250, 1250, false},   {1000, 250, 1251, true},   {1000, 250, 1000, false},
        {0, 300000, 300000, false}, {0, 300000, 300001, true}, {start, 250, 0xFFFFFFF8u, false},
        {start, 250, 0x10u, false}, {start, 250, 0xEAu, false}, {start, 250, 0xEBu, true}};
    for (const auto& c : cases) EXPECT_EQ(IntervalElapsed(c.start, c.interval, c.now), c.elapsed) << c.now;
    EXPECT_TRUE(!IntervalElapsed(GetTickCount() - 100, 250) && IntervalElapsed(GetTickCount() - 300, 250));
    EXPECT_TRUE(!TickIsPast(500, 500) && TickIsPast(501, 500) && TickIsPast(0x10u, start) && !TickIsPast(start, 0x10u));
}
