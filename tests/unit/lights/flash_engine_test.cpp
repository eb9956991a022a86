// The flash engine: modes, idle throttle, five-minute change, keyboard lights.
#include "lights/keyboard_lights.h"
#include "lights_fixture.h"

using FlashEngine = LightsTest;

namespace {

void Steps(int n) {
    for (int k = 0; k < n; ++k) FlashStep(FlashForm::Timer);
}

std::vector<LONG> Every(LONG from, LONG step) {
    std::vector<LONG> v;
    for (LONG i = from; i < 20; i += step) v.push_back(i);
    return v;
}

}  // namespace

// Whole-string modes over three steps from their loaded state.
TEST_F(FlashEngine, StepsOfTheWholeStringModes) {
    const struct { LONG mode; std::vector<LONG> steps[3]; } cases[] = {
        {0, {Every(0, 1), Every(0, 1), Every(0, 1)}},            // None
        {2, {Every(0, 1), {}, Every(0, 1)}},                     // All Together
        {3, {Every(1, 4), Every(2, 4), Every(3, 4)}},            // Chase
        {4, {Every(0, 2), Every(1, 2), Every(0, 2)}},            // Alternating
    };
    for (const auto& c : cases) {
        settings.Mode = c.mode;
        lightString.chasePos = 0;
        LoadBulbSet();
        for (int s = 0; s < 3; ++s) {
            Steps(1);
            EXPECT_EQ(LitBulbs(), c.steps[s]) << "mode " << c.mode << ", step " << s;
        }
    }
    settings.Mode = 3;   // the chase wraps at the end of the string
    lightString.chasePos = 19;
    Steps(1);
    EXPECT_EQ(LitBulbs(), Every(0, 4));
}

// Random and Some Flash flip only flashing bulbs whose delay ran out; steady ones stay lit.
TEST_F(FlashEngine, RandomAndSomeFlashFlipDueBulbs) {
    for (LONG mode : {1, 5}) {
        settings.Mode = mode;
        settings.Rate = 3;
        LoadBulbSet();
        const DWORD now = GetTickCount();
        for (LONG i = 0; i < 20; ++i) {
            B(i) = Bulb{B(i).x, 0, 0, 0, i % 4 ? now - 1 : now + 600000, 1, 0, mode == 1 || i < 10, {}};
        }
        Steps(1);
        const DWORD after = GetTickCount();
        for (LONG i = 0; i < 20; ++i) {
            EXPECT_EQ(B(i).lit, i % 4 || !B(i).flashes) << "mode " << mode << ", bulb " << i;
            if (i % 4 && B(i).flashes) {   // Fast: the next flip waits 200 to 1000 ms
                EXPECT_GE(B(i).nextToggleTick - now, 200u) << i;
                EXPECT_LE(B(i).nextToggleTick - after, 1000u) << i;
            }
        }
        Steps(1);   // not due again at once
        for (LONG i = 0; i < 20; ++i) EXPECT_EQ(B(i).lit, i % 4 || !B(i).flashes) << i;
    }
}

TEST_F(FlashEngine, IdleFormStepsAtMostEvery250ms) {
    settings.Mode = 2;
    LoadBulbSet();
    lastStepTick = 0;
    FlashStep(FlashForm::Idle);
    EXPECT_NE(lastStepTick, 0u);
    EXPECT_TRUE(LitBulbs().empty());    // the first idle call only starts the clock
    EXPECT_GT(IdleFlashDueIn(), 0u);
    for (int n = 0; n < 2000; ++n) {
        const DWORD before = lastStepTick;
        FlashStep(FlashForm::Idle);
        if (lastStepTick != before) {
            EXPECT_GT(lastStepTick - before, 250u);
        }
    }
    lastStepTick = GetTickCount() - 300;
    EXPECT_EQ(IdleFlashDueIn(), 0u);
    const size_t lit = LitBulbs().size();
    FlashStep(FlashForm::Idle);
    EXPECT_NE(LitBulbs().size(), lit);
    FlashStep(FlashForm::Timer);    // never throttled
    EXPECT_EQ(LitBulbs().size(), lit);
}

TEST_F(FlashEngine, RandomBulbTypeChangesEveryFiveMinutes) {
    settings.Mode = 2;   // draws nothing while stepping
    const struct { LONG type, changeLights; bool changes; } cases[] = {
        {kBulbTypeRandom, 1, true}, {5, 1, false}, {kBulbTypeRandom, 0, false}};
    for (const auto& c : cases) {
        settings.ChangeLights = c.changeLights;
        Load(c.type, 2);
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

// Num, Caps and Scroll Lock follow bulbs 0 to 2 (missing ones dark); other keys keep
// their state; without power the keyboard is left alone.
TEST_F(FlashEngine, KeyboardLightsFollowTheFirstThreeBulbs) {
    BYTE keys[256], before[256];
    GetKeyboardState(keys);
    keys['A'] = 0x80;
    keys[VK_NUMLOCK] = keys[VK_CAPITAL] = keys[VK_SCROLL] = 0x01;
    SetKeyboardState(keys);
    settings.KeyLights = 1;
    settings.Mode = 4;
    LoadBulbSet();
    for (LONG count : {20, 20, 1, 0}) {
        settings.Power = count > 0;
        lightString.bulbCount = count > 0 ? count : 20;
        GetKeyboardState(before);
        Steps(1);
        GetKeyboardState(keys);
        const int locks[] = {VK_NUMLOCK, VK_CAPITAL, VK_SCROLL};
        for (LONG i = 0; i < 3; ++i)
            EXPECT_EQ(keys[locks[i]], count ? (i < count && B(i).lit ? 0x81 : 0) : before[locks[i]]) << i;
        EXPECT_EQ(keys['A'], 0x80);
    }
    keys['A'] = 0;
    SetKeyboardState(keys);
}
