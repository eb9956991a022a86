// The flash engine and its rules: timer, steps by mode, chase, idle throttle, type change, keyboard, ticks.
#include "lights_fixture.h"

static std::vector<LONG> Every(LONG from, LONG step, LONG count = 20) {
    std::vector<LONG> v;
    for (LONG i = from; i < count; i += step) v.push_back(i);
    return v;
}

// 100 ms in Random mode, else by rate; timer 5 on the main window, raced against a 700 ms one.
TEST_F(LightsTest, TimerByModeAndRate) {
    const UINT byRate[] = {1320, 970, 520, 270, 120};
    for (LONG mode = 0, rate; mode < 6; ++mode)
        for (rate = 0; rate < 5; ++rate) EXPECT_EQ(FlashTimerInterval(mode, rate), mode == 1 ? 100u : byRate[rate]);
    Canvas window(8, 8);
    for (const auto& [mode, rate, first] : {std::tuple{1, 0, 5u}, {2, 0, 77u}, {5, 4, 5u}}) {
        settings.Mode = mode, settings.Rate = rate, mainWindow = window.hwnd;
        StartFlashTimer(), SetTimer(window.hwnd, 77, 700, nullptr);
        MSG msg{};
        for (DWORD start = GetTickCount(); GetTickCount() - start < 10000; Sleep(5))
            if (PeekMessageA(&msg, window.hwnd, WM_TIMER, WM_TIMER, PM_REMOVE)) break;
        EXPECT_EQ(msg.wParam, first) << "mode " << mode << ", rate " << rate;
        StopFlashTimer(), KillTimer(window.hwnd, 77);
        EXPECT_FALSE(KillTimer(window.hwnd, 5));   // stopped
    }
}

// Each whole-string mode from its start over two steps; chase spacing 4, 5, 8, 8 for 20, 25, 32, 40, else 2.
TEST_F(LightsTest, WholeStringModesAndTheChase) {
    const struct { LONG mode, count, pos; std::vector<LONG> lit[3]; } cases[] = {
        {0, 20, 0, {Every(0, 1), Every(0, 1), Every(0, 1)}},  {2, 20, 0, {{}, Every(0, 1), {}}},
        {4, 20, 0, {Every(1, 2), Every(0, 2), Every(1, 2)}},  {3, 20, 18, {Every(2, 4), Every(3, 4), Every(0, 4)}},
        {3, 25, 3, {Every(3, 5, 25), Every(4, 5, 25), Every(0, 5, 25)}},
        {3, 32, 30, {Every(6, 8, 32), Every(7, 8, 32), Every(0, 8, 32)}},
        {3, 40, 7, {Every(7, 8, 40), Every(0, 8, 40), Every(1, 8, 40)}},
        {3, 36, 35, {Every(1, 2, 36), Every(0, 2, 36), Every(1, 2, 36)}}, {3, 3, 2, {{2}, {0}, {1}}}, {3, 1, 0, {}}};
    for (const auto& c : cases) {
        settings.Mode = c.mode, lightString.bulbCount = c.count, lightString.chasePos = c.pos, LoadBulbSet();
        for (int s = 0; s < 3; ++s, FlashStep(FlashForm::Timer))
            EXPECT_EQ(LitBulbs(), c.lit[s]) << "mode " << c.mode << ", " << c.count << " bulbs, step " << s;
    }
}

// Random and Some Flash flip only flashing bulbs whose delay ran out; steady ones are lit.
TEST_F(LightsTest, RandomAndSomeFlashFlipDueBulbs) {
    for (LONG mode : {1, 5}) {
        settings.Mode = mode, settings.Rate = 3, LoadBulbSet();
        const DWORD now = GetTickCount();
        for (LONG i = 0; i < 20; ++i)
            B(i).lit = 0, B(i).flashes = mode == 1 || i < 10, B(i).nextToggleTick = i % 4 ? now - 1 : now + 600000;
        FlashStep(FlashForm::Timer);
        for (LONG i = 0, after = GetTickCount(); i < 20; ++i) {
            const DWORD next = B(i).nextToggleTick;   // Fast: the next flip waits 200 to 1000 ms
            EXPECT_EQ(B(i).lit, i % 4 || !B(i).flashes) << "mode " << mode << ", bulb " << i;
            EXPECT_TRUE(!(i % 4 && B(i).flashes) || (next - now >= 200 && next - after <= 1000)) << i;
        }
    }
}

