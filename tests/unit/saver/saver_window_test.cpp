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
using savertest::Picture;
using savertest::SaverSpine;

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

class SaverWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(spine_.ok());
        width_ = GetSystemMetrics(SM_CXSCREEN);
        height_ = GetSystemMetrics(SM_CYSCREEN);
    }

    // Starts the saver and lets it paint its first, black picture.
    HWND Start() {
        StartSaver();
        if (saverWindow) UpdateWindow(saverWindow);
        return saverWindow;
    }

    // Bands of the screen: the string along the top, the title's corner, the middle, the bottom.
    RECT StringBand() const { return {0, 0, width_, kBulbSize}; }
    RECT TitleCorner() const { return {0, height_ - 40, 200, height_}; }
    RECT MiddleBand() const { return {0, height_ / 2 - 60, width_, height_ / 2 + 60}; }
    RECT BottomBand() const { return {250, height_ - 120, width_, height_}; }

    SaverSpine spine_;
    LONG width_ = 0, height_ = 0;
};

// A window of this thread with the saver's class, visible or not.
int SaverWindowsAlive() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            char cls[32] = "";
            GetClassNameA(window, cls, sizeof cls);
            if (lstrcmpA(cls, kSaverClassName) == 0) ++*reinterpret_cast<int*>(found);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

HHOOK refuseHook = nullptr;

// Refuses the creation of every saver window, as a system out of resources would.
LRESULT CALLBACK RefuseSaverWindows(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
        const char* cls = create->lpcs->lpszClass;
        if (!IS_INTRESOURCE(cls) && lstrcmpA(cls, kSaverClassName) == 0) return 1;
    }
    return CallNextHookEx(refuseHook, code, wParam, lParam);
}

}  // namespace

TEST_F(SaverWindowTest, CoversTheScreenOnTopWithTheStringAlongItsTop) {
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(saverRunning);
    char cls[32] = "";
    GetClassNameA(window, cls, sizeof cls);
    EXPECT_STREQ(cls, "sslkClass");
    RECT place;
    GetWindowRect(window, &place);
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.top, 0);
    EXPECT_EQ(place.right, width_);
    EXPECT_EQ(place.bottom, height_);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & (WS_POPUP | WS_CAPTION | WS_BORDER),
              static_cast<DWORD>(WS_POPUP));
    EXPECT_EQ(DrawingWindow(), window) << "the lights are drawn into the saver";

    const Picture picture = Capture(window);
    EXPECT_GT(picture.Count(StringBand(), kBlack), 0u);
    EXPECT_GT(picture.ColoursIn(StringBand()).size(), 3u) << "the bulbs stand along the top";
    EXPECT_EQ(picture.ColoursIn(MiddleBand()), std::set<COLORREF>{kBlack});
    EXPECT_GT(picture.Count(TitleCorner(), kRed), 20u) << "the title line";
}

TEST_F(SaverWindowTest, ThePointerVanishesOverIt) {
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    HCURSOR cursor = reinterpret_cast<HCURSOR>(GetClassLongPtrA(window, GCLP_HCURSOR));
    ASSERT_NE(cursor, nullptr);
    // A monochrome cursor shows nothing where its AND mask is set and its XOR mask clear.
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_EQ(info.hbmColor, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, info.hbmMask);
    int shown = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            shown += GetPixel(dc, x, y) != RGB(255, 255, 255) || GetPixel(dc, x, y + 32) != kBlack;
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(shown, 0);
}

