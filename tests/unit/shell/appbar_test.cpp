// The own taskbar window: docking, the shell's notifications, its menu and commands, removal.
#include <gtest/gtest.h>

#include "app/commands.h"
#include "lights/light_string.h"
#include "shell/appbar.h"
#include "shell_helpers.h"
#include "support/test_env.h"

using namespace shelltest;

namespace {

class AppBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        mainWindow = recorder.hwnd;  // the recorder stands in for the main window
        CreateBar();
    }
    void TearDown() override {
        if (IsWindow(bar)) DestroyWindow(bar);
        testenv::Pump();
        mainWindow = nullptr;
    }
    void CreateBar() {
        bar = ownWindow = AppBarCreate(appInstance);
        testenv::Pump();
    }
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam = 0) {
        LRESULT result = SendMessageA(bar, message, wParam, lParam);
        testenv::Pump();
        return result;
    }
    void MoveAway() { SetWindowPos(bar, nullptr, 100, 100, 50, 10, SWP_NOZORDER | SWP_NOACTIVATE); }
    RECT Strip(LONG top = 0) const { return RECT{0, top, ScreenRect().right, top + 32}; }
    Recorder recorder;
    HWND bar = nullptr;
};

}  // namespace

TEST_F(AppBarTest, DocksOnEverySideBelowABarAlreadyAtTheTop) {
    DestroyWindow(bar);
    ProbeBar taskbar;
    const LONG w = ScreenRect().right, h = ScreenRect().bottom;
    RECT top{0, 0, w, 20};
    taskbar.Send(ABM_SETPOS, ABE_TOP, &top);
    CreateBar();
    EXPECT_EQ(WindowRect(bar), Strip(20));
    EXPECT_EQ(AppBarDockedRect(kSideLeft), (RECT{0, 20, 32, h}));
    EXPECT_EQ(AppBarDockedRect(kSideRight), (RECT{w - 32, 20, w, h}));
    EXPECT_NE(AppBarSetSide(kSideBottom), 0u);
    EXPECT_EQ(WindowRect(bar), (RECT{0, h - 32, w, h}));
}

TEST_F(AppBarTest, ShellNotificationsRereadStateRedockAndOrderTheBar) {
    APPBARDATA data{};
    data.cbSize = sizeof data;
    appBar.taskbarState = 0x55;
    Send(WM_APPBARNOTIFY, ABN_STATECHANGE);
    EXPECT_EQ(appBar.taskbarState, SHAppBarMessage(ABM_GETSTATE, &data));
    for (UINT message : {UINT(WM_APPBARNOTIFY), UINT(WM_DISPLAYCHANGE)}) {
        MoveAway();
        Send(message, message == WM_APPBARNOTIFY ? ABN_POSCHANGED : 32);
        EXPECT_EQ(WindowRect(bar), Strip());
    }
    ShowWindow(bar, SW_SHOWNA);
    Recorder other;
    SetWindowPos(other.hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Send(WM_APPBARNOTIFY, ABN_FULLSCREENAPP, 1);
    EXPECT_FALSE(IsTopmost(bar));
    EXPECT_TRUE(IsAbove(other.hwnd, bar));
    Send(WM_APPBARNOTIFY, ABN_FULLSCREENAPP, 0);
    EXPECT_TRUE(IsTopmost(bar));
    EXPECT_TRUE(IsAbove(bar, other.hwnd));
}

TEST_F(AppBarTest, DestroyingUnregistersAndAShellRestartRegistersAgain) {
    ProbeBar later;
    EXPECT_EQ(later.QueryTop(), 32);
    DestroyWindow(bar);
    EXPECT_EQ(later.QueryTop(), 0);
    EXPECT_EQ(ownWindow, nullptr);
    CreateBar();
    AppBarMessage(ABM_REMOVE, kSideNone, 0, nullptr);
    Send(RegisterWindowMessageA("TaskbarCreated"), 0);
    EXPECT_EQ(AppBarMessage(ABM_NEW, kSideTop, 0, nullptr), 0u) << "the shell should know it already";
}

TEST_F(AppBarTest, MenuCommandsOnTopAndAutoHide) {
    auto onTopChecked = [] {
        HMENU menu = AppBarBuildMenu();
        bool checked = (GetMenuState(menu, kCmdBarOnTop, MF_BYCOMMAND) & MF_CHECKED) != 0;
        DestroyMenu(menu);
        return checked;
    };
    HMENU menu = AppBarBuildMenu();
    std::vector<MenuItem> items = ReadMenu(menu);
    DestroyMenu(menu);
    const UINT ids[] = {1000, 1001, 1008, 0, 5001, 5004, 0, 1003, 5003};
    ASSERT_EQ(items.size(), 9u);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(items[i].id, ids[i]);
    PostMessageA(bar, WM_CHAR, 'x', 0);  // read by the menu: "E&xit Lumenkin"
    EXPECT_EQ(Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(bar), MAKELPARAM(40, 10)), 1);
    Send(WM_COMMAND, kCmdRemoveLights);
    EXPECT_EQ(recorder.closes, 2);

    // The check mark follows the real z-order, also when something else changed it.
    EXPECT_TRUE(onTopChecked());
    Send(WM_COMMAND, kCmdBarOnTop);
    EXPECT_FALSE(IsTopmost(bar) || onTopChecked());
    Send(WM_COMMAND, kCmdBarOnTop);
    SetWindowPos(bar, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_FALSE(onTopChecked());
    Send(WM_COMMAND, kCmdBarOnTop);
    EXPECT_TRUE(IsTopmost(bar));

    // Auto-hide gives the strip back and slides out under the mouse; a hidden bar stays put.
    ShowWindow(bar, SW_SHOWNA);
    ProbeBar later;
    const RECT hidden{0, -30, ScreenRect().right, 2};
    Send(WM_COMMAND, kCmdBarAutoHide);
    EXPECT_EQ(WindowRect(bar), hidden);
    EXPECT_EQ(later.QueryTop(), 0);
    MoveAway();
    Send(WM_APPBARNOTIFY, ABN_POSCHANGED);
    EXPECT_EQ(WindowRect(bar).top, 100);
    Send(WM_MOUSEMOVE, 0, MAKELPARAM(10, 31));
    EXPECT_EQ(WindowRect(bar), Strip());
    SetCursorPos(300, 300);
    Send(WM_TIMER, kAppBarTimerId);
    EXPECT_EQ(WindowRect(bar), hidden);
    Send(WM_COMMAND, kCmdBarAutoHide);
    EXPECT_EQ(WindowRect(bar), Strip());
    EXPECT_EQ(later.QueryTop(), 32);
}

TEST(AppBarProgram, ClosingTheBarEndsTheProgram) {
    testenv::Spine spine({{"OwnWindow", "1"}});
    ASSERT_TRUE(spine.ok());
    HWND bar = ownWindow, main = mainWindow;
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(SendMessageA(bar, WM_CLOSE, 0, 0), 1);
    EXPECT_TRUE(PumpSawQuit());
    EXPECT_FALSE(IsWindow(main) || IsWindow(bar));
}
