// End to end: starting (from the unpacked release package too), refusing, handing over to
// the running copy, the About dialog's zoom outline, hand-edited settings and shutting down.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "harness.h"

using e2e::Sandbox;
constexpr char kNoMidi[] = "No MIDI Playback Device Detected";

TEST(Startup, FirstStartSecondStartZoomOutlinePlaylistCountAndRemoveLights) {
    Sandbox box, second;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    e2e::FillScreen(RGB(20, 40, 90));
    const std::vector<uint32_t> screen = e2e::ScreenBits(RECT{0, 0, width, 32});
    ASSERT_TRUE(box.Start());
    HWND warn = e2e::WaitForDialog(box.pid(), kNoMidi);
    // Saved before the warning: every key to the last, and the first playlist.
    EXPECT_EQ(box.Value("Settings", "Mode") + box.Value("Settings", "IgnoreWinSS") + box.Value("Settings", "SSMsg") +
              box.Value("Music", "MIDI1") + box.Value("Music", "NumEntries"), "31xmastune.mid1");
    // "Do not notify me" is saved at once; Music stays on in the file.
    SendDlgItemMessageA(warn, 1007, BM_SETCHECK, BST_CHECKED, 0);
    e2e::PressButton(warn, IDOK);
    ASSERT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "WarnMusic") == "0"; }));
    EXPECT_EQ(box.Value("Settings", "Music"), "1");
    HWND options = e2e::WaitForDialog(box.pid(), "Options");   // StartOptions is on at first
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::ScreenBits(RECT{0, 0, width, 32}) != screen; }))
        << "the lights show behind it";
    e2e::PressButton(options, IDCANCEL);
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(options); }));

    // A second start hands over before it touches any settings: the first copy opens Options.
    ASSERT_TRUE(second.Start());
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_FALSE(second.IniExists());
    options = e2e::WaitForDialog(box.pid(), "Options");
    e2e::PressButton(options, IDCANCEL);
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(options); }));
    EXPECT_EQ(box.RemoveLights(), 0u);

    // Not a first start: the user's playlist stays as it is.
    box.WriteIniText(e2e::kQuiet + "Zoom=0\r\n[Music]\r\nNumEntries=0\r\nMIDI1=mine.mid\r\n");
    ASSERT_TRUE(box.Start());
    ASSERT_NE(box.MainWindow(), nullptr);
    EXPECT_EQ(box.Value("Music", "MIDI1") + box.Value("Music", "NumEntries"), "mine.mid0");
    // About's zoom outline reaches the screen while it is drawn, not queued until the
    // dialog shows, and only with the menu's Zoom on. Below the string, whose flashing
    // would count as changes.
    SetCursorPos(100, 400);
    const RECT below = {0, 40, width, GetSystemMetrics(SM_CYSCREEN)};
    for (bool zoom : {false, true}) {
        SCOPED_TRACE(zoom);
        e2e::FillScreen(RGB(0, 0, 0));
        const std::vector<uint32_t> before = e2e::ScreenBits(below);
        PostMessageA(box.MainWindow(), WM_SYSCOMMAND, 1000, 0);
        size_t most = 0;
        e2e::WaitFor([&] {
            const std::vector<uint32_t> now = e2e::ScreenBits(below);
            if (e2e::WaitForDialog(box.pid(), "About Lumenkin...", 0)) return true;   // it may be in the picture
            most = std::max(most, std::inner_product(now.begin(), now.end(), before.begin(), size_t{0},
                                                     std::plus<>(), std::not_equal_to<>()));
            return false;
        }, 15000);
        EXPECT_TRUE(zoom ? most > 100 : most == 0) << most << " pixels of outline";
        HWND about = e2e::WaitForDialog(box.pid(), "About Lumenkin...");
        e2e::PressButton(about, IDOK);
        ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(about); }));
        PostMessageA(box.MainWindow(), WM_SYSCOMMAND, 1006, 0);
        ASSERT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "Zoom") == (zoom ? "0" : "1"); }));
    }
    // Options reads the playlist afresh each time it opens, promptly whatever count it claims.
    const std::string tune = "xmastune.mid";   // ships beside the program
    std::string longList = "NumEntries=5000\r\n", written;
    for (int k = 1; k < 5000; ++k) longList += "MIDI" + std::to_string(k) + "=absent" + std::to_string(k) + ".mid\r\n";
    for (const std::string& music : {"NumEntries=999999\r\nMIDI1=" + tune + "\r\n",
                                     "NumEntries=2147483647\r\nMIDI1=" + tune + "\r\n",
                                     longList + "MIDI5000=" + tune + "\r\n"}) {
        SCOPED_TRACE(music.substr(0, 24));
        box.WriteIniText(written = e2e::kQuiet + "[Music]\r\n" + music);
        PostMessageA(box.MainWindow(), WM_SYSCOMMAND, 1001, 0);
        options = e2e::WaitForDialog(box.pid(), "Options", 5000);
        EXPECT_EQ(SendDlgItemMessageA(options, 149, LB_GETSELCOUNT, 0, 0), 1) << "the tune that is there";
        e2e::PressButton(options, IDCANCEL);
        ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(options); }));
    }
    // Nothing is saved at shut-down: the hand edit stays.
    EXPECT_EQ(box.RemoveLights(), 0u);
    EXPECT_EQ(box.IniText(), written);
}

