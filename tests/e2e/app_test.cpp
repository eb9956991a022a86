// End to end: starting, refusing, normalising, second starts and shutting down.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"

using e2e::Sandbox;

namespace {

const std::vector<std::string> kSaveOrder = {
    "Mode", "Color", "Rate", "SSType", "Broken", "BurnedOut", "BulbType", "Power",
    "NoFlicker", "Music", "WarnMusic", "NotSoMany", "MissingBulbs", "ChangeLights",
    "OnTop", "OwnWindow", "Zoom", "Sound", "ScreenSaver", "StartOptions",
    "IdleProcess", "WarnPower", "KeyLights", "SSMouseMove", "SSDelay",
    "SSMouseClick", "IgnoreWinSS", "BackColor", "SSMsg"};

constexpr int kWarnMusicNotAgain = 1007;

// True when the program carries a dialog template of this name.
bool ProgramHasDialog(const char* name) {
    HMODULE exe = LoadLibraryExA((e2e::BuildDir() + "\\lumenkin.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!exe) return false;
    bool found = FindResourceA(exe, name, reinterpret_cast<LPCSTR>(RT_DIALOG)) != nullptr;
    FreeLibrary(exe);
    return found;
}

// Closes whatever dialog the start-up opens with the Options dialog (if the program has one).
void CloseStartupOptions(Sandbox& box) {
    if (!ProgramHasDialog("OptionsDlg")) return;
    HWND options = nullptr;
    e2e::WaitFor([&] {
        for (HWND w : e2e::WindowsOf(box.pid(), "#32770", nullptr))
            if (IsWindowVisible(w)) { options = w; return true; }
        return false;
    });
    if (options) e2e::PressButton(options, IDCANCEL);
}

}  // namespace

TEST(Startup, FreshStartWritesDefaultsSeedsMusicAndWarnsOnce) {
    Sandbox box;
    ASSERT_TRUE(box.Start());
    // No MIDI device here: the warning comes up on a fresh start.
    HWND warn = e2e::WaitForDialog(box.pid(), "No MIDI Playback Device Detected");
    ASSERT_NE(warn, nullptr);
    EXPECT_EQ(box.Keys("Settings"), kSaveOrder);
    EXPECT_EQ(box.Value("Settings", "WarnMusic"), "1");
    EXPECT_EQ(box.Value("Music", "MIDI1"), "xmastune.mid");
    EXPECT_EQ(box.Value("Music", "NumEntries"), "1");
    EXPECT_EQ(box.Value("Music", "Current"), "<missing>");
    // "Do not notify me again", OK: the answer is saved at once; music stays on in the file.
    e2e::SetCheck(warn, kWarnMusicNotAgain, true);
    e2e::PressButton(warn, IDOK);
    ASSERT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "WarnMusic") == "0"; }));
    EXPECT_EQ(box.Value("Settings", "Music"), "1");
    CloseStartupOptions(box);
    ASSERT_NE(box.MainWindow(), nullptr);
    box.Stop();

    // The playlist the user changed survives the next start; no warning this time.
    box.SetValue("Music", "MIDI1", "mine.mid");
    box.SetValue("Music", "NumEntries", "0");
    box.SetValue("Settings", "StartOptions", "0");
    ASSERT_TRUE(box.Start());
    ASSERT_NE(box.MainWindow(), nullptr);
    EXPECT_EQ(e2e::WaitForDialog(box.pid(), "No MIDI Playback Device Detected", 1500), nullptr);
    EXPECT_EQ(box.Value("Music", "MIDI1"), "mine.mid");
    EXPECT_EQ(box.Value("Music", "NumEntries"), "0");
}

TEST(Startup, WarningLeftUntickedKeepsWarning) {
    Sandbox box;
    box.WriteIniText("[Settings]\r\nStartOptions=0\r\n");
    ASSERT_TRUE(box.Start());
    HWND warn = e2e::WaitForDialog(box.pid(), "No MIDI Playback Device Detected");
    ASSERT_NE(warn, nullptr);
    e2e::PressButton(warn, IDOK);
    ASSERT_NE(box.MainWindow(), nullptr);
    EXPECT_EQ(box.Value("Settings", "WarnMusic"), "1");
}

TEST(Startup, HandEditedValuesAreNormalisedInTheFile) {
    Sandbox box;
    box.WriteIniText(
        "[Settings]\r\nWarnMusic=0\r\nStartOptions=0\r\nMode=9\r\nColor=-7\r\nBulbType=25\r\n"
        "SSDelay=-1\r\nPower=7\r\nOnTop=7\r\nRate=abc\r\nSSMsg=0123456789012345678901234567890123456789\r\n");
    ASSERT_TRUE(box.Start());
    ASSERT_NE(box.MainWindow(), nullptr);
    EXPECT_EQ(box.Value("Settings", "Mode"), "5");
    EXPECT_EQ(box.Value("Settings", "Color"), "-1");
    EXPECT_EQ(box.Value("Settings", "BulbType"), "20");
    EXPECT_EQ(box.Value("Settings", "SSDelay"), "60");
    EXPECT_EQ(box.Value("Settings", "Power"), "1");
    EXPECT_EQ(box.Value("Settings", "OnTop"), "7");
    EXPECT_EQ(box.Value("Settings", "Rate"), "2");
    EXPECT_EQ(box.Value("Settings", "SSMsg"), "0123456789012345678901234567890");
}

