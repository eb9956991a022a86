// The flash engine: modes, idle throttle, five-minute change, keyboard lights, timer.
#include "app/app.h"
#include "app/commands.h"
#include "canvas_window.h"
#include "lights/flash_rates.h"
#include "lights/keyboard_lights.h"
#include "lights_fixture.h"

namespace {

class FlashEngine : public LightsTest {
protected:
    void SetUp() override {
        LightsTest::SetUp();
        savedStep_ = lastStepTick;
        savedChange_ = lastChangeTick;
        // No five-minute change unless a test asks for one.
        lastChangeTick = GetTickCount();
    }
    void TearDown() override {
        lastStepTick = savedStep_;
        lastChangeTick = savedChange_;
        LightsTest::TearDown();
    }

    static void Steps(int n) {
        for (int k = 0; k < n; ++k) FlashStep(FlashForm::Timer);
    }

private:
    DWORD savedStep_ = 0, savedChange_ = 0;
};

std::vector<BYTE> KeyState() {
    std::vector<BYTE> keys(256);
    GetKeyboardState(keys.data());
    return keys;
}

}  // namespace

// All Together flips every bulb, Alternating swaps the halves, None keeps all lit.
TEST_F(FlashEngine, StepsFlipWholeStrings) {
    std::vector<LONG> all, odd, even;
    for (LONG i = 0; i < 20; ++i) {
        all.push_back(i);
        (i % 2 ? odd : even).push_back(i);
    }
    const struct {
        LONG mode;
        std::vector<LONG> afterOne, afterTwo;
    } cases[] = {{2, all, {}}, {4, even, odd}, {0, all, all}};
    for (const auto& c : cases) {
        settings.Mode = c.mode;
        LoadBulbSet();
        Steps(1);
        EXPECT_EQ(LitBulbs(), c.afterOne) << "mode " << c.mode;
        Steps(1);
        EXPECT_EQ(LitBulbs(), c.afterTwo) << "mode " << c.mode;
    }
}

TEST_F(FlashEngine, ChaseMovesOnePlaceAndWrapsAtTheEnd) {
    settings.Mode = 3;
    LoadBulbSet();
    Steps(1);
    EXPECT_EQ(LitBulbs(), (std::vector<LONG>{1, 5, 9, 13, 17}));
    Steps(2);
    EXPECT_EQ(LitBulbs(), (std::vector<LONG>{3, 7, 11, 15, 19}));
    lightString.chasePos = 19;
    Steps(1);
    EXPECT_EQ(lightString.chasePos, 0);
    EXPECT_EQ(LitBulbs(), (std::vector<LONG>{0, 4, 8, 12, 16}));
    // The position survives a reload.
    Steps(1);
    LoadBulbSet();
    EXPECT_EQ(LitBulbs(), (std::vector<LONG>{1, 5, 9, 13, 17}));

    lightString.bulbCount = 36;
    lightString.chasePos = 0;
    LoadBulbSet();
    Steps(1);
    EXPECT_EQ(LitBulbs().size(), 18u);
    EXPECT_EQ(LitBulbs().front(), 1);
}

TEST_F(FlashEngine, RandomModeFlipsOnlyBulbsWhoseDelayRanOut) {
    settings.Mode = 1;
    settings.Rate = 3;
    LoadBulbSet();
    const DWORD now = GetTickCount();
    for (LONG i = 0; i < 20; ++i) {
        B(i).lit = 0;
        B(i).nextToggleTick = i % 2 ? now + 600000 : now - 1;
    }
    Steps(1);
    const DWORD after = GetTickCount();
    for (LONG i = 0; i < 20; ++i) {
        if (i % 2) {
            EXPECT_EQ(B(i).lit, 0) << i;
            EXPECT_EQ(B(i).nextToggleTick, now + 600000);
        } else {
            EXPECT_EQ(B(i).lit, 1) << i;
            // Fast: the next flip waits 200 to 1000 ms.
            EXPECT_GE(B(i).nextToggleTick - now, 200u) << i;
            EXPECT_LE(B(i).nextToggleTick - after, 1000u) << i;
        }
    }
    // Not due again at once.
    Steps(1);
    for (LONG i = 0; i < 20; i += 2) EXPECT_EQ(B(i).lit, 1) << i;
}

