// The tray icon: the mouse rules, the menu and its commands, the icon's life.
#include <gtest/gtest.h>

#include "app/commands.h"
#include "dialogs/options_dlg.h"
#include "shell/tray.h"
#include "shell_helpers.h"
#include "support/test_env.h"

using shelltest::Recorder;

TEST(Tray, MouseRulesMenuAndCommands) {
    Recorder rec;
    mainWindow = rec.hwnd;
    optionsOpen = false;
    TrayLoadResources();
    auto callback = [](WPARAM id, LPARAM mouse) { TrayOnCallback(id, mouse); testenv::Pump(); };
    // Only a left button-down on our icon asks for Options: a double click asks once.
    for (LPARAM m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) callback(kTrayIconId, m);
    callback(kTrayIconId + 1, WM_LBUTTONDOWN);
    for (LPARAM m : {WM_MOUSEMOVE, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_MBUTTONDOWN}) callback(kTrayIconId, m);
    EXPECT_EQ(rec.sysCommands, std::vector<WPARAM>{kCmdOptions});
    EXPECT_TRUE(rec.menus.empty());

    // A right button-down shows the menu; Options is greyed while its dialog is open.
    callback(99, WM_RBUTTONDOWN);
    optionsOpen = true;
    callback(kTrayIconId, WM_RBUTTONDOWN);
    optionsOpen = false;
    ASSERT_EQ(rec.menus.size(), 2u);
    const UINT ids[] = {1004, 0, 1000, 1001, 0, 1003};
    for (int open = 0; open < 2; ++open) {
        const auto& items = rec.menus[open];
        ASSERT_EQ(items.size(), 6u);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(items[i].id, ids[i]);
            if (ids[i]) {
                EXPECT_EQ((items[i].state & MF_GRAYED) != 0, i == 0 || (i == 3 && open == 1)) << i;
            }
        }
    }
    EXPECT_TRUE(rec.commands.empty());  // closed without a choice
    for (char key : {'a', 'o', 'r'}) {
        rec.menuKey = key;
        callback(kTrayIconId, WM_RBUTTONDOWN);
    }
    EXPECT_EQ(rec.commands, (std::vector<WPARAM>{kCmdAbout, kCmdOptions, kCmdRemoveLights}));
    mainWindow = nullptr;
}

TEST(TrayProgram, IconComesBackAfterAShellRestartAndGoesWithRemoveLights) {
    testenv::Spine spine;
    ASSERT_TRUE(spine.ok());
    HWND main = mainWindow;
    TrayRemoveIcon(main);  // a restarted shell has lost every icon, and announces its taskbar
    SendMessageA(main, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(shelltest::ShellHasIcon(main, kTrayIconId));
    PostMessageA(main, WM_CHAR, 'r', 0);  // read by the menu: "&Remove Lights"
    TrayOnCallback(kTrayIconId, WM_RBUTTONDOWN);
    EXPECT_TRUE(shelltest::PumpSawQuit());
    EXPECT_FALSE(IsWindow(main));
    EXPECT_FALSE(shelltest::ShellHasIcon(main, kTrayIconId));
}
