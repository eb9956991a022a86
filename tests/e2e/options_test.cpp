// End to end: the Options dialog of the running program, opened as the tray icon opens it.
#include <gtest/gtest.h>

#include <string>

#include "harness.h"

using e2e::Sandbox;

namespace {

constexpr int kModeAllTogether = 103;
constexpr int kMoreLights = 147;
constexpr int kIdleProcess = 174;
constexpr int kApply = 156;
constexpr int kQuit = 3;
constexpr int kPowerSwitch = 400;
constexpr int kPowerLabel = 158;
constexpr int kWarnPowerNotAgain = 164;
constexpr int kMusicList = 149;

void WriteIni(Sandbox& box, const std::string& extra) {
    box.WriteIniText("[Settings]\r\nWarnMusic=0\r\nStartOptions=0\r\nZoom=0\r\n" + extra);
}

HWND OpenOptions(Sandbox& box) {
    PostMessageA(box.MainWindow(), WM_SYSCOMMAND, 1001, 0);
    return e2e::WaitForDialog(box.pid(), "Options");
}

int VisibleDialogs(Sandbox& box, const char* caption) {
    int count = 0;
    for (HWND w : e2e::WindowsOf(box.pid(), "#32770", caption)) count += IsWindowVisible(w) ? 1 : 0;
    return count;
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

}  // namespace

TEST(Options, OpensOnceShowsTheSettingsAndApplies) {
    Sandbox box;
    WriteIni(box, "Mode=2\r\nNotSoMany=1\r\nIdleProcess=1\r\n");
    ASSERT_TRUE(box.Start());
    HWND options = OpenOptions(box);
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(Checked(options, kModeAllTogether));
    EXPECT_FALSE(Checked(options, kMoreLights));
    EXPECT_TRUE(Checked(options, kIdleProcess));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(options, kIdleProcess)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(options, kApply)));
    // The tunes beside the program are offered in the music list.
    EXPECT_GT(SendMessageA(GetDlgItem(options, kMusicList), LB_GETCOUNT, 0, 0), 0);
    // Asking again only brings the open dialog to the front.
    PostMessageA(box.MainWindow(), WM_SYSCOMMAND, 1001, 0);
    Sleep(500);
    EXPECT_EQ(VisibleDialogs(box, "Options"), 1);
    e2e::SetCheck(options, kMoreLights, true);
    e2e::PressButton(options, kMoreLights);
    e2e::PressButton(options, kApply);
    EXPECT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "NotSoMany") == "0"; }));
    EXPECT_TRUE(IsWindowVisible(options));
    // Cancel keeps what Apply saved and leaves the lights running.
    e2e::PressButton(options, IDCANCEL);
    EXPECT_TRUE(e2e::WaitFor([&] { return VisibleDialogs(box, "Options") == 0; }));
    EXPECT_TRUE(box.Running());
    EXPECT_EQ(box.Value("Settings", "NotSoMany"), "0");
}

TEST(Options, QuitEndsTheProgramWithoutSaving) {
    Sandbox box;
    WriteIni(box, "Mode=3\r\n");
    ASSERT_TRUE(box.Start());
    HWND options = OpenOptions(box);
    ASSERT_NE(options, nullptr);
    const std::string before = box.IniText();
    e2e::PressButton(options, kModeAllTogether);
    e2e::PressButton(options, kQuit);
    DWORD code = 1;
    ASSERT_TRUE(box.WaitExit(10000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(box.IniText(), before);
}

TEST(Options, OkWithThePowerOffWarnsUntilToldNotTo) {
    Sandbox box;
    WriteIni(box, "Power=1\r\nWarnPower=1\r\n");
    ASSERT_TRUE(box.Start());
    HWND options = OpenOptions(box);
    ASSERT_NE(options, nullptr);
    e2e::PressButton(options, kPowerSwitch);
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::TextOf(GetDlgItem(options, kPowerLabel)) == "Off"; }));
    e2e::PressButton(options, IDOK);
    HWND warning = e2e::WaitForDialog(box.pid(), "Lumenkin v2.1");
    ASSERT_NE(warning, nullptr);
    ASSERT_NE(GetDlgItem(warning, kWarnPowerNotAgain), nullptr);
    e2e::SetCheck(warning, kWarnPowerNotAgain, true);
    e2e::PressButton(warning, IDOK);
    EXPECT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "WarnPower") == "0"; }));
    EXPECT_EQ(box.Value("Settings", "Power"), "0");
    EXPECT_TRUE(e2e::WaitFor([&] { return VisibleDialogs(box, "Options") == 0; }));
}
