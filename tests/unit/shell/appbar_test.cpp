// The own taskbar window: creation, docking, the shell's notifications, its commands
// and menu, and its removal.
#include <gtest/gtest.h>

#include "app/app.h"
#include "app/commands.h"
#include "app/settings.h"
#include "dialogs/options_dlg.h"
#include "lights/light_string.h"
#include "shell/appbar.h"
#include "shell_helpers.h"
#include "support/test_env.h"

using shelltest::IsAbove;
using shelltest::IsTopmost;
using shelltest::MenuItem;
using shelltest::ProbeBar;
using shelltest::Recorder;
using shelltest::ScreenRect;
using shelltest::WindowRect;

namespace {

RECT Rect(LONG l, LONG t, LONG r, LONG b) { return RECT{l, t, r, b}; }

// A bar created for each test, with a recorder standing in for the main window.
class AppBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        appInstance = GetModuleHandleA(nullptr);
        savedMain_ = mainWindow;
        mainWindow = recorder.hwnd();
        optionsOpen = false;
        CreateBar();
    }
    void TearDown() override {
        if (bar && IsWindow(bar)) DestroyWindow(bar);
        testenv::Pump();
        ownWindow = nullptr;
        mainWindow = savedMain_;
        optionsOpen = false;
    }
    void CreateBar() {
        bar = AppBarCreate(appInstance);
        ownWindow = bar;
        testenv::Pump();
    }
    void Command(WPARAM id) {
        SendMessageA(bar, WM_COMMAND, id, 0);
        testenv::Pump();
    }
    LRESULT Notify(WPARAM code, LPARAM lParam = 0) {
        LRESULT result = SendMessageA(bar, WM_APPBARNOTIFY, code, lParam);
        testenv::Pump();
        return result;
    }
    RECT TopStrip(LONG top = 0) const { return Rect(0, top, ScreenRect().right, top + 32); }

    Recorder recorder;
    HWND bar = nullptr;

private:
    HWND savedMain_ = nullptr;
};

}  // namespace

TEST_F(AppBarTest, CreatedHiddenAsTopmostChildOfTheDesktopAndDockedToTheTop) {
    ASSERT_NE(bar, nullptr);
    char cls[64] = "";
    GetClassNameA(bar, cls, sizeof cls);
    EXPECT_STREQ(cls, "lmkAppBarwClass");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(bar, GWL_STYLE)) & ~WS_CLIPSIBLINGS, static_cast<DWORD>(WS_CHILD));
    EXPECT_EQ(GetAncestor(bar, GA_PARENT), GetDesktopWindow());
    EXPECT_FALSE(IsWindowVisible(bar));
    EXPECT_TRUE(IsTopmost(bar));
    EXPECT_EQ(WindowRect(bar), TopStrip());

    EXPECT_EQ(appBar.window, bar);
    EXPECT_EQ(appBar.dock.side, kSideTop);
    EXPECT_FALSE(appBar.dock.autoHide);
    EXPECT_TRUE(appBar.dock.alwaysOnTop);
    for (int t : appBar.dock.thickness) EXPECT_EQ(t, 32);
    EXPECT_FALSE(appBar.fullScreen);
    APPBARDATA data{};
    data.cbSize = sizeof data;
    EXPECT_EQ(appBar.taskbarState, SHAppBarMessage(ABM_GETSTATE, &data));

    // The strip is claimed at once: a bar that comes later is kept below it.
    ProbeBar later;
    EXPECT_EQ(later.Query(ABE_TOP).top, 32);

    // Asking again gives the same bar rather than a second one.
    EXPECT_EQ(AppBarCreate(appInstance), bar);
}

