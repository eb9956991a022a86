// The tray icon: what is handed to the shell, the mouse rules, the menu and its commands.
#include <gtest/gtest.h>

#include "app/app.h"
#include "app/commands.h"
#include "dialogs/options_dlg.h"
#include "shell/tray.h"
#include "shell_helpers.h"
#include "support/test_env.h"

using shelltest::MenuItem;
using shelltest::Recorder;

namespace {

// The recorder stands in for the main window while a test runs.
class TrayTest : public ::testing::Test {
protected:
    void SetUp() override {
        appInstance = GetModuleHandleA(nullptr);
        savedMain_ = mainWindow;
        mainWindow = recorder.hwnd();
        optionsOpen = false;
        TrayLoadResources();
    }
    void TearDown() override {
        testenv::Pump();
        mainWindow = savedMain_;
        optionsOpen = false;
    }
    Recorder recorder;

private:
    HWND savedMain_ = nullptr;
};

SIZE IconSize(HICON icon) {
    ICONINFO info{};
    GetIconInfo(icon, &info);
    BITMAP bm{};
    GetObjectA(info.hbmMask, sizeof bm, &bm);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    return SIZE{bm.bmWidth, info.hbmColor ? bm.bmHeight : bm.bmHeight / 2};
}

}  // namespace

TEST_F(TrayTest, RecordCarriesIdCallbackSmallIconAndTip) {
    ASSERT_NE(trayIcon, nullptr) << "the icon resource \"trayIcon\" is missing";
    SIZE size = IconSize(trayIcon);
    EXPECT_EQ(size.cx, GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(size.cy, GetSystemMetrics(SM_CYSMICON));
    EXPECT_STREQ(trayTip, "Lumenkin");

    NOTIFYICONDATAA add = TrayRecord(recorder.hwnd(), TrayAction::Add);
    EXPECT_EQ(add.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE));
    EXPECT_EQ(add.hWnd, recorder.hwnd());
    EXPECT_EQ(add.uID, 4762u);
    EXPECT_EQ(add.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(add.uCallbackMessage, 1125u);
    EXPECT_EQ(add.hIcon, trayIcon);
    EXPECT_STREQ(add.szTip, "Lumenkin");

    NOTIFYICONDATAA remove = TrayRecord(recorder.hwnd(), TrayAction::Delete);
    EXPECT_EQ(remove.hWnd, recorder.hwnd());
    EXPECT_EQ(remove.uID, 4762u);
    EXPECT_EQ(remove.uFlags, 0u);
}

TEST_F(TrayTest, ShellKnowsTheIconFromAddUntilRemove) {
    TrayAddIcon(recorder.hwnd());
    EXPECT_TRUE(shelltest::ShellHasIcon(recorder.hwnd(), kTrayIconId));
    TrayRemoveIcon(recorder.hwnd());
    EXPECT_FALSE(shelltest::ShellHasIcon(recorder.hwnd(), kTrayIconId));
}

TEST_F(TrayTest, OnlyLeftButtonDownOnOurIconAsksForOptions) {
    TrayOnCallback(kTrayIconId, WM_LBUTTONDOWN);
    testenv::Pump();
    ASSERT_EQ(recorder.sysCommands, std::vector<WPARAM>{kCmdOptions});
    EXPECT_EQ(recorder.lastSysCommandLParam, 0);

    // Another icon id, and every mouse message other than the two button-downs, do nothing;
    // a double click (down, up, double click, up) asks once.
    recorder.sysCommands.clear();
    TrayOnCallback(kTrayIconId + 1, WM_LBUTTONDOWN);
    for (UINT m : {WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_RBUTTONDBLCLK,
                   WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK})
        TrayOnCallback(kTrayIconId, m);
    testenv::Pump();
    EXPECT_TRUE(recorder.sysCommands.empty());
    EXPECT_TRUE(recorder.commands.empty());
    EXPECT_TRUE(recorder.menusShown.empty());

    for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        TrayOnCallback(kTrayIconId, m);
    testenv::Pump();
    EXPECT_EQ(recorder.sysCommands, std::vector<WPARAM>{kCmdOptions});
}

TEST_F(TrayTest, RightButtonDownShowsTheMenuWithOptionsGreyedWhileOpen) {
    // The icon id is not looked at for the right button.
    TrayOnCallback(99, WM_RBUTTONDOWN);
    optionsOpen = true;
    TrayOnCallback(kTrayIconId, WM_RBUTTONDOWN);
    testenv::Pump();

    ASSERT_EQ(recorder.menusShown.size(), 2u);
    for (int open = 0; open < 2; ++open) {
        const std::vector<MenuItem>& items = recorder.menusShown[open];
        ASSERT_EQ(items.size(), 6u);
        EXPECT_EQ(items[0].id, kCmdTrayTitle);
        EXPECT_EQ(items[0].text, "* LUMENKIN v2.0 *");
        EXPECT_TRUE(items[0].state & MFS_GRAYED);
        EXPECT_TRUE(items[1].separator);
        EXPECT_EQ(items[2].id, kCmdAbout);
        EXPECT_EQ(items[2].text, "&About Lumenkin...");
        EXPECT_FALSE(items[2].state & MFS_GRAYED);
        EXPECT_EQ(items[3].id, kCmdOptions);
        EXPECT_EQ(items[3].text, "&Options...");
        EXPECT_EQ((items[3].state & MFS_GRAYED) != 0, open == 1);
        EXPECT_TRUE(items[4].separator);
        EXPECT_EQ(items[5].id, kCmdRemoveLights);
        EXPECT_EQ(items[5].text, "&Remove Lights");
        EXPECT_FALSE(items[5].state & MFS_GRAYED);
    }
    // Closed without a choice: nothing reaches the main window.
    EXPECT_TRUE(recorder.commands.empty());
    EXPECT_TRUE(recorder.sysCommands.empty());
}

TEST_F(TrayTest, ChosenItemsReachTheMainWindowAsCommands) {
    const std::pair<char, WPARAM> choices[] = {{'a', kCmdAbout}, {'o', kCmdOptions}, {'r', kCmdRemoveLights}};
    for (const auto& choice : choices) {
        recorder.menuKey = choice.first;
        TrayOnCallback(kTrayIconId, WM_RBUTTONDOWN);
        testenv::Pump();
    }
    EXPECT_EQ(recorder.commands, (std::vector<WPARAM>{kCmdAbout, kCmdOptions, kCmdRemoveLights}));
}

TEST(TrayProgram, RemoveLightsFromTheMenuEndsTheProgramAndTakesTheIconAway) {
    testenv::Spine spine;
    ASSERT_TRUE(spine.ok());
    HWND main = mainWindow;
    ASSERT_TRUE(shelltest::ShellHasIcon(main, kTrayIconId));

    shelltest::TypeIntoNextMenu(main, 'r');
    TrayOnCallback(kTrayIconId, WM_RBUTTONDOWN);
    const bool quit = shelltest::PumpSawQuit(200);

    EXPECT_FALSE(IsWindow(main));
    EXPECT_TRUE(quit);
    EXPECT_FALSE(shelltest::ShellHasIcon(main, kTrayIconId));
}

TEST(TrayProgram, IconComesBackWhenTheShellRecreatesItsTaskbar) {
    testenv::Spine spine;
    ASSERT_TRUE(spine.ok());
    // A restarted shell has no icons: as if ours had been dropped.
    TrayRemoveIcon(mainWindow);
    ASSERT_FALSE(shelltest::ShellHasIcon(mainWindow, kTrayIconId));

    SendMessageA(mainWindow, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(shelltest::ShellHasIcon(mainWindow, kTrayIconId));
}