TEST_F(SaverWindowTest, StopPutsTheDesktopAndTheStringBack) {
    // A white window of another program, under the saver while it runs.
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "SaverTestUnderneath";
    RegisterClassA(&wc);
    HWND under = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 300, 300, 200, 100, nullptr,
                                 nullptr, wc.hInstance, nullptr);
    ASSERT_NE(under, nullptr);
    UpdateWindow(under);
    testenv::Pump(100);
    EXPECT_EQ(testenv::ScreenPixel(400, 350), RGB(255, 255, 255));
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    testenv::Pump(100);
    EXPECT_EQ(testenv::ScreenPixel(400, 350), kBlack) << "the saver covers it";
    lastActivityTick = GetTickCount() - 600000;
    StopSaver();
    EXPECT_FALSE(saverRunning);
    EXPECT_EQ(saverWindow, nullptr);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(SaverWindowsAlive(), 0);
    EXPECT_LT(GetTickCount() - lastActivityTick, 5000u) << "the end of the saver counts as activity";
    EXPECT_NE(DrawingWindow(), window);
    testenv::Pump(100);
    // The bulbs are back on the screen: the top row is no longer plain black.
    int coloured = 0;
    for (int x = 0; x < width_; x += 4) coloured += testenv::ScreenPixel(x, 16) != kBlack;
    EXPECT_GT(coloured, 0);
    EXPECT_EQ(testenv::ScreenPixel(400, 350), RGB(255, 255, 255)) << "what lay under the saver shows again";
    DestroyWindow(under);
    StopSaver();   // a second stop does nothing
    EXPECT_FALSE(saverRunning);
}

TEST_F(SaverWindowTest, EachStartMakesANewWindowAndOnlyOne) {
    HWND first = Start();
    ASSERT_NE(first, nullptr);
    StartSaver();
    EXPECT_EQ(saverWindow, first) << "starting a running saver changes nothing";
    EXPECT_EQ(SaverWindowsAlive(), 1);
    StopSaver();
    HWND second = Start();
    ASSERT_NE(second, nullptr) << "the class is registered already; the start still works";
    EXPECT_TRUE(saverRunning);
    EXPECT_EQ(SaverWindowsAlive(), 1);
}

TEST_F(SaverWindowTest, AWindowThatCannotBeMadeLeavesTheSaverOff) {
    refuseHook = SetWindowsHookExA(WH_CBT, RefuseSaverWindows, nullptr, GetCurrentThreadId());
    ASSERT_NE(refuseHook, nullptr);
    lastActivityTick = GetTickCount() - 600000;
    StartSaver();
    UnhookWindowsHookEx(refuseHook);
    EXPECT_EQ(saverWindow, nullptr);
    EXPECT_FALSE(saverRunning) << "else nothing could ever start or end it again";
    EXPECT_LT(GetTickCount() - lastActivityTick, 5000u) << "the next try waits a full delay";
    EXPECT_NE(Start(), nullptr);
}

TEST_F(SaverWindowTest, AnyKeyEndsItWhateverTheMouseSettings) {
    settings.SSMouseMove = 0;
    settings.SSMouseClick = 0;
    for (UINT message : {WM_KEYDOWN, WM_KEYUP}) {
        HWND window = Start();
        ASSERT_NE(window, nullptr);
        SendMessageA(window, WM_CHAR, 'a', 0);
        SendMessageA(window, WM_LBUTTONDOWN, 0, 0);
        SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        EXPECT_TRUE(saverRunning) << "neither characters nor the mouse end it";
        SendMessageA(window, message, 'A', 1);
        EXPECT_FALSE(saverRunning);
        EXPECT_FALSE(IsWindow(window));
    }
}

TEST_F(SaverWindowTest, ClosingTheWindowAnyOtherWayEndsTheSaverToo) {
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    // Alt+F4 reaches the default processing, which closes the window.
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(saverRunning);
    EXPECT_EQ(saverWindow, nullptr);
    EXPECT_NE(Start(), nullptr) << "and it can start again";
}

TEST_F(SaverWindowTest, MouseMovementEndsItOutsideATwentyPixelBox) {
    settings.SSMouseMove = 1;
    settings.SSMouseClick = 0;
    // Offsets from where the pointer stood at the start, and whether they end the saver.
    const struct { int dx, dy; bool ends; } moves[] = {
        {9, 9, false}, {-10, -10, false}, {9, -10, false}, {10, 0, true}, {0, 10, true},
        {-11, 0, true}, {0, -11, true}, {300, 200, true},
    };
    for (const auto& move : moves) {
        if (!saverRunning) {
            SetCursorPos(300, 200);
            ASSERT_NE(Start(), nullptr);
            ASSERT_EQ(saverStartCursor.x, 300);
            ASSERT_EQ(saverStartCursor.y, 200);
        }
        SendMessageA(saverWindow, WM_MOUSEMOVE, 0, MAKELPARAM(300 + move.dx, 200 + move.dy));
        EXPECT_EQ(!saverRunning, move.ends) << move.dx << ", " << move.dy;
    }
    settings.SSMouseMove = 0;
    HWND window = Start();
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(saverStartCursor.x + 300, saverStartCursor.y));
    EXPECT_TRUE(saverRunning) << "with SSMouseMove off the mouse may roam";
}

