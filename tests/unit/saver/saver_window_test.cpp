// The saver window: how it opens and closes, what ends it, and what it paints.
#include <gtest/gtest.h>

#include <cstring>

#include "app/app.h"
#include "app/settings.h"
#include "lights/light_string.h"
#include "saver/effects/warp_drive.h"
#include "saver/saver.h"
#include "saver_test_util.h"

using savertest::Capture;
using savertest::Frames;

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0), kWhite = RGB(255, 255, 255);

class SaverWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(spine_.ok()); }
    static HWND Start() {
        StartSaver();
        if (saverWindow) UpdateWindow(saverWindow);
        return saverWindow;
    }
    const LONG w_ = GetSystemMetrics(SM_CXSCREEN), h_ = GetSystemMetrics(SM_CYSCREEN);
    const RECT title_ = {0, h_ - 40, 200, h_}, middle_ = {0, h_ / 2 - 60, w_, h_ / 2 + 60};
    const RECT bottom_ = {250, h_ - 120, w_, h_};
    savertest::SaverSpine spine_;
};

int SaverWindowsAlive() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM found) CALLBACK -> BOOL {
        char cls[32] = "";
        GetClassNameA(window, cls, sizeof cls);
        *reinterpret_cast<int*>(found) += lstrcmpA(cls, kSaverClassName) == 0;
        return TRUE;
    }, reinterpret_cast<LPARAM>(&count));
    return count;
}

HHOOK refuseHook = nullptr;

LRESULT CALLBACK RefuseSaverWindows(int code, WPARAM wParam, LPARAM lParam) {
    const char* cls = code == HCBT_CREATEWND ? reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->lpszClass : nullptr;
    if (cls && !IS_INTRESOURCE(cls) && lstrcmpA(cls, kSaverClassName) == 0) return 1;
    return CallNextHookEx(refuseHook, code, wParam, lParam);
}

}  // namespace

TEST_F(SaverWindowTest, TheStringAndTitleAreDrawnIntoItAndThePointerVanishes) {
    // Its place, topmost style, bulbs and message on the screen: see the end-to-end test.
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(DrawingWindow(), window);
    EXPECT_GT(Capture(window).Count(title_, kRed), 20u) << "the title line";
    // The cursor shows nothing: AND mask all set, XOR mask all clear.
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(reinterpret_cast<HCURSOR>(GetClassLongPtrA(window, GCLP_HCURSOR)), &info));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, info.hbmMask);
    int shown = info.hbmColor != nullptr;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) shown += GetPixel(dc, x, y) != kWhite || GetPixel(dc, x, y + 32) != kBlack;
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(shown, 0);
}

TEST_F(SaverWindowTest, OneWindowAtATimeAndStopPutsTheDesktopAndStringBack) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "SaverTestUnderneath";
    RegisterClassA(&wc);
    HWND under = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 300, 300, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    UpdateWindow(under);
    for (int round = 0; round < 2; ++round) {   // the second start finds the class registered
        HWND window = Start();
        ASSERT_NE(window, nullptr);
        StartSaver();
        EXPECT_EQ(saverWindow, window);
        EXPECT_EQ(SaverWindowsAlive(), 1);
        testenv::Pump(100);
        EXPECT_EQ(testenv::ScreenPixel(400, 350), kBlack);
        lastActivityTick = GetTickCount() - 600000;
        StopSaver();
        EXPECT_TRUE(!saverRunning && !saverWindow && !IsWindow(window) && SaverWindowsAlive() == 0);
        EXPECT_LT(GetTickCount() - lastActivityTick, 5000u) << "the end counts as activity";
        EXPECT_NE(DrawingWindow(), window);
        testenv::Pump(100);
        int coloured = 0;
        for (int x = 0; x < w_; x += 4) coloured += testenv::ScreenPixel(x, 16) != kBlack;
        EXPECT_GT(coloured, 0) << "the bulbs are back";
        EXPECT_EQ(testenv::ScreenPixel(400, 350), kWhite);
        StopSaver();   // a second stop does nothing
    }
    DestroyWindow(under);
}

