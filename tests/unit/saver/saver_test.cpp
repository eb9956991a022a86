// The saver: when it is due, its window opening and closing, what ends it, its frame timer, what it paints, its effect.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "../effects/effect_canvas.h"
#include "app/app.h"
#include "app/settings.h"
#include "lights/light_string.h"
#include "saver/effects/falling_snow.h"
#include "saver/effects/sparks.h"
#include "saver/effects/warp_drive.h"
#include "saver/saver.h"
#include "saver/saver_effect_table.h"
#include "support/test_env.h"

namespace {

// SaverDue with the last activity `idle` ms ago; asked again if the tick count moved on meanwhile.
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

class SaverWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(spine_.ok()); }
    void TearDown() override { StopSaver(); }
    static HWND Start(LONG type = kSaverTypeBlank, const char* message = "") {
        settings.SSType = type;
        std::strcpy(settings.SSMsg, message);
        StartSaver();
        if (saverWindow) UpdateWindow(saverWindow);
        return saverWindow;
    }
    static void Frames(HWND window, int count) { while (count--) SendMessageA(window, WM_TIMER, 2, 0); }
    static int LitBelowTheString(HWND window) {
        return Snapshot(window).Count(CLR_INVALID, 36, GetSystemMetrics(SM_CYSCREEN) - 40);
    }
    // Below the string: the title bottom left and, with `place`, the message, red on black. Leaves it black.
    static void ExpectPicture(HWND window, UINT place, const char* what) {
        const Snapshot shown(window);
        HDC dc = GetDC(window);
        RECT r = {0, 0, shown.w, shown.h};
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        SetTextColor(dc, 0x0000FF), SetBkMode(dc, TRANSPARENT);
        HGDIOBJ font = SelectObject(dc, messageFont);
        DrawTextA(dc, "Lumenkin v2.1", -1, &r, DT_LEFT | DT_BOTTOM | DT_SINGLELINE);
        SelectObject(dc, bigFont);
        if (place) DrawTextA(dc, settings.SSMsg, -1, &r, DT_CENTER | DT_SINGLELINE | place);
        SelectObject(dc, font);
        const Snapshot expected(window);
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(window, dc);
        EXPECT_TRUE(std::equal(shown.pixels.begin() + 48 * shown.w, shown.pixels.end(),
                               expected.pixels.begin() + 48 * shown.w)) << what;
    }
    testenv::Spine spine_{{"ScreenSaver", "1"}, {"Zoom", "0"}, {"Power", "1"}, {"Music", "0"}};
};