TEST(Startup, RunsFromAFolderWithAVeryLongPath) {
    Sandbox box("lumenkin.exe", 220);
    ASSERT_GT(box.dir().size(), 200u);
    box.WriteQuietIni();
    box.SetValue("Settings", "Mode", "9");
    ASSERT_TRUE(box.Start());
    ASSERT_NE(box.MainWindow(), nullptr);
    // The settings were read from and written back to the file beside the program.
    EXPECT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "Mode") == "5"; }));
    EXPECT_EQ(box.Value("Settings", "StartOptions"), "0");
}

TEST(Startup, SecondStartHandsOverToTheFirstAndExits) {
    Sandbox first;
    first.WriteQuietIni();
    ASSERT_TRUE(first.Start());
    ASSERT_NE(first.MainWindow(), nullptr);

    Sandbox second;
    second.WriteQuietIni();
    ASSERT_TRUE(second.Start());
    DWORD code = 12345;
    ASSERT_TRUE(second.WaitExit(10000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(first.Running());
    // Command 1001 opens the first instance's Options dialog.
    if (ProgramHasDialog("OptionsDlg")) {
        HWND options = nullptr;
        EXPECT_TRUE(e2e::WaitFor([&] {
            auto dialogs = e2e::WindowsOf(first.pid(), "#32770", nullptr);
            options = dialogs.empty() ? nullptr : dialogs.front();
            return options && IsWindowVisible(options);
        }));
        if (options) e2e::PressButton(options, IDCANCEL);
    }
}

TEST(Startup, RefusesToRunOutsideTheWindows95Family) {
    // Wine reports a per-program version from AppDefaults, keyed by the file name.
    const char* exeName = "lumenkin-on-xp.exe";
    const std::string key = std::string("Software\\Wine\\AppDefaults\\") + exeName;
    HKEY hkey;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &hkey, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(hkey, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("winxp"), 6);
    RegCloseKey(hkey);

    Sandbox box(exeName);
    ASSERT_TRUE(box.Start());
    HWND message = e2e::WaitForDialog(box.pid(), "Lumenkin v2.1");
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(e2e::MessageBoxText(message), "This application requires Windows 95 (or greater)");
    e2e::PressButton(message, IDOK);
    DWORD code = 12345;
    ASSERT_TRUE(box.WaitExit(10000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(box.IniExists());
    EXPECT_TRUE(e2e::WindowsOf(box.pid(), "lumenkinWClass", nullptr).empty());
    RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
}

TEST(Running, MenuTogglesAreSavedAtOnce) {
    Sandbox box;
    box.WriteQuietIni();
    ASSERT_TRUE(box.Start());
    HWND main = box.MainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(box.Value("Settings", "OnTop"), "0");
    ASSERT_EQ(box.Value("Settings", "Zoom"), "1");
    PostMessageA(main, WM_SYSCOMMAND, 1005, 0);
    EXPECT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "OnTop") == "1"; }));
    PostMessageA(main, WM_COMMAND, 1006, 0);
    EXPECT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "Zoom") == "0"; }));
}

TEST(Running, SystemScreenSaverIsSwallowedWhileOursIsEnabled) {
    Sandbox box;
    box.WriteQuietIni();
    box.SetValue("Settings", "ScreenSaver", "1");
    box.SetValue("Settings", "IgnoreWinSS", "0");
    ASSERT_TRUE(box.Start());
    HWND main = box.MainWindow();
    ASSERT_NE(main, nullptr);
    // With IgnoreWinSS clear the command is still swallowed, answering 1.
    EXPECT_EQ(SendMessageA(main, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 1);
    box.Stop();
    box.SetValue("Settings", "IgnoreWinSS", "1");
    ASSERT_TRUE(box.Start());
    main = box.MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(SendMessageA(main, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
}

TEST(Running, RemoveLightsEndsTheProgramWithCodeZero) {
    Sandbox box;
    box.WriteQuietIni();
    ASSERT_TRUE(box.Start());
    HWND main = box.MainWindow();
    ASSERT_NE(main, nullptr);
    const std::string before = box.IniText();
    PostMessageA(main, WM_SYSCOMMAND, 1003, 0);
    DWORD code = 12345;
    ASSERT_TRUE(box.WaitExit(10000, &code));
    EXPECT_EQ(code, 0u);
    // Nothing is saved at shut-down.
    EXPECT_EQ(box.IniText(), before);
}
