// End to end: the release package, unpacked into a fresh folder, starts from there as a
// user's first start would (run by the package test, which sets LUMENKIN_PACKAGE_DIR).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "harness.h"

TEST(Package, FirstStartFromTheUnpackedFolderShowsTheStringAndWritesSettingsBesideIt) {
    const char* dir = std::getenv("LUMENKIN_PACKAGE_DIR");
    if (!dir) GTEST_SKIP() << "runs in the package test, on an unpacked package";
    e2e::Sandbox box(e2e::Sandbox::InPlace{dir});

    // What the package holds: the 32-bit program, its tunes, a read-me with CRLF line ends.
    const std::string exe = e2e::FileText(box.ExePath());
    ASSERT_GT(exe.size(), 0x200u);
    const size_t pe = *reinterpret_cast<const DWORD*>(&exe[0x3C]);
    EXPECT_EQ(*reinterpret_cast<const WORD*>(&exe[pe + 4]), IMAGE_FILE_MACHINE_I386);
    for (const char* tune : {"xmastune.mid", "wewish.mid", "deckhall.mid", "otannen.mid", "joyworld.mid", "silentnt.mid"})
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
    HWND warn = e2e::WaitForDialog(box.pid(), "No MIDI Playback Device Detected");
    ASSERT_NE(warn, nullptr);
    e2e::PressButton(warn, IDOK);
    HWND options = e2e::WaitForDialog(box.pid(), "Options");
    ASSERT_NE(options, nullptr);
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
