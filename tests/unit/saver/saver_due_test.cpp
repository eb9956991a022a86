// The inactivity test: the delay, what counts as activity, and what keeps the saver off.
#include <gtest/gtest.h>

#include "app/settings.h"
#include "saver/saver.h"
#include "saver_test_util.h"

namespace {

constexpr DWORD kDelay = 5 * 60000;

class SaverDueTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.ScreenSaver = settings.Power = 1;
        settings.SSDelay = 5;
        saverRunning = false;
        savertest::ClearButtonMarks();
    }
    void TearDown() override { saverRunning = false; }
    static void ActiveAgo(DWORD ms) { lastActivityTick = GetTickCount() - ms; }
};

}  // namespace

TEST_F(SaverDueTest, TheDelayAndWhatKeepsTheSaverOff) {
    ActiveAgo(kDelay - 20000);
    EXPECT_FALSE(SaverDue());
    ActiveAgo(kDelay + 1);
    EXPECT_TRUE(SaverDue());
    for (LONG* off : {&settings.ScreenSaver, &settings.Power}) {
        *off = 0;
        EXPECT_FALSE(SaverDue());
        *off = 1;
    }
    saverRunning = true;
    EXPECT_FALSE(SaverDue());
    saverRunning = false;
    NoteActivity();
    EXPECT_FALSE(SaverDue());
    settings.SSDelay = 0;
    ActiveAgo(1);
    EXPECT_TRUE(SaverDue()) << "delay 0 starts as soon as the clock moves";
}

TEST_F(SaverDueTest, OnlyAClickSinceThePreviousPollRestartsTheDelay) {
    for (DWORD down : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTDOWN}) {
        ActiveAgo(kDelay + 5000);
        savertest::RealButton(down);
        savertest::RealButton(down * 2);   // the matching up event
        EXPECT_FALSE(SaverDue());
        EXPECT_LT(GetTickCount() - lastActivityTick, 5000u);
        ActiveAgo(kDelay + 5000);
        EXPECT_TRUE(SaverDue()) << "the click was seen once";
    }
    // A click early in the delay is polled only when the delay runs out.
    ActiveAgo(1000);
    savertest::RealButton(MOUSEEVENTF_LEFTDOWN);
    savertest::RealButton(MOUSEEVENTF_LEFTUP);
    EXPECT_FALSE(SaverDue());
    ActiveAgo(kDelay + 5000);
    EXPECT_FALSE(SaverDue());
    // A button held down is no activity.
    ActiveAgo(kDelay + 5000);
    savertest::RealButton(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(SaverDue());
    savertest::RealButton(MOUSEEVENTF_LEFTUP);
    savertest::ClearButtonMarks();
}
