// The inactivity test: the delay, what counts as activity, and what keeps the saver off.
#include <gtest/gtest.h>

#include "app/settings.h"
#include "saver/saver.h"
#include "saver_test_util.h"

using savertest::ClearButtonMarks;
using savertest::RealButton;
using savertest::RealClick;

namespace {

class SaverDueTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.ScreenSaver = 1;
        settings.Power = 1;
        settings.SSDelay = 5;
        saverRunning = false;
        ClearButtonMarks();
    }
    void TearDown() override { saverRunning = false; }

    // Pretends the last activity lay this many milliseconds ago.
    static void ActiveAgo(DWORD ms) { lastActivityTick = GetTickCount() - ms; }
};

constexpr DWORD kFiveMinutes = 5 * 60000;

}  // namespace

TEST_F(SaverDueTest, StartsOnlyOnceTheWholeDelayHasPassed) {
    ActiveAgo(kFiveMinutes - 20000);
    EXPECT_FALSE(SaverDue());
    ActiveAgo(kFiveMinutes + 1);
    EXPECT_TRUE(SaverDue());
    NoteActivity();
    EXPECT_FALSE(SaverDue());
}

TEST_F(SaverDueTest, DelayZeroStartsAsSoonAsTheClockMoves) {
    settings.SSDelay = 0;
    ActiveAgo(1);
    EXPECT_TRUE(SaverDue());
    ActiveAgo(0);
    // Still the very same tick: not yet.
    if (GetTickCount() == lastActivityTick) {
        EXPECT_FALSE(SaverDue());
    }
}

TEST_F(SaverDueTest, NothingStartsWhenDisabledPoweredOffOrRunning) {
    ActiveAgo(kFiveMinutes + 5000);
    settings.ScreenSaver = 0;
    EXPECT_FALSE(SaverDue());
    settings.ScreenSaver = 1;
    settings.Power = 0;
    EXPECT_FALSE(SaverDue());
    settings.Power = 1;
    saverRunning = true;
    EXPECT_FALSE(SaverDue());
    saverRunning = false;
    EXPECT_TRUE(SaverDue());
}

TEST_F(SaverDueTest, AClickSinceThePreviousPollRestartsTheDelay) {
    const struct { DWORD down, up; } buttons[] = {{MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
                                                 {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}};
    for (const auto& button : buttons) {
        ActiveAgo(kFiveMinutes + 5000);
        RealClick(button.down, button.up);
        const DWORD before = GetTickCount();
        EXPECT_FALSE(SaverDue());
        EXPECT_LT(lastActivityTick - before, 5000u) << "the click counts as activity now";
        // The click has been seen: one delay later the saver is due again.
        ActiveAgo(kFiveMinutes + 5000);
        EXPECT_TRUE(SaverDue());
    }
}

TEST_F(SaverDueTest, AClickDuringTheDelayIsSeenOnlyWhenTheDelayRunsOut) {
    ActiveAgo(1000);
    RealClick(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    const DWORD early = lastActivityTick;
    EXPECT_FALSE(SaverDue());
    EXPECT_EQ(lastActivityTick, early) << "the buttons are not polled during the delay";
    ActiveAgo(kFiveMinutes + 5000);
    EXPECT_FALSE(SaverDue());
}

TEST_F(SaverDueTest, AButtonHeldDownDoesNotKeepTheSaverAway) {
    ActiveAgo(kFiveMinutes + 5000);
    RealButton(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(SaverDue());
    RealButton(MOUSEEVENTF_LEFTUP);
    ClearButtonMarks();
}
