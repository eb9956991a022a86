// End to end: starting, refusing, normalising, second starts and shutting down.
#include <gtest/gtest.h>

#include <cstdlib>
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

TEST(Startup, GarbageInEveryKeyStartsNormalisesAndEndsFromAVeryLongPath) {
    // Every key of the settings as its range allows it after reading (any value: no limits).
    constexpr long kAny = 0x7FFFFFFF;
    const struct { const char* key; long low, high; } ranges[] = {
        {"Mode", 0, 5}, {"Color", -1, 9}, {"Rate", 0, 4}, {"BackColor", -kAny - 1, kAny}, {"Broken", 0, 1},
        {"BurnedOut", 0, 1}, {"SSType", 0, 6}, {"BulbType", -1, 20}, {"Power", 0, 1}, {"Music", 0, 1},
        {"WarnMusic", 0, 1}, {"NotSoMany", 0, 1}, {"MissingBulbs", 0, 1}, {"ScreenSaver", 0, 1},
        {"NoFlicker", 0, 1}, {"OnTop", -kAny - 1, kAny}, {"Zoom", 0, 1}, {"Sound", 0, 1}, {"StartOptions", 0, 1},
        {"ChangeLights", 0, 1}, {"IdleProcess", 0, 1}, {"WarnPower", 0, 1}, {"KeyLights", 0, 1},
        {"SSMouseMove", 0, 1}, {"OwnWindow", 0, 1}, {"SSDelay", 0, 60}, {"SSMouseClick", 0, 1},
        {"IgnoreWinSS", 0, 1}};
    const std::string garbage[] = {"abc", "", "99999999999999999999", "-99999999999999999999", "-0x10",
                                   std::string("\x01\x00\x1a\x7f\xfe\xff", 6)};
    Sandbox box("lumenkin.exe", 220);
    ASSERT_GT(box.dir().size(), 200u);
    for (const std::string& g : garbage) {
        SCOPED_TRACE(testing::PrintToString(g));
        std::string ini = "stray text\r\n\x02\x03=\r\n[Settings]\r\n";
        for (const auto& r : ranges) ini += std::string(r.key) + "=" + g + "\r\n";
        ini += "SSMsg=" + g + std::string(5000, 'm') + "\r\n";
        ini += "[Music]\r\nNumEntries=" + g + "\r\nCurrent=" + g + "\r\nMIDI1=" + g + "\r\n";
        box.WriteIniText(ini);
        ASSERT_TRUE(box.Start());
        HWND main = box.MainWindow();
        ASSERT_NE(main, nullptr);
        // The start-up save has rewritten the file when the message is short again.
        ASSERT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "SSMsg").size() <= 31; }));
        for (const auto& r : ranges) {
            const std::string text = box.Value("Settings", r.key);
            const long value = std::strtol(text.c_str(), nullptr, 10);
            EXPECT_EQ(text, std::to_string(value)) << r.key;
            EXPECT_TRUE(value >= r.low && value <= r.high) << r.key << "=" << value;
        }
        if (box.Value("Settings", "WarnMusic") == "1") {
            HWND warn = e2e::WaitForDialog(box.pid(), kNoMidi);
            ASSERT_NE(warn, nullptr);
            e2e::PressButton(warn, IDOK);
        }
        if (box.Value("Settings", "StartOptions") == "1") { ASSERT_NE(VisibleOptions(box), nullptr); }
        DWORD_PTR reply = 0;
        EXPECT_TRUE(SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &reply)) << "still answering";
        PostMessageA(main, WM_SYSCOMMAND, 1003, 0);   // "&Remove Lights"
        DWORD code = 12345;
        ASSERT_TRUE(box.WaitExit(10000, &code));
        EXPECT_EQ(code, 0u);
        box.Stop();
    }
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
