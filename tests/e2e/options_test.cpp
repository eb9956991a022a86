// End to end: the Options dialog of the running program, opened as the tray icon opens it.
#include <gtest/gtest.h>

#include <string>

#include "harness.h"

using e2e::Sandbox;

namespace {

constexpr int kModeAllTogether = 103, kMoreLights = 147, kIdleProcess = 174, kApply = 156, kQuit = 3;

HWND StartWithOptions(Sandbox& box, const std::string& extra) {
    box.WriteIniText("[Settings]\r\nWarnMusic=0\r\nStartOptions=0\r\nZoom=0\r\n" + extra);
    if (!box.Start() || !box.MainWindow()) return nullptr;
    PostMessageA(box.MainWindow(), WM_SYSCOMMAND, 1001, 0);
    return e2e::WaitForDialog(box.pid(), "Options");
}

int VisibleOptions(Sandbox& box) {
    int count = 0;
    for (HWND w : e2e::WindowsOf(box.pid(), "#32770", "Options")) count += IsWindowVisible(w) ? 1 : 0;
    return count;
}

}  // namespace

TEST(Options, OpensOnceShowsTheSettingsAndApplies) {
    Sandbox box;
    HWND options = StartWithOptions(box, "Mode=2\r\nNotSoMany=1\r\nIdleProcess=1\r\n");
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(IsDlgButtonChecked(options, kModeAllTogether), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(options, kMoreLights), BST_UNCHECKED);  // the inverse of NotSoMany
    EXPECT_EQ(IsDlgButtonChecked(options, kIdleProcess), BST_CHECKED);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(options, kIdleProcess)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(options, kApply)));
    EXPECT_GT(SendDlgItemMessageA(options, 149, LB_GETCOUNT, 0, 0), 0) << "the tunes beside the program";
    PostMessageA(box.MainWindow(), WM_SYSCOMMAND, 1001, 0);  // only raises the open dialog
    Sleep(500);
    EXPECT_EQ(VisibleOptions(box), 1);
    e2e::SetCheck(options, kMoreLights, true);
    e2e::PressButton(options, kMoreLights);
    e2e::PressButton(options, kApply);
    EXPECT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "NotSoMany") == "0"; }));
    // Cancel keeps what Apply saved and leaves the lights running.
    e2e::PressButton(options, IDCANCEL);
    EXPECT_TRUE(e2e::WaitFor([&] { return VisibleOptions(box) == 0; }));
    EXPECT_TRUE(box.Running());
    EXPECT_EQ(box.Value("Settings", "NotSoMany"), "0");
}

TEST(Options, QuitEndsTheProgramWithoutSaving) {
    Sandbox box;
    HWND options = StartWithOptions(box, "Mode=3\r\n");
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
    constexpr int kPowerSwitch = 400, kPowerLabel = 158, kWarnPowerNotAgain = 164;
    Sandbox box;
    HWND options = StartWithOptions(box, "Power=1\r\nWarnPower=1\r\n");
    ASSERT_NE(options, nullptr);
    e2e::PressButton(options, kPowerSwitch);
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::TextOf(GetDlgItem(options, kPowerLabel)) == "Off"; }));
    e2e::PressButton(options, IDOK);
    HWND warning = e2e::WaitForDialog(box.pid(), "Lumenkin v2.1");
    ASSERT_NE(warning, nullptr);
    e2e::SetCheck(warning, kWarnPowerNotAgain, true);
    e2e::PressButton(warning, IDOK);
    EXPECT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "WarnPower") == "0"; }));
    EXPECT_EQ(box.Value("Settings", "Power"), "0");
}

TEST(Options, OpensPromptlyWhateverCountThePlaylistClaims) {
    constexpr int kPlaylist = 149;
    Sandbox box;
    WIN32_FIND_DATAA tune;   // one of the tunes beside the program
    HANDLE find = FindFirstFileA((box.dir() + "\\*.mid").c_str(), &tune);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    FindClose(find);
    const std::string name = tune.cFileName;
    std::string longList = "NumEntries=5000\r\n";
    for (int k = 1; k < 5000; ++k) longList += "MIDI" + std::to_string(k) + "=absent" + std::to_string(k) + ".mid\r\n";
    longList += "MIDI5000=" + name + "\r\n";
    const std::string playlists[] = {"NumEntries=999999\r\nMIDI1=" + name + "\r\n",
                                     "NumEntries=2147483647\r\nMIDI1=" + name + "\r\n", longList};
    for (const std::string& music : playlists) {
        // The dialog reads the playlist afresh each time it opens.
        box.WriteIniText("[Settings]\r\nWarnMusic=0\r\nStartOptions=0\r\nZoom=0\r\n[Music]\r\n" + music);
        if (!box.Running()) ASSERT_TRUE(box.Start());
        PostMessageA(box.MainWindow(), WM_SYSCOMMAND, 1001, 0);
        HWND options = e2e::WaitForDialog(box.pid(), "Options");
        ASSERT_NE(options, nullptr) << music.substr(0, 30);
        EXPECT_EQ(SendDlgItemMessageA(options, kPlaylist, LB_GETSELCOUNT, 0, 0), 1) << music.substr(0, 30);
        e2e::PressButton(options, IDCANCEL);
        ASSERT_TRUE(e2e::WaitFor([&] { return VisibleOptions(box) == 0; }));
    }
}