TEST(AppBarDocking, CutToThicknessKeepsTheOuterEdgeOfEachSide) {
    const RECT proposal = Rect(10, 20, 500, 400);
    EXPECT_EQ(AppBarCutToThickness(proposal, kSideLeft, 32), Rect(10, 20, 42, 400));
    EXPECT_EQ(AppBarCutToThickness(proposal, kSideTop, 32), Rect(10, 20, 500, 52));
    EXPECT_EQ(AppBarCutToThickness(proposal, kSideRight, 32), Rect(468, 20, 500, 400));
    EXPECT_EQ(AppBarCutToThickness(proposal, kSideBottom, 32), Rect(10, 368, 500, 400));
}

TEST_F(AppBarTest, DocksBelowABarAlreadyAtTheTopOnEverySide) {
    // A taskbar-like bar 20 pixels high at the top, registered before ours.
    DestroyWindow(bar);
    ProbeBar taskbar;
    const LONG w = ScreenRect().right, h = ScreenRect().bottom;
    taskbar.Reserve(ABE_TOP, Rect(0, 0, w, 20));
    CreateBar();

    EXPECT_EQ(WindowRect(bar), TopStrip(20));
    EXPECT_EQ(AppBarDockedRect(kSideTop), Rect(0, 20, w, 52));
    EXPECT_EQ(AppBarDockedRect(kSideBottom), Rect(0, h - 32, w, h));
    EXPECT_EQ(AppBarDockedRect(kSideLeft), Rect(0, 20, 32, h));
    EXPECT_EQ(AppBarDockedRect(kSideRight), Rect(w - 32, 20, w, h));

    EXPECT_NE(AppBarSetSide(kSideBottom), 0u);
    EXPECT_EQ(appBar.dock.side, kSideBottom);
    EXPECT_EQ(WindowRect(bar), Rect(0, h - 32, w, h));
}

