// The tray icon: what the shell is given, the mouse rules, the menu and its commands.
#include <gtest/gtest.h>

#include "app/app.h"
#include "app/commands.h"
#include "dialogs/options_dlg.h"
#include "shell/tray.h"
#include "shell_helpers.h"
#include "support/test_env.h"

using shelltest::Recorder;

namespace {

// The recorder stands in for the main window.
class TrayTest : public ::testing::Test {
protected:
    void SetUp() override {
        mainWindow = recorder.hwnd;
        optionsOpen = false;
        TrayLoadResources();
    }
    void TearDown() override {
        testenv::Pump();
        mainWindow = nullptr;
        optionsOpen = false;
    }
    void Callback(WPARAM id, LPARAM mouse) {
        TrayOnCallback(id, mouse);
        testenv::Pump();
    }
    Recorder recorder;
};

}  // namespace

TEST_F(TrayTest, ShellKnowsTheIconWithItsSmallPictureAndTipFromAddUntilRemove) {
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(trayIcon, &info)) << "the icon resource \"trayIcon\" is missing";
    BITMAP bm{};
    GetObjectA(info.hbmColor, sizeof bm, &bm);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(bm.bmWidth, GetSystemMetrics(SM_CXSMICON));
    NOTIFYICONDATAA record = TrayRecord(recorder.hwnd, TrayAction::Add);
    EXPECT_STREQ(record.szTip, "Lumenkin");
    EXPECT_EQ(record.uCallbackMessage, 1125u);

    TrayAddIcon(recorder.hwnd);
    EXPECT_TRUE(shelltest::ShellHasIcon(recorder.hwnd, 4762));
    TrayRemoveIcon(recorder.hwnd);
    EXPECT_FALSE(shelltest::ShellHasIcon(recorder.hwnd, 4762));
}

TEST_F(TrayTest, OnlyLeftButtonDownOnOurIconAsksForOptionsAndOnlyOnce) {
    // A double click: down, up, double click, up.
    for (LPARAM m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) Callback(kTrayIconId, m);
    EXPECT_EQ(recorder.sysCommands, std::vector<WPARAM>{kCmdOptions});

    Callback(kTrayIconId + 1, WM_LBUTTONDOWN);
    for (LPARAM m : {WM_MOUSEMOVE, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_MBUTTONDOWN, WM_MBUTTONUP})
        Callback(kTrayIconId, m);
    EXPECT_EQ(recorder.sysCommands.size(), 1u);
    EXPECT_TRUE(recorder.menus.empty());
}

TEST_F(TrayTest, RightButtonDownShowsTheMenuWithOptionsGreyedWhileTheDialogIsOpen) {
    Callback(99, WM_RBUTTONDOWN);   // the icon id does not matter here
    optionsOpen = true;
    Callback(kTrayIconId, WM_RBUTTONDOWN);

    ASSERT_EQ(recorder.menus.size(), 2u);
    const char* texts[] = {"* LUMENKIN v2.0 *", "", "&About Lumenkin...", "&Options...", "", "&Remove Lights"};
    const UINT ids[] = {1004, 0, 1000, 1001, 0, 1003};
    for (int open = 0; open < 2; ++open) {
        const auto& items = recorder.menus[open];
        ASSERT_EQ(items.size(), 6u);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(items[i].id, ids[i]);
            EXPECT_EQ(items[i].text, texts[i]);
        }
        EXPECT_TRUE(items[0].state & MF_GRAYED);
        EXPECT_FALSE(items[2].state & MF_GRAYED);
        EXPECT_EQ((items[3].state & MF_GRAYED) != 0, open == 1);
        EXPECT_FALSE(items[5].state & MF_GRAYED);
    }
    EXPECT_TRUE(recorder.commands.empty());   // closed without a choice
}

TEST_F(TrayTest, ChosenItemsReachTheMainWindowAsCommands) {
    for (char key : {'a', 'o', 'r'}) {
        recorder.menuKey = key;
        Callback(kTrayIconId, WM_RBUTTONDOWN);
    }
    EXPECT_EQ(recorder.commands, (std::vector<WPARAM>{kCmdAbout, kCmdOptions, kCmdRemoveLights}));
}

TEST(TrayProgram, RemoveLightsEndsTheProgramAndTheIconComesBackAfterAShellRestart) {
    testenv::Spine spine;
    ASSERT_TRUE(spine.ok());
    HWND main = mainWindow;
    // A restarted shell has lost every icon, and announces its new taskbar.
    TrayRemoveIcon(main);
    SendMessageA(main, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(shelltest::ShellHasIcon(main, kTrayIconId));

    PostMessageA(main, WM_CHAR, 'r', 0);   // read by the menu: "&Remove Lights"
    TrayOnCallback(kTrayIconId, WM_RBUTTONDOWN);
    EXPECT_TRUE(shelltest::PumpSawQuit());
    EXPECT_FALSE(IsWindow(main));
    EXPECT_FALSE(shelltest::ShellHasIcon(main, kTrayIconId));
}