// The first idle call only starts the clock; then a step at most every 250 ms; timer steps always.
TEST_F(LightsTest, IdleFormStepsAtMostEvery250ms) {
    settings.Mode = 2, lastStepTick = 0, LoadBulbSet();
    FlashStep(FlashForm::Idle);
    EXPECT_TRUE(LitBulbs().empty() && lastStepTick && IdleFlashDueIn() > 0);
    int steps = 0;
    for (DWORD start = GetTickCount(), before; GetTickCount() - start < 1200; Sleep(1)) {
        const LONG lit = B(0).lit;
        before = lastStepTick, FlashStep(FlashForm::Idle);
        EXPECT_EQ(B(0).lit != lit, lastStepTick != before);
        EXPECT_TRUE(lastStepTick == before || (++steps && lastStepTick - before > 250));
    }
    EXPECT_GE(steps, 1);
    lastStepTick = GetTickCount(), FlashStep(FlashForm::Timer);
    EXPECT_EQ(LitBulbs().empty(), steps % 2 == 1);
}

// With a random type and ChangeLights a new set comes every five minutes and the desktop is refreshed.
TEST_F(LightsTest, RandomBulbTypeChangesEveryFiveMinutes) {
    Canvas desktop(8, 8);
    settings.Mode = 2, desktopWindow = desktop.hwnd;   // Mode 2 draws nothing while stepping
    for (const auto& [type, changeLights, ago, changes] :
         {std::tuple{-1, 1, 300001u, true}, {-1, 1, 290000u, false}, {5, 1, 300001u, false}, {-1, 0, 300001u, false}}) {
        settings.ChangeLights = changeLights, settings.BulbType = type, LoadBulbSet();
        std::srand(99), B(3).color = 42, lastChangeTick = GetTickCount() - ago, FlashStep(FlashForm::Timer);
        EXPECT_EQ(B(3).color != 42, changes) << type << ", " << changeLights << ", " << ago;
        EXPECT_TRUE(B(3).color == 42 || (effectiveBulbType == (std::srand(99), std::rand() % 19) &&
                                         GetTickCount() - lastChangeTick < 60000 &&   // the next five minutes start
                                         GetUpdateRect(desktop.hwnd, nullptr, 0)));   // the old bulbs wiped
    }
}

// Num, Caps, Scroll Lock show bulbs 0-2 (missing ones dark) as 0x81 or 0, only with KeyLights and Power.
TEST_F(LightsTest, KeyboardLightsFollowTheFirstThreeBulbs) {
    const struct { LONG keyLights, power, count; int lit; BYTE num, caps, scroll; } cases[] = {
        {1, 1, 20, 1, 0x81, 0, 0}, {1, 1, 20, 2, 0, 0x81, 0}, {1, 1, 20, 4, 0, 0, 0x81}, {1, 1, 2, 7, 0x81, 0x81, 0},
        {1, 1, 1, 7, 0x81, 0, 0},  {1, 0, 20, 7, 1, 1, 1},    {0, 1, 20, 7, 1, 1, 1}};
    LoadBulbSet();   // Mode None: a step leaves the bulbs as they are
    BYTE keys[256];
    for (const auto& c : cases) {
        GetKeyboardState(keys), keys['A'] = 0x80, keys[VK_NUMLOCK] = keys[VK_CAPITAL] = keys[VK_SCROLL] = 1;
        SetKeyboardState(keys);
        settings.KeyLights = c.keyLights, settings.Power = c.power, lightString.bulbCount = c.count;
        for (LONG i = 0; i < 3; ++i) B(i).lit = (c.lit >> i) & 1;
        FlashStep(FlashForm::Timer), GetKeyboardState(keys);
        EXPECT_EQ(std::vector<int>({keys[0x90], keys[0x14], keys[0x91], keys['A']}),
                  std::vector<int>({c.num, c.caps, c.scroll, 0x80})) << "case " << &c - cases;
    }
    keys['A'] = 0, SetKeyboardState(keys);
}

// Elapsed when start + interval is less than now, strictly; as a tick difference, so across the wrap too.
TEST(TickCounts, IntervalsAreStrictAndSurviveTheWrap) {
    const struct { DWORD start, interval, now; bool elapsed; } cases[] = {   // -16u: 16 ms before the wrap to 0
        {1000, 250, 1250, false}, {1000, 250, 1251, true}, {1000, 250, 1000, false}, {0, 300000, 300000, false},
        {0, 300000, 300001, true}, {-16u, 250, 0x10u, false}, {-16u, 250, 0xEAu, false}, {-16u, 250, 0xEBu, true}};
    for (const auto& c : cases) EXPECT_EQ(IntervalElapsed(c.start, c.interval, c.now), c.elapsed) << c.now;
    EXPECT_TRUE(!TickIsPast(500, 500) && TickIsPast(501, 500) && TickIsPast(0x10u, -16u) && !TickIsPast(-16u, 0x10u));
}
