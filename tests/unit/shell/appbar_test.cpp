// The own taskbar window: creation, docking, the shell's notifications, its commands and
// menu, and its removal.
#include <gtest/gtest.h>

#include "app/app.h"
#include "app/commands.h"
#include "lights/light_string.h"
#include "shell/appbar.h"
#include "shell_helpers.h"
#include "support/test_env.h"

using namespace shelltest;

namespace {

// A bar created for each test, with a recorder standing in for the main window.
class AppBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        mainWindow = recorder.hwnd;
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
    RECT Strip(LONG top = 0) const { return RECT{0, top, ScreenRect().right, top + 32}; }
    bool OnTopChecked() const {
        HMENU menu = AppBarBuildMenu();
        bool checked = (GetMenuState(menu, kCmdBarOnTop, MF_BYCOMMAND) & MF_CHECKED) != 0;
        DestroyMenu(menu);
        return checked;
    }

    Recorder recorder;
    HWND bar = nullptr;
};

}  // namespace

TEST_F(AppBarTest, CreatedHiddenTopmostAndClaimsItsStripAtOnce) {
    char cls[32] = "";
    GetClassNameA(bar, cls, sizeof cls);
    EXPECT_STREQ(cls, "lmkAppBarwClass");
    EXPECT_EQ(GetWindowLongA(bar, GWL_STYLE) & ~WS_CLIPSIBLINGS, WS_CHILD);
    EXPECT_EQ(GetAncestor(bar, GA_PARENT), GetDesktopWindow());
    EXPECT_FALSE(IsWindowVisible(bar));
    EXPECT_TRUE(IsTopmost(bar));
    EXPECT_EQ(WindowRect(bar), Strip());
    ProbeBar later;
    EXPECT_EQ(later.QueryTop(), 32);
    EXPECT_EQ(AppBarCreate(appInstance), bar);   // one bar per process
}

TEST_F(AppBarTest, DocksBelowABarAlreadyAtTheTopOnEverySide) {
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
    EXPECT_EQ(Send(WM_APPBARNOTIFY, ABN_STATECHANGE), 0);
    EXPECT_EQ(appBar.taskbarState, SHAppBarMessage(ABM_GETSTATE, &data));

    // Moved away: a position change (or a new screen size) brings it back, unless it hides.
    for (UINT message : {UINT(WM_APPBARNOTIFY), UINT(WM_DISPLAYCHANGE)}) {
        SetWindowPos(bar, nullptr, 100, 100, 50, 10, SWP_NOZORDER | SWP_NOACTIVATE);
        Send(message, message == WM_APPBARNOTIFY ? ABN_POSCHANGED : 32);
        EXPECT_EQ(WindowRect(bar), Strip());
    }
    appBar.dock.autoHide = true;
    SetWindowPos(bar, nullptr, 100, 100, 50, 10, SWP_NOZORDER | SWP_NOACTIVATE);
    Send(WM_APPBARNOTIFY, ABN_POSCHANGED);
    EXPECT_EQ(WindowRect(bar).top, 100);
    appBar.dock.autoHide = false;

    ShowWindow(bar, SW_SHOWNA);
    Recorder other;
    SetWindowPos(other.hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Send(WM_APPBARNOTIFY, ABN_FULLSCREENAPP, 1);
    EXPECT_FALSE(IsTopmost(bar));
    EXPECT_TRUE(IsAbove(other.hwnd, bar));
    Send(WM_APPBARNOTIFY, ABN_FULLSCREENAPP, 0);
    EXPECT_TRUE(IsTopmost(bar));
    EXPECT_TRUE(IsAbove(bar, other.hwnd));
    EXPECT_EQ(WindowRect(bar), Strip());
}

TEST_F(AppBarTest, DestroyingTheBarGivesItsStripBackAndANewOneRegistersAgain) {
    ProbeBar later;
    DestroyWindow(bar);
    EXPECT_EQ(later.QueryTop(), 0);
    EXPECT_EQ(ownWindow, nullptr);
    CreateBar();
    EXPECT_EQ(WindowRect(bar), Strip());
    // A restarted shell forgets it; the new taskbar's announcement registers it again.
    AppBarMessage(ABM_REMOVE, kSideNone, 0, nullptr);
    Send(RegisterWindowMessageA("TaskbarCreated"), 0);
    EXPECT_EQ(AppBarMessage(ABM_NEW, kSideTop, 0, nullptr), 0u) << "the shell should know it already";
}

TEST_F(AppBarTest, AlwaysOnTopFollowsWhatTheMenuShows) {
    EXPECT_TRUE(OnTopChecked());
    Send(WM_COMMAND, kCmdBarOnTop);
    EXPECT_FALSE(IsTopmost(bar));
    EXPECT_FALSE(OnTopChecked());
    // Taken out of the topmost group by the system menu's "Always on Top": shown unchecked,
    // and choosing the item puts the bar back on top.
    Send(WM_COMMAND, kCmdBarOnTop);
    SetWindowPos(bar, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_FALSE(OnTopChecked());
    Send(WM_COMMAND, kCmdBarOnTop);
    EXPECT_TRUE(IsTopmost(bar));
}

TEST_F(AppBarTest, AutoHideHandsBackTheStripAndSlidesWithTheMouse) {
    ShowWindow(bar, SW_SHOWNA);
    ProbeBar later;
    const RECT hidden{0, -30, ScreenRect().right, 2};
    Send(WM_COMMAND, kCmdBarAutoHide);
    EXPECT_EQ(WindowRect(bar), hidden);
    EXPECT_EQ(later.QueryTop(), 0);

    Send(WM_MOUSEMOVE, 0, MAKELPARAM(10, 31));
    EXPECT_EQ(WindowRect(bar), Strip());
    SetCursorPos(300, 10);
    Send(WM_TIMER, kAppBarTimerId);
    EXPECT_EQ(WindowRect(bar), Strip());
    SetCursorPos(300, 300);
    Send(WM_TIMER, kAppBarTimerId);
    EXPECT_EQ(WindowRect(bar), hidden);

    Send(WM_COMMAND, kCmdBarAutoHide);
    EXPECT_EQ(WindowRect(bar), Strip());
    EXPECT_EQ(later.QueryTop(), 32);
}

TEST_F(AppBarTest, RightClickMenuOffersTheBarsCommandsAndCarriesThemOut) {
    HMENU menu = AppBarBuildMenu();
    std::vector<MenuItem> items = ReadMenu(menu);
    DestroyMenu(menu);
    const UINT ids[] = {1000, 1001, 1008, 0, 5001, 5004, 0, 1003, 5003};
    ASSERT_EQ(items.size(), 9u);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(items[i].id, ids[i]);

    PostMessageA(bar, WM_CHAR, 'x', 0);   // read by the menu: "E&xit Lumenkin"
    EXPECT_EQ(Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(bar), MAKELPARAM(40, 10)), 1);
    EXPECT_EQ(recorder.closes, 1);
    Send(WM_COMMAND, kCmdRemoveLights);
    EXPECT_EQ(recorder.closes, 2);
}

TEST(AppBarProgram, ClosingTheBarEndsTheProgram) {
    testenv::Spine spine({{"OwnWindow", "1"}});
    ASSERT_TRUE(spine.ok());
    HWND bar = ownWindow, main = mainWindow;
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(SendMessageA(bar, WM_CLOSE, 0, 0), 1);
    EXPECT_TRUE(PumpSawQuit());
    EXPECT_FALSE(IsWindow(main));
    EXPECT_FALSE(IsWindow(bar));
}