LRESULT CALLBACK RefuseSaverWindows(int code, WPARAM wParam, LPARAM lParam) {
    const char* cls = code == HCBT_CREATEWND ? reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->lpszClass : nullptr;
    if (cls && !IS_INTRESOURCE(cls) && lstrcmpA(cls, "sslkClass") == 0) return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST(SaverDue, TheDelayWhatKeepsTheSaverOffAndClicksSinceThePreviousPoll) {
    for (int button : {VK_LBUTTON, VK_RBUTTON}) GetAsyncKeyState(button);   // forget earlier clicks
    const struct { LONG screenSaver, power, delay; DWORD idle; bool running, due; } rows[] = {
        {1, 1, 5, 300000, false, false}, {1, 1, 5, 300001, false, true}, {0, 1, 5, 600000, false, false},
        {1, 0, 5, 600000, false, false}, {1, 1, 5, 600000, true, false}, {1, 1, 0, 0, false, false},
        {1, 1, 0, 1, false, true}, {1, 1, 71582, 1000, false, false},   // a delay past the tick count's wrap
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

TEST_F(SaverWindowTest, OneWindowAtATimeAndStopPutsTheDesktopAndStringBack) {
    for (int round = 0; round < 2; ++round) {   // the second start finds the class registered
        HWND window = Start();
        StartSaver();
        // Its place on the screen is pinned end to end; here its styles and a pointer that shows nothing.
        EXPECT_TRUE(saverRunning && window && saverWindow == window && DrawingWindow() == window &&
                    FindWindowA("sslkClass", nullptr) == window &&
                    GetWindowLongA(window, GWL_STYLE) == LONG(WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS) &&
                    GetWindowLongA(window, GWL_EXSTYLE) == WS_EX_TOPMOST);
        EXPECT_EQ(GetClassLongA(window, GCL_STYLE), UINT(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_SAVEBITS));
        EXPECT_EQ(GetClassLongPtrA(window, GCLP_HCURSOR), ULONG_PTR(LoadCursorA(appInstance, "NullCursor")));
        lastActivityTick = GetTickCount() - 600000;
        StopSaver();
        EXPECT_TRUE(!saverRunning && !saverWindow && !IsWindow(window) && DrawingWindow() != window);
        EXPECT_LT(GetTickCount() - lastActivityTick, 5000u) << "the end counts as activity";
        int coloured = 0;
        for (DWORD start = GetTickCount(); !coloured && GetTickCount() - start < 5000; testenv::Pump(50))
            for (int x = 0; x < GetSystemMetrics(SM_CXSCREEN); x += 4) coloured += testenv::ScreenPixel(x, 16) != 0;
        EXPECT_GT(coloured, 0) << "the bulbs are back on the desktop";
        StopSaver();   // a second stop does nothing
    }
    HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseSaverWindows, nullptr, GetCurrentThreadId());
    lastActivityTick = GetTickCount() - 600000;
    StartSaver();
    UnhookWindowsHookEx(hook);
    EXPECT_TRUE(!saverWindow && !saverRunning) << "a window that cannot be made leaves it off, or it could never end";
    EXPECT_LT(GetTickCount() - lastActivityTick, 5000u) << "the next try waits a full delay";
}

TEST_F(SaverWindowTest, WhatEndsItAndWhatItAnswers) {
    // The settings, then whether it ends and the answer. From (5, 8) the pointer may rest in -5..14 x -2..17.
    const struct { UINT message; WPARAM wParam; int x, y, move, click, ignore; bool ends; LRESULT answer; } rows[] = {
        {WM_KEYDOWN, 'A', 0, 0, 0, 0, 0, true, 1},     {WM_KEYUP, 'A', 0, 0, 0, 0, 0, true, 1},
        {WM_CHAR, 'a', 0, 0, 1, 1, 1, false, 0},       {WM_LBUTTONDOWN, 0, 5, 8, 1, 0, 0, false, 1},
        {WM_RBUTTONDOWN, 0, 5, 8, 1, 0, 0, false, 1}, {WM_MBUTTONDOWN, 0, 5, 8, 1, 0, 0, false, 1},
        {WM_LBUTTONDOWN, 0, 5, 8, 0, 1, 0, true, 1},  {WM_RBUTTONDOWN, 0, 5, 8, 0, 1, 0, true, 1},
        {WM_MBUTTONDOWN, 0, 5, 8, 0, 1, 0, true, 1},  {WM_MOUSEMOVE, 0, 14, 17, 1, 1, 1, false, 1},
        {WM_MOUSEMOVE, 0, -5, -2, 1, 1, 1, false, 1}, {WM_MOUSEMOVE, 0, 300, 200, 0, 1, 1, false, 1},
        {WM_MOUSEMOVE, 0, 15, 8, 1, 0, 0, true, 1},   {WM_MOUSEMOVE, 0, 5, 18, 1, 0, 0, true, 1},
        {WM_MOUSEMOVE, 0, -6, 8, 1, 0, 0, true, 1},   {WM_MOUSEMOVE, 0, 5, -3, 1, 0, 0, true, 1},
        {WM_SYSCOMMAND, SC_CLOSE, 0, 0, 0, 0, 0, true, 0},   // closed another way (Alt+F4): the saver ends as well
        {WM_SYSCOMMAND, SC_SCREENSAVE, 0, 0, 0, 0, 1, false, 1},   // refused, whatever the low four bits
        {WM_SYSCOMMAND, SC_SCREENSAVE | 3, 0, 0, 0, 0, 1, false, 1},
        {WM_SYSCOMMAND, SC_SCREENSAVE, 0, 0, 1, 1, 0, false, 0},   // passed on to the system
    };
    for (const auto& row : rows) {
        settings.SSMouseMove = row.move, settings.SSMouseClick = row.click, settings.IgnoreWinSS = row.ignore;
        SetCursorPos(5, 8);
        HWND window = Start();
        EXPECT_EQ(SendMessageA(window, row.message, row.wParam, MAKELPARAM(row.x, row.y)), row.answer) << &row - rows;
        EXPECT_EQ(!saverRunning && !IsWindow(window), row.ends) << &row - rows;
        StopSaver();
    }
}

TEST_F(SaverWindowTest, MessageMidScreenOnEveryFrameOrForSnowAtTheBottomWhenPaintedAndTheTitleAlways) {
    HWND window = Start(kSaverTypeBlank, "HELLO");
    ExpectPicture(window, 0, "painted");
    Frames(window, 1);
    ExpectPicture(window, DT_VCENTER, "a frame");
    StopSaver();
    window = Start(kSaverTypeSnow, "HELLO");
    ExpectPicture(window, DT_BOTTOM, "snow painted");
    Frames(window, 3);
    ExpectPicture(window, 0, "snow frames");
}

TEST_F(SaverWindowTest, ItsTypesEffectIsResetOnOpeningAndFramedOnTimer2Every50msEvenWhenTheTypeChanges) {
    const SaverEffect* effects[] = {&fallingSnowEffect, &warpDriveEffect, &fireworksEffect, &curvesEffect,
                                    &caterpillarEffect, nullptr,          &sparksEffect};
    for (LONG type = -1; type <= 7; ++type)
        EXPECT_EQ(SaverEffectFor(type), type >= 0 && type < 7 ? effects[type] : nullptr) << type;
    for (Snowflake& f : snowflakes) f.active = 1;
    sparksReady = true;
    HWND window = Start(6);
    EXPECT_TRUE(!sparksReady && snowflakes[0].active) << "only its own effect";
    // The middle gap of twelve, so a tick that a busy machine delays does not count.
    std::vector<DWORD> ticks, gaps;
    for (DWORD start = GetTickCount(); ticks.size() < 13 && GetTickCount() - start < 10000; Sleep(1))
        for (MSG m; PeekMessageA(&m, window, WM_TIMER, WM_TIMER, PM_REMOVE);)
            if (m.wParam == 2) ticks.push_back(m.time);
    ASSERT_GE(ticks.size(), 13u);
    for (size_t i = 1; i < ticks.size(); ++i) gaps.push_back(ticks[i] - ticks[i - 1]);
    std::nth_element(gaps.begin(), gaps.begin() + 6, gaps.end());
    EXPECT_NEAR(gaps[6], 50, 6);
    Frames(window, 3);
    EXPECT_GT(LitBelowTheString(window), 0);
    StopSaver();
    Start(kSaverTypeSnow);
    EXPECT_FALSE(snowflakes[0].active);
    StopSaver();
    window = Start();   // Blank Screen; a type that changes meanwhile must not reach an effect never set up
    for (Star& star : stars) star.z = 0;
    settings.SSType = 1;
    Frames(window, 3);
    EXPECT_EQ(LitBelowTheString(window), 0);
}