TEST_F(SaverWindowTest, AWindowThatCannotBeMadeLeavesTheSaverOff) {
    refuseHook = SetWindowsHookExA(WH_CBT, RefuseSaverWindows, nullptr, GetCurrentThreadId());
    lastActivityTick = GetTickCount() - 600000;
    StartSaver();
    UnhookWindowsHookEx(refuseHook);
    EXPECT_EQ(saverWindow, nullptr);
    EXPECT_FALSE(saverRunning) << "else nothing could ever start or end it again";
    EXPECT_LT(GetTickCount() - lastActivityTick, 5000u) << "the next try waits a full delay";
    EXPECT_NE(Start(), nullptr);
}

TEST_F(SaverWindowTest, WhatEndsIt) {
    // Keys always; characters never; clicks only with SSMouseClick; closing the window.
    const struct { LONG click; UINT message; WPARAM wParam; bool ends; } inputs[] = {
        {0, WM_CHAR, 'a', false},           {0, WM_KEYDOWN, 'A', true},        {0, WM_KEYUP, 'A', true},
        {0, WM_LBUTTONDOWN, 0, false},      {0, WM_RBUTTONDOWN, 0, false},     {0, WM_MBUTTONDOWN, 0, false},
        {1, WM_LBUTTONDOWN, 0, true},       {1, WM_RBUTTONDOWN, 0, true},      {1, WM_MBUTTONDOWN, 0, true},
        {0, WM_SYSCOMMAND, SC_CLOSE, true},
    };
    settings.SSMouseMove = 0;
    for (const auto& in : inputs) {
        settings.SSMouseClick = in.click;
        HWND window = Start();
        ASSERT_NE(window, nullptr);
        SendMessageA(window, in.message, in.wParam, 1);
        EXPECT_EQ(!saverRunning && !IsWindow(window), in.ends) << std::hex << in.message << " click " << in.click;
        StopSaver();
    }
    // Movement: only beyond the 20 x 20 box around the starting point, and only with SSMouseMove.
    const struct { LONG move; int dx, dy; bool ends; } moves[] = {
        {1, 9, 9, false}, {1, -10, -10, false}, {1, 9, -10, false}, {1, 10, 0, true},
        {1, 0, 10, true}, {1, -11, 0, true},    {1, 0, -11, true},  {0, 300, 200, false},
    };
    for (const auto& move : moves) {
        settings.SSMouseMove = move.move;
        SetCursorPos(300, 200);
        ASSERT_NE(Start(), nullptr);
        SendMessageA(saverWindow, WM_MOUSEMOVE, 0, MAKELPARAM(300 + move.dx, 200 + move.dy));
        EXPECT_EQ(!saverRunning, move.ends) << move.dx << ", " << move.dy;
        StopSaver();
    }
    // The system's own saver is refused with IgnoreWinSS, whatever the low four bits.
    settings.IgnoreWinSS = 1;
    HWND window = Start();
    for (WPARAM command : {SC_SCREENSAVE, SC_SCREENSAVE | 3}) EXPECT_EQ(SendMessageA(window, WM_SYSCOMMAND, command, 0), 1);
    EXPECT_TRUE(saverRunning && IsWindow(window));
}

TEST_F(SaverWindowTest, FallingSnowPaintsItsMessageAtTheBottomOnlyOnRepaint) {
    std::strcpy(settings.SSMsg, "HELLO");
    settings.SSType = kSaverTypeSnow;
    HWND window = Start();
    const savertest::Picture picture = Capture(window);
    const size_t red = picture.Count(bottom_, kRed);
    EXPECT_GT(red, 500u) << "painted with the window";
    EXPECT_EQ(picture.Count(middle_, kRed), 0u);
    EXPECT_GT(picture.Count(title_, kRed), 20u);
    HDC dc = GetDC(window);
    FillRect(dc, &bottom_, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(window, dc);
    Frames(window, 3);
    EXPECT_EQ(Capture(window).Count(bottom_, kRed), 0u) << "frames leave it alone";
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(Capture(window).Count(bottom_, kRed), red);
}

TEST_F(SaverWindowTest, FramesStayWithTheEffectItOpenedWithWhenTheTypeChanges) {
    // SSType may change while the saver runs; frames must not go to an effect never set up.
    HWND window = Start();   // Blank Screen
    for (Star& star : stars) star.z = 0;   // a Warp Drive that was never reset
    settings.SSType = 1;
    Frames(window, 3);
    EXPECT_EQ(Capture(window).Count(middle_, kBlack), static_cast<size_t>(w_) * 120u);
}