TEST_F(SaverWindowTest, ClicksEndItOnlyWithSSMouseClick) {
    settings.SSMouseMove = 0;
    for (UINT message : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
        settings.SSMouseClick = 0;
        HWND window = Start();
        ASSERT_NE(window, nullptr);
        SendMessageA(window, message, 0, 0);
        EXPECT_TRUE(saverRunning);
        settings.SSMouseClick = 1;
        SendMessageA(window, message, 0, 0);
        EXPECT_FALSE(saverRunning);
    }
}

TEST_F(SaverWindowTest, RefusesTheSystemSaverWhenAskedTo) {
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    settings.IgnoreWinSS = 1;
    EXPECT_EQ(SendMessageA(window, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 1);
    EXPECT_EQ(SendMessageA(window, WM_SYSCOMMAND, SC_SCREENSAVE | 3, 0), 1) << "the low four bits do not matter";
    EXPECT_TRUE(saverRunning);
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(SaverWindowTest, BlankScreenShowsItsMessageInTheMiddleOnEveryFrame) {
    settings.SSType = kSaverTypeBlank;
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    Frames(window, 1);
    EXPECT_EQ(Capture(window).Count(MiddleBand(), kRed), 0u) << "no message set";
    std::strcpy(settings.SSMsg, "HELLO");
    Frames(window, 1);
    const Picture picture = Capture(window);
    EXPECT_GT(picture.Count(MiddleBand(), kRed), 500u);
    EXPECT_EQ(picture.Count(BottomBand(), kRed), 0u);
    for (COLORREF colour : picture.ColoursIn(MiddleBand()))
        EXPECT_EQ(colour & 0xFFFF00, 0u) << "only the red letters (smoothed at their edges) are drawn";
    EXPECT_GT(picture.Count(TitleCorner(), kRed), 20u);
}

TEST_F(SaverWindowTest, FallingSnowShowsItsMessageOnceAtTheBottom) {
    settings.SSType = kSaverTypeSnow;
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Capture(window).Count(BottomBand(), kRed), 0u) << "no message set";
    EXPECT_GT(Capture(window).Count(TitleCorner(), kRed), 20u) << "the title still is";
    std::strcpy(settings.SSMsg, "HELLO");
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const Picture picture = Capture(window);
    const size_t red = picture.Count(BottomBand(), kRed);
    EXPECT_GT(red, 500u) << "painted with the window";
    EXPECT_EQ(picture.Count(MiddleBand(), kRed), 0u);
    // Frames leave it alone; a repaint draws it again.
    HDC dc = GetDC(window);
    RECT bottom = BottomBand();
    FillRect(dc, &bottom, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(window, dc);
    Frames(window, 3);
    EXPECT_EQ(Capture(window).Count(BottomBand(), kRed), 0u);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(Capture(window).Count(BottomBand(), kRed), red);
}

TEST_F(SaverWindowTest, FramesStayWithTheEffectItOpenedWithWhenTheTypeChanges) {
    // The Options dialog may change SSType while the saver runs (Test, or Cancel
    // reloading the file); the next frames must not go to an effect never set up.
    settings.SSType = 5;   // Blank Screen
    settings.SSMsg[0] = '\0';
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    for (Star& star : stars) star.z = 0;   // a Warp Drive that was never reset
    settings.SSType = 1;
    Frames(window, 3);
    EXPECT_EQ(Capture(window).Count(MiddleBand(), kBlack),
              static_cast<size_t>(width_) * 120u);
}