TEST_F(AppBarTest, DisplayChangeRedocksAcrossTheScreen) {
    SetWindowPos(bar, nullptr, 0, 0, 300, 32, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(bar, WM_DISPLAYCHANGE, 24, MAKELPARAM(ScreenRect().right, ScreenRect().bottom));
    EXPECT_EQ(WindowRect(bar), TopStrip());
}

TEST_F(AppBarTest, StateChangeRereadsTheTaskbarState) {
    APPBARDATA data{};
    data.cbSize = sizeof data;
    const UINT_PTR state = SHAppBarMessage(ABM_GETSTATE, &data);
    appBar.taskbarState = state ^ 0x55;
    EXPECT_EQ(Notify(ABN_STATECHANGE), 0);
    EXPECT_EQ(appBar.taskbarState, state);
}

TEST_F(AppBarTest, PositionChangeRedocksUnlessFloatingOrAutoHiding) {
    SetWindowPos(bar, nullptr, 100, 100, 50, 10, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(Notify(ABN_POSCHANGED), 0);
    EXPECT_EQ(WindowRect(bar), TopStrip());

    const RECT away = Rect(100, 100, 150, 110);
    appBar.dock.side = kSideFloating;
    SetWindowPos(bar, nullptr, 100, 100, 50, 10, SWP_NOZORDER | SWP_NOACTIVATE);
    Notify(ABN_POSCHANGED);
    EXPECT_EQ(WindowRect(bar), away);

    appBar.dock.side = kSideTop;
    appBar.dock.autoHide = true;
    Notify(ABN_POSCHANGED);
    EXPECT_EQ(WindowRect(bar), away);
}

TEST_F(AppBarTest, FullScreenApplicationSendsTheBarToTheBottomUntilItEnds) {
    ShowWindow(bar, SW_SHOWNA);
    HWND other = shelltest::CreatePlainWindow();

    EXPECT_EQ(Notify(ABN_FULLSCREENAPP, 1), 0);
    EXPECT_TRUE(appBar.fullScreen);
    EXPECT_FALSE(IsTopmost(bar));
    EXPECT_TRUE(IsAbove(other, bar));
    EXPECT_EQ(WindowRect(bar), TopStrip());

    Notify(ABN_FULLSCREENAPP, 0);
    EXPECT_FALSE(appBar.fullScreen);
    EXPECT_TRUE(IsTopmost(bar));
    EXPECT_TRUE(IsAbove(bar, other));
    DestroyWindow(other);
}

TEST_F(AppBarTest, DestroyingTheBarGivesItsStripBack) {
    ProbeBar later;
    ASSERT_EQ(later.Query(ABE_TOP).top, 32);

    DestroyWindow(bar);
    EXPECT_EQ(later.Query(ABE_TOP).top, 0);
    EXPECT_EQ(appBar.window, nullptr);
    EXPECT_EQ(appBar.dock.side, kSideNone);
    EXPECT_EQ(ownWindow, nullptr);

    // A new bar starts from a fresh docking record and registers again.
    appBar.dock.alwaysOnTop = false;
    appBar.dock.thickness[kSideTop] = 5;
    CreateBar();
    EXPECT_TRUE(appBar.dock.alwaysOnTop);
    EXPECT_EQ(WindowRect(bar), TopStrip());
}

TEST_F(AppBarTest, RegistersAgainWhenTheShellRecreatesItsTaskbar) {
    // The restarted shell has forgotten the bar.
    AppBarMessage(ABM_REMOVE, kSideNone, 0, nullptr);
    SendMessageA(bar, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    // Known again: the shell refuses to register it a second time.
    EXPECT_EQ(AppBarMessage(ABM_NEW, kSideTop, 0, nullptr), 0u);
    EXPECT_EQ(WindowRect(bar), TopStrip());
}

TEST_F(AppBarTest, AlwaysOnTopCommandTogglesTopmostAsTheMenuShowsIt) {
    auto onTopChecked = [] {
        HMENU menu = AppBarBuildMenu();
        bool checked = (GetMenuState(menu, kCmdBarOnTop, MF_BYCOMMAND) & MF_CHECKED) != 0;
        DestroyMenu(menu);
        return checked;
    };
    // "Always on Top" of the system menu took the bar out of the topmost group: the bar's
    // menu shows it unchecked, and choosing it puts the bar back on top.
    SetWindowPos(bar, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_FALSE(onTopChecked());
    Command(kCmdBarOnTop);
    EXPECT_TRUE(IsTopmost(bar));
    EXPECT_TRUE(onTopChecked());

    Command(kCmdBarOnTop);
    EXPECT_FALSE(appBar.dock.alwaysOnTop);
    EXPECT_FALSE(IsTopmost(bar));
    Command(kCmdBarOnTop);
    EXPECT_TRUE(appBar.dock.alwaysOnTop);
    EXPECT_TRUE(IsTopmost(bar));
    Command(kCmdBarNothing);
    EXPECT_TRUE(appBar.dock.alwaysOnTop);
    EXPECT_EQ(WindowRect(bar), TopStrip());
}

TEST_F(AppBarTest, AutoHideHandsBackTheStripAndSlidesWithTheMouse) {
    ShowWindow(bar, SW_SHOWNA);
    ProbeBar later;
    const RECT hidden = Rect(0, -30, ScreenRect().right, 2);

    Command(kCmdBarAutoHide);
    EXPECT_TRUE(appBar.dock.autoHide);
    EXPECT_EQ(WindowRect(bar), hidden);
    EXPECT_EQ(later.Query(ABE_TOP).top, 0);

    // Touching the strip left at the edge brings it out; it stays while the mouse is on it.
    SendMessageA(bar, WM_MOUSEMOVE, 0, MAKELPARAM(10, 31));
    EXPECT_EQ(WindowRect(bar), TopStrip());
    SetCursorPos(ScreenRect().right / 2, 10);
    SendMessageA(bar, WM_TIMER, kAppBarTimerId, 0);
    EXPECT_EQ(WindowRect(bar), TopStrip());
    // Once the mouse has left, the next tick slides it away.
    SetCursorPos(ScreenRect().right / 2, ScreenRect().bottom / 2);
    SendMessageA(bar, WM_TIMER, kAppBarTimerId, 0);
    EXPECT_EQ(WindowRect(bar), hidden);

    Command(kCmdBarAutoHide);
    EXPECT_FALSE(appBar.dock.autoHide);
    EXPECT_EQ(WindowRect(bar), TopStrip());
    EXPECT_EQ(later.Query(ABE_TOP).top, 32);
}

TEST_F(AppBarTest, DoubleClickRepaintsTheBarInTheBackColour) {
    // No bulbs, so only the background shows.
    const LONG savedCount = lightString.bulbCount, savedColour = settings.BackColor;
    lightString.bulbCount = 0;
    ShowWindow(bar, SW_SHOWNA);
    for (LONG colour : {6L, 1L}) {
        settings.BackColor = colour;
        SendMessageA(bar, WM_LBUTTONDBLCLK, 0, MAKELPARAM(100, 16));
        testenv::Pump();
        EXPECT_EQ(testenv::WindowPixel(bar, 100, 16), colour == 6 ? RGB(0, 0, 255) : RGB(0, 0, 0));
    }
    lightString.bulbCount = savedCount;
    settings.BackColor = savedColour;
}

TEST_F(AppBarTest, RemoveAndExitCommandsCloseTheMainWindow) {
    Command(kCmdRemoveLights);
    EXPECT_EQ(recorder.closes, 1);
    Command(kCmdBarExit);
    EXPECT_EQ(recorder.closes, 2);
}

TEST_F(AppBarTest, MenuOffersTheBarsCommandsWithTheirStates) {
    auto read = [] {
        HMENU menu = AppBarBuildMenu();
        std::vector<MenuItem> items = shelltest::ReadMenu(menu);
        DestroyMenu(menu);
        return items;
    };
    std::vector<MenuItem> items = read();
    ASSERT_EQ(items.size(), 9u);
    const WPARAM ids[] = {kCmdAbout, kCmdOptions, kCmdBackColor, 0, kCmdBarAutoHide, kCmdBarOnTop, 0,
                          kCmdRemoveLights, kCmdBarExit};
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].separator, ids[i] == 0) << i;
        if (ids[i] == 0) continue;
        EXPECT_EQ(items[i].id, ids[i]) << i;
        EXPECT_FALSE(items[i].text.empty()) << i;
        EXPECT_FALSE(items[i].state & MFS_GRAYED) << i;
    }
    EXPECT_FALSE(items[4].state & MFS_CHECKED);
    EXPECT_TRUE(items[5].state & MFS_CHECKED);

    optionsOpen = true;
    appBar.dock.autoHide = true;
    appBar.dock.alwaysOnTop = false;
    items = read();
    EXPECT_TRUE(items[1].state & MFS_GRAYED);
    EXPECT_TRUE(items[4].state & MFS_CHECKED);
    EXPECT_FALSE(items[5].state & MFS_CHECKED);
}

TEST_F(AppBarTest, RightClickMenuChoiceIsCarriedOutByTheBar) {
    shelltest::TypeIntoNextMenu(bar, 't');   // "Always on &Top"
    EXPECT_EQ(SendMessageA(bar, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(bar), MAKELPARAM(40, 10)), 1);
    testenv::Pump();
    EXPECT_FALSE(appBar.dock.alwaysOnTop);
    EXPECT_FALSE(IsTopmost(bar));
    EXPECT_FALSE(appBar.menuOpen);
}

TEST(AppBarProgram, ClosingTheBarEndsTheProgram) {
    testenv::Spine spine({{"OwnWindow", "1"}});
    ASSERT_TRUE(spine.ok());
    if (!ownWindow) ownWindow = AppBarCreate(appInstance);
    HWND bar = ownWindow, main = mainWindow;
    ASSERT_NE(bar, nullptr);

    EXPECT_EQ(SendMessageA(bar, WM_CLOSE, 0, 0), 1);
    const bool quit = shelltest::PumpSawQuit(100);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_FALSE(IsWindow(bar));
    EXPECT_EQ(ownWindow, nullptr);
    EXPECT_TRUE(quit);
}
