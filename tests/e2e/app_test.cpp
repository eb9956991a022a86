// End to end: starting, refusing, normalising, second starts and shutting down.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"

using e2e::Sandbox;

namespace {

constexpr char kNoMidi[] = "No MIDI Playback Device Detected";

HWND VisibleOptions(Sandbox& box) {
    HWND options = nullptr;
    e2e::WaitFor([&] {
        for (HWND w : e2e::WindowsOf(box.pid(), "#32770", "Options"))
            if (IsWindowVisible(w)) options = w;
        return options != nullptr;
    });
    return options;
}

}  // namespace

TEST(Startup, FreshStartWritesDefaultsSeedsMusicOnceAndSavesTheWarningAnswer) {
    Sandbox box;
    ASSERT_TRUE(box.Start());
    HWND warn = e2e::WaitForDialog(box.pid(), kNoMidi);
    ASSERT_NE(warn, nullptr);
    const std::vector<std::string> saveOrder = {
        "Mode", "Color", "Rate", "SSType", "Broken", "BurnedOut", "BulbType", "Power", "NoFlicker", "Music",
        "WarnMusic", "NotSoMany", "MissingBulbs", "ChangeLights", "OnTop", "OwnWindow", "Zoom", "Sound",
        "ScreenSaver", "StartOptions", "IdleProcess", "WarnPower", "KeyLights", "SSMouseMove", "SSDelay",
        "SSMouseClick", "IgnoreWinSS", "BackColor", "SSMsg"};
    EXPECT_EQ(box.Keys("Settings"), saveOrder);
    EXPECT_EQ(box.Value("Music", "MIDI1"), "xmastune.mid");
    EXPECT_EQ(box.Value("Music", "NumEntries"), "1");
    e2e::SetCheck(warn, 1007, true);  // "Do not notify me again": saved at once, music stays on
    e2e::PressButton(warn, IDOK);
    ASSERT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "WarnMusic") == "0"; }));
    EXPECT_EQ(box.Value("Settings", "Music"), "1");
    HWND options = VisibleOptions(box);  // StartOptions defaults to on
    ASSERT_NE(options, nullptr);
    e2e::PressButton(options, IDCANCEL);
    box.Stop();

    // The playlist the user changed survives the next start; no warning this time.
    box.SetValue("Music", "MIDI1", "mine.mid");
    box.SetValue("Music", "NumEntries", "0");
    box.SetValue("Settings", "StartOptions", "0");
    ASSERT_TRUE(box.Start());
    ASSERT_NE(box.MainWindow(), nullptr);
    EXPECT_EQ(e2e::WaitForDialog(box.pid(), kNoMidi, 1500), nullptr);
    EXPECT_EQ(box.Value("Music", "MIDI1"), "mine.mid");
    EXPECT_EQ(box.Value("Music", "NumEntries"), "0");
}

TEST(Startup, HandEditedValuesAreNormalisedFromAVeryLongPath) {
    Sandbox box("lumenkin.exe", 220);
    ASSERT_GT(box.dir().size(), 200u);
    box.WriteIniText(
        "[Settings]\r\nStartOptions=0\r\nMode=9\r\nColor=-7\r\nBulbType=25\r\nSSDelay=-1\r\nPower=7\r\n"
        "OnTop=7\r\nRate=abc\r\nSSMsg=0123456789012345678901234567890123456789\r\n");
    ASSERT_TRUE(box.Start());
    HWND warn = e2e::WaitForDialog(box.pid(), kNoMidi);
    ASSERT_NE(warn, nullptr);
    e2e::PressButton(warn, IDOK);  // left unticked: the warning stays on
    ASSERT_NE(box.MainWindow(), nullptr);
    const std::pair<const char*, const char*> expected[] = {
        {"Mode", "5"}, {"Color", "-1"}, {"BulbType", "20"}, {"SSDelay", "60"}, {"Power", "1"},
        {"OnTop", "7"}, {"Rate", "2"}, {"SSMsg", "0123456789012345678901234567890"}, {"WarnMusic", "1"}};
    for (const auto& [key, value] : expected) EXPECT_EQ(box.Value("Settings", key), value) << key;
}

TEST(Startup, SecondStartHandsOverToTheFirstAndExits) {
    Sandbox first, second;
    first.WriteQuietIni();
    second.WriteQuietIni();
    ASSERT_TRUE(first.Start());
    ASSERT_NE(first.MainWindow(), nullptr);
    ASSERT_TRUE(second.Start());
    DWORD code = 12345;
    ASSERT_TRUE(second.WaitExit(10000, &code));
    EXPECT_EQ(code, 0u);
    HWND options = VisibleOptions(first);  // command 1001 reached the first instance
    ASSERT_NE(options, nullptr);
    e2e::PressButton(options, IDCANCEL);
}

TEST(Startup, RefusesToRunOutsideTheWindows95Family) {
    // Wine reports a per-program version from AppDefaults, keyed by the file name.
    const std::string key = "Software\\Wine\\AppDefaults\\lumenkin-on-xp.exe";
    HKEY hkey;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &hkey, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(hkey, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("winxp"), 6);
    RegCloseKey(hkey);
    Sandbox box("lumenkin-on-xp.exe");
    ASSERT_TRUE(box.Start());
    HWND message = e2e::WaitForDialog(box.pid(), "Lumenkin v2.1");
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(e2e::MessageBoxText(message), "This application requires Windows 95 (or greater)");
    e2e::PressButton(message, IDOK);
    DWORD code = 12345;
    ASSERT_TRUE(box.WaitExit(10000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(box.IniExists());
    RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
}

TEST(Running, MenuTogglesSaveAtOnceScreenSaveIsSwallowedAndRemoveLightsExits) {
    Sandbox box;
    for (const char* ignore : {"1", "0"}) {
        box.WriteQuietIni();
        box.SetValue("Settings", "ScreenSaver", "1");
        box.SetValue("Settings", "IgnoreWinSS", ignore);
        ASSERT_TRUE(box.Start());
        HWND main = box.MainWindow();
        ASSERT_NE(main, nullptr);
        // Swallowed (answering 1) while our saver is on, unless Windows' own may run.
        EXPECT_EQ(SendMessageA(main, WM_SYSCOMMAND, SC_SCREENSAVE, 0), ignore[0] == '0' ? 1 : 0);
        if (ignore[0] == '1') {
            box.Stop();
            continue;
        }
        PostMessageA(main, WM_SYSCOMMAND, 1005, 0);
        EXPECT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "OnTop") == "1"; }));
        PostMessageA(main, WM_COMMAND, 1006, 0);
        EXPECT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "Zoom") == "0"; }));
        const std::string before = box.IniText();
        PostMessageA(main, WM_SYSCOMMAND, 1003, 0);
        DWORD code = 12345;
        ASSERT_TRUE(box.WaitExit(10000, &code));
        EXPECT_EQ(code, 0u);
        EXPECT_EQ(box.IniText(), before) << "nothing is saved at shut-down";
    }
}