// Run by the package test, which sets LUMENKIN_PACKAGE_DIR.
TEST(Package, FirstStartFromTheUnpackedFolderShowsTheStringAndWritesSettingsBesideIt) {
    const char* dir = std::getenv("LUMENKIN_PACKAGE_DIR");
    if (!dir) GTEST_SKIP() << "runs in the package test, on an unpacked package";
    e2e::Sandbox box(e2e::Sandbox::InPlace{dir});

    // What the package holds: the 32-bit program, its tunes, a read-me with CRLF line ends.
    const std::string exe = e2e::FileText(box.ExePath());
    ASSERT_GT(exe.size(), 0x200u);
    const size_t pe = *reinterpret_cast<const DWORD*>(&exe[0x3C]);
    EXPECT_EQ(*reinterpret_cast<const WORD*>(&exe[pe + 4]), IMAGE_FILE_MACHINE_I386);
    for (const char* tune : e2e::kTunes)
        EXPECT_NE(GetFileAttributesA((box.dir() + "\\" + tune).c_str()), INVALID_FILE_ATTRIBUTES) << tune;
    const std::string readme = e2e::FileText(box.dir() + "\\README.txt");
    EXPECT_NE(readme.find("LUMENK95.INI"), std::string::npos);
    for (size_t at = readme.find('\n'); at != std::string::npos; at = readme.find('\n', at + 1))
        ASSERT_TRUE(at > 0 && readme[at - 1] == '\r') << "bare line feed at byte " << at;
    EXPECT_FALSE(box.IniExists());

    e2e::FillScreen(RGB(20, 40, 90));
    const uint32_t background = e2e::ScreenBits(RECT{0, 0, 1, 1})[0];
    ASSERT_TRUE(box.Start());
    EXPECT_TRUE(e2e::WaitFor([&] { return box.IniExists(); })) << "no settings file beside the program";
    // No MIDI device under Wine: the warning comes first; answered, the Options dialog
    // opens (it does at a first start) and the lights flash behind it.
    HWND warn = e2e::WaitForDialog(box.pid(), kNoMidi);
    e2e::PressButton(warn, IDOK);
    HWND options = e2e::WaitForDialog(box.pid(), "Options");
    const int cells = GetSystemMetrics(SM_CXSCREEN) / 32;
    std::vector<int> painted;   // per cell along the top: whether it shows anything but the background
    EXPECT_TRUE(e2e::WaitFor([&] {
        const std::vector<uint32_t> strip = e2e::ScreenBits(RECT{0, 0, cells * 32, 32});
        painted.assign(cells, 0);
        for (size_t i = 0; i < strip.size(); ++i) painted[i % (cells * 32) / 32] |= strip[i] != background;
        return std::count(painted.begin(), painted.end(), 1) >= cells / 2;
    })) << std::count(painted.begin(), painted.end(), 1) << " of " << cells << " bulb cells painted";
    EXPECT_EQ(e2e::ScreenBits(RECT{100, 40, 101, 41})[0], background) << "under the string";
    e2e::PressButton(options, IDCANCEL);
}

TEST(Startup, RefusesToRunOutsideTheWindows95Family) {
    // Wine reports a per-program version from AppDefaults, keyed by the file name.
    const std::string key = "Software\\Wine\\AppDefaults\\lumenkin-on-xp.exe";
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), "Version", REG_SZ, "winxp", 6), ERROR_SUCCESS);
    Sandbox box("lumenkin-on-xp.exe");
    ASSERT_TRUE(box.Start());
    HWND message = e2e::WaitForDialog(box.pid(), "Lumenkin v2.1");
    std::wstring text;   // the longest static text: the other one holds the icon
    for (HWND child = GetWindow(message, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (e2e::TextOf(child).size() > text.size()) text = e2e::TextOf(child);
    EXPECT_EQ(text, L"This application requires Windows 95 (or greater)");
    e2e::PressButton(message, IDOK);
    EXPECT_EQ(box.ExitCode(), 0u);
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