TEST_F(FlashEngine, SomeFlashHoldsTheSteadyBulbsLit) {
    settings.Mode = 5;
    LoadBulbSet();
    const DWORD now = GetTickCount();
    for (LONG i = 0; i < 20; ++i) {
        B(i).flashes = i < 5;
        B(i).lit = 0;
        B(i).nextToggleTick = now - 1;
    }
    Steps(1);
    EXPECT_EQ(LitBulbs().size(), 20u);
    for (LONG i = 0; i < 5; ++i) B(i).nextToggleTick = now - 1;
    B(10).lit = 0;   // a steady bulb someone put out comes back
    Steps(1);
    EXPECT_EQ(LitBulbs(), (std::vector<LONG>{5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
}

TEST_F(FlashEngine, EveryStepRepaintsEvenWhenNothingChanged) {
    CanvasWindow canvas(320, 40, RGB(0, 0, 0));
    SolidIcons icons;
    settings.OwnWindow = 1;
    ownWindow = canvas.hwnd();
    settings.Mode = 0;
    DressBulbs(icons, 10);
    lightString.bulbCount = 10;
    for (LONG i = 0; i < 10; ++i) B(i).lit = 1;
    Steps(1);
    EXPECT_EQ(canvas.Pixel(32 * 9 + 16, 16), TestBulbColour(9, 1));
    canvas.Clear();   // something painted over the bulbs
    EXPECT_EQ(canvas.Pixel(32 * 9 + 16, 16), RGB(0, 0, 0));
    Steps(1);
    EXPECT_EQ(canvas.Pixel(32 * 9 + 16, 16), TestBulbColour(9, 1));
    for (Bulb& bulb : lightString.bulbs) bulb.icon[0] = bulb.icon[1] = nullptr;
}

TEST_F(FlashEngine, IdleFormStartsTheClockThenStepsAtMostEvery250ms) {
    settings.Mode = 2;
    LoadBulbSet();
    lastStepTick = 0;
    FlashStep(FlashForm::Idle);
    EXPECT_NE(lastStepTick, 0u);
    EXPECT_TRUE(LitBulbs().empty());    // the first idle call only records the time
    EXPECT_GT(IdleFlashDueIn(), 0u);
    EXPECT_LE(IdleFlashDueIn(), 251u);

    // A burst of idle calls: however fast they come, steps keep 250 ms apart.
    const DWORD start = GetTickCount();
    int steps = 0;
    for (int n = 0; n < 2000; ++n) {
        const DWORD before = lastStepTick;
        FlashStep(FlashForm::Idle);
        if (lastStepTick != before) {
            ++steps;
            EXPECT_GT(lastStepTick - before, 250u);
        }
    }
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_LE(steps, static_cast<int>(elapsed / 250 + 1));

    // Once 250 ms have passed, the next idle call steps.
    lastStepTick = GetTickCount() - 300;
    EXPECT_EQ(IdleFlashDueIn(), 0u);
    const size_t litBefore = LitBulbs().size();
    FlashStep(FlashForm::Idle);
    EXPECT_NE(LitBulbs().size(), litBefore);
    // The timer form is never throttled.
    const size_t litNow = LitBulbs().size();
    FlashStep(FlashForm::Timer);
    EXPECT_NE(LitBulbs().size(), litNow);
}

TEST_F(FlashEngine, RandomBulbTypeChangesEveryFiveMinutes) {
    settings.Mode = 2;      // draws nothing while stepping
    settings.ChangeLights = 1;
    Load(kBulbTypeRandom, 2);
    lastChangeTick = GetTickCount() - 300001;
    std::srand(99);
    const LONG expected = std::rand() % 19;
    std::srand(99);
    B(3).color = 42;
    Steps(1);
    EXPECT_EQ(effectiveBulbType, expected);
    EXPECT_NE(B(3).color, 42);              // the whole set was reloaded
    EXPECT_LE(GetTickCount() - lastChangeTick, 60000u);
    // Not again until five more minutes have passed.
    B(3).color = 42;
    Steps(3);
    EXPECT_EQ(B(3).color, 42);
}

TEST_F(FlashEngine, FixedBulbTypeOrChangeLightsOffNeverChangesBySelf) {
    settings.Mode = 2;
    lastChangeTick = GetTickCount() - 400000;
    settings.ChangeLights = 1;
    Load(5, 2);
    B(3).color = 42;
    Steps(2);
    EXPECT_EQ(B(3).color, 42);
    settings.ChangeLights = 0;
    Load(kBulbTypeRandom, 2);
    B(3).color = 42;
    Steps(2);
    EXPECT_EQ(B(3).color, 42);
}

TEST_F(FlashEngine, KeyboardLightsFollowTheFirstThreeBulbs) {
    std::vector<BYTE> keys = KeyState();
    keys['A'] = 0x80;
    keys[VK_NUMLOCK] = keys[VK_CAPITAL] = keys[VK_SCROLL] = 0x01;
    SetKeyboardState(keys.data());

    settings.KeyLights = 1;
    settings.Mode = 4;      // Alternating: Num and Scroll Lock in step, Caps Lock opposite
    LoadBulbSet();
    for (int step = 0; step < 3; ++step) {
        Steps(1);
        keys = KeyState();
        EXPECT_EQ(keys[VK_NUMLOCK], B(0).lit ? 0x81 : 0x00);
        EXPECT_EQ(keys[VK_CAPITAL], B(1).lit ? 0x81 : 0x00);
        EXPECT_EQ(keys[VK_SCROLL], B(2).lit ? 0x81 : 0x00);
        EXPECT_NE(keys[VK_NUMLOCK], keys[VK_CAPITAL]);
        EXPECT_EQ(keys['A'], 0x80);          // other keys keep their state
    }

    // Without power the keyboard is left as it is.
    settings.Power = 0;
    const std::vector<BYTE> before = KeyState();
    Steps(1);
    EXPECT_EQ(KeyState(), before);

    // A string shorter than three bulbs counts the missing ones as dark.
    settings.Power = 1;
    settings.Mode = 0;
    lightString.bulbCount = 1;
    LoadBulbSet();
    Steps(1);
    keys = KeyState();
    EXPECT_EQ(keys[VK_NUMLOCK], 0x81);
    EXPECT_EQ(keys[VK_CAPITAL], 0x00);
    EXPECT_EQ(keys[VK_SCROLL], 0x00);
    keys['A'] = 0;
    SetKeyboardState(keys.data());
}

TEST_F(FlashEngine, TimerRunsOnTheMainWindowUntilStopped) {
    HWND saved = mainWindow;
    CanvasWindow window(10, 10, RGB(0, 0, 0));
    mainWindow = window.hwnd();
    StartFlashTimer();
    EXPECT_TRUE(KillTimer(mainWindow, kFlashTimerId));    // it was running
    StartFlashTimer();
    StopFlashTimer();
    EXPECT_FALSE(KillTimer(mainWindow, kFlashTimerId));   // already stopped
    mainWindow = saved;
}
