// The inactivity test: the delay, what keeps the saver off, and clicks polled when the delay runs out.
#include <gtest/gtest.h>

#include "app/settings.h"
#include "saver/saver.h"

namespace {

// SaverDue with the last activity `idle` ms ago; asked again when a true answer may come from the tick
// count moving on meanwhile.
bool DueAfter(DWORD idle) {
    for (DWORD now = GetTickCount();; now = GetTickCount()) {
        lastActivityTick = now - idle;
        if (!SaverDue()) return false;
        if (GetTickCount() == now) return true;
    }
}

void Click(DWORD down, DWORD up) {   // through the system's input queue
    INPUT input[2] = {{INPUT_MOUSE, {}}, {INPUT_MOUSE, {}}};
    input[0].mi.dwFlags = down, input[1].mi.dwFlags = up;
    SendInput(up ? 2 : 1, input, sizeof input[0]);
}

}  // namespace

TEST(SaverDue, TheDelayWhatKeepsTheSaverOffAndClicksSinceThePreviousPoll) {
    for (int button : {VK_LBUTTON, VK_RBUTTON}) GetAsyncKeyState(button);   // forget earlier clicks
    const struct { LONG screenSaver, power, delay; DWORD idle; bool running, due; } rows[] = {
        {1, 1, 5, 300000, false, false}, {1, 1, 5, 300001, false, true}, {1, 1, 5, 280000, false, false},
        {0, 1, 5, 600000, false, false}, {1, 0, 5, 600000, false, false}, {1, 1, 5, 600000, true, false},
        {1, 1, 0, 0, false, false},      {1, 1, 0, 1, false, true},
        {1, 1, 71582, 1000, false, false},   // a delay reaching past the tick count's wrap (up 48 s or more)
    };
    for (const auto& row : rows) {
        settings.ScreenSaver = row.screenSaver, settings.Power = row.power, settings.SSDelay = row.delay;
        saverRunning = row.running;
        EXPECT_EQ(DueAfter(row.idle), row.due) << &row - rows;
    }
    saverRunning = false, settings.SSDelay = 5;
    for (DWORD down : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTDOWN}) {
        Click(down, down * 2);   // a click, whenever it came, restarts the delay once it runs out
        EXPECT_FALSE(DueAfter(400000));
        EXPECT_LT(GetTickCount() - lastActivityTick, 5000u);
        EXPECT_TRUE(DueAfter(400000)) << "the click was seen once";
    }
    Click(MOUSEEVENTF_LEFTDOWN, 0);
    EXPECT_TRUE(DueAfter(400000)) << "a button held down is no activity";
    Click(MOUSEEVENTF_LEFTUP, 0);
    GetAsyncKeyState(VK_LBUTTON);
}
