// End to end: starting, refusing, handing over to the running copy, hand-edited settings
// and shutting down.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "harness.h"

using e2e::Sandbox;

namespace {

constexpr char kNoMidi[] = "No MIDI Playback Device Detected";

}  // namespace

TEST(Startup, FirstStartSecondStartMenuTogglesAndRemoveLights) {
    Sandbox box, second;
    e2e::FillScreen(RGB(20, 40, 90));
    const std::vector<uint32_t> screen = e2e::ScreenBits(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), 32});
    ASSERT_TRUE(box.Start());
    HWND warn = e2e::WaitForDialog(box.pid(), kNoMidi);
    ASSERT_NE(warn, nullptr);
    EXPECT_EQ(box.Keys("Settings"), (std::vector<std::string>{
        "Mode", "Color", "Rate", "SSType", "Broken", "BurnedOut", "BulbType", "Power", "NoFlicker", "Music",
        "WarnMusic", "NotSoMany", "MissingBulbs", "ChangeLights", "OnTop", "OwnWindow", "Zoom", "Sound",
        "ScreenSaver", "StartOptions", "IdleProcess", "WarnPower", "KeyLights", "SSMouseMove", "SSDelay",
        "SSMouseClick", "IgnoreWinSS", "BackColor", "SSMsg"}));
    EXPECT_EQ(box.Value("Music", "MIDI1"), "xmastune.mid");
    EXPECT_EQ(box.Value("Music", "NumEntries"), "1");
    // "Do not notify me" is saved at once; Music stays on in the file.
    SendDlgItemMessageA(warn, 1007, BM_SETCHECK, BST_CHECKED, 0);
    e2e::PressButton(warn, IDOK);
    ASSERT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "WarnMusic") == "0"; }));
    EXPECT_EQ(box.Value("Settings", "Music"), "1");
    HWND options = e2e::WaitForDialog(box.pid(), "Options");   // StartOptions is on at first
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::ScreenBits(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), 32}) != screen; }))
        << "the lights show behind it";
    e2e::PressButton(options, IDCANCEL);
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(options); }));

    // A second start hands over before it touches any settings: the first copy opens Options.
    ASSERT_TRUE(second.Start());
    DWORD code = 12345;
    ASSERT_TRUE(second.WaitExit(10000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(second.IniExists());
    options = e2e::WaitForDialog(box.pid(), "Options");
    ASSERT_NE(options, nullptr);
    e2e::PressButton(options, IDCANCEL);
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(options); }));
    EXPECT_EQ(box.RemoveLights(), 0u);

    // Not a first start: the user's playlist stays as it is.
    box.WriteIniText(e2e::kQuiet + "ScreenSaver=1\r\nIgnoreWinSS=0\r\n[Music]\r\nNumEntries=0\r\nMIDI1=mine.mid\r\n");
    ASSERT_TRUE(box.Start());
    HWND main = box.MainWindow();
    ASSERT_NE(main, nullptr);
    // Our saver is on but Windows' own may run: the command is swallowed answering 1.
    EXPECT_EQ(SendMessageA(main, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 1);
    PostMessageA(main, WM_SYSCOMMAND, 1005, 0);
    EXPECT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "OnTop") == "1"; }));
    PostMessageA(main, WM_COMMAND, 1006, 0);
    EXPECT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "Zoom") == "0"; }));
    EXPECT_EQ(box.Value("Music", "MIDI1"), "mine.mid");
    EXPECT_EQ(box.Value("Music", "NumEntries"), "0");
    // Nothing is saved at shut-down: a hand edit made meanwhile stays.
    std::string edited = box.IniText();
    edited.replace(edited.find("Mode=3"), 6, "Mode=4");
    box.WriteIniText(edited);
    EXPECT_EQ(box.RemoveLights(), 0u);
    EXPECT_EQ(box.IniText(), edited);
}

TEST(Startup, RefusesToRunOutsideTheWindows95Family) {
    // Wine reports a per-program version from AppDefaults, keyed by the file name.
    const std::string key = "Software\\Wine\\AppDefaults\\lumenkin-on-xp.exe";
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), "Version", REG_SZ, "winxp", 6), ERROR_SUCCESS);
    Sandbox box("lumenkin-on-xp.exe");
    ASSERT_TRUE(box.Start());
    HWND message = e2e::WaitForDialog(box.pid(), "Lumenkin v2.1");
    ASSERT_NE(message, nullptr);
    std::string text;   // the longest static text: the other one holds the icon
    for (HWND child = GetWindow(message, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (e2e::TextOf(child).size() > text.size()) text = e2e::TextOf(child);
    EXPECT_EQ(text, "This application requires Windows 95 (or greater)");
    e2e::PressButton(message, IDOK);
    DWORD code = 12345;
    ASSERT_TRUE(box.WaitExit(10000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(box.IniExists());
    RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
}

TEST(HandEdited, GarbageInEveryKeyStartsNormalisesAndEndsFromAVeryLongPath) {
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
        if (box.Value("Settings", "WarnMusic") == "1") e2e::PressButton(e2e::WaitForDialog(box.pid(), kNoMidi), IDOK);
        EXPECT_TRUE(box.Value("Settings", "StartOptions") == "0" || e2e::WaitForDialog(box.pid(), "Options"));
        DWORD_PTR reply = 0;
        EXPECT_TRUE(SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &reply)) << "still answering";
        ASSERT_EQ(box.RemoveLights(), 0u);
    }
}

TEST(HandEdited, OptionsOpensPromptlyWhateverCountThePlaylistClaims) {
    Sandbox box;
    const std::string tune = "xmastune.mid";   // ships beside the program
    std::string longList = "NumEntries=5000\r\n";
    for (int k = 1; k < 5000; ++k) longList += "MIDI" + std::to_string(k) + "=absent" + std::to_string(k) + ".mid\r\n";
    for (const std::string& music : {"NumEntries=999999\r\nMIDI1=" + tune + "\r\n",
                                     "NumEntries=2147483647\r\nMIDI1=" + tune + "\r\n",
                                     longList + "MIDI5000=" + tune + "\r\n"}) {
        SCOPED_TRACE(music.substr(0, 24));
        // The dialog reads the playlist afresh each time it opens.
        box.WriteIniText(e2e::kQuiet + "Zoom=0\r\n[Music]\r\n" + music);
        if (!box.Running()) {
            ASSERT_TRUE(box.Start());
        }
        PostMessageA(box.MainWindow(), WM_SYSCOMMAND, 1001, 0);
        HWND options = e2e::WaitForDialog(box.pid(), "Options", 5000);
        ASSERT_NE(options, nullptr);
        EXPECT_EQ(SendDlgItemMessageA(options, 149, LB_GETSELCOUNT, 0, 0), 1) << "the tune that is there";
        e2e::PressButton(options, IDCANCEL);
        ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(options); }));
    }
}
