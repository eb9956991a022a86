// End to end: the release package, unpacked into a fresh folder, starts from there as a
// user's first start would (run by the package test, which sets LUMENKIN_PACKAGE_DIR).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "harness.h"

namespace {

constexpr COLORREF kBackground = RGB(20, 40, 90);

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Bulb cells along the top of the screen that show anything but the background.
int PaintedCells() {
    HDC screen = GetDC(nullptr);
    int painted = 0;
    for (int x = 0; x + 32 <= GetSystemMetrics(SM_CXSCREEN); x += 32) {
        bool any = false;
        for (int y = 0; y < 32 && !any; y += 2)
            for (int i = 0; i < 32 && !any; i += 2) any = GetPixel(screen, x + i, y) != kBackground;
        painted += any;
    }
    ReleaseDC(nullptr, screen);
    return painted;
}

}  // namespace

TEST(Package, FirstStartFromTheUnpackedFolderShowsTheStringAndWritesSettingsBesideIt) {
    const char* dir = std::getenv("LUMENKIN_PACKAGE_DIR");
    if (!dir) GTEST_SKIP() << "runs in the package test, on an unpacked package";
    e2e::Sandbox box(e2e::Sandbox::InPlace{dir});

    // What the package holds: the 32-bit program, its tunes, a read-me with CRLF line ends.
    const std::string exe = FileText(box.ExePath());
    ASSERT_GT(exe.size(), 0x200u);
    const size_t pe = *reinterpret_cast<const DWORD*>(&exe[0x3C]);
    EXPECT_EQ(*reinterpret_cast<const WORD*>(&exe[pe + 4]), IMAGE_FILE_MACHINE_I386);
    for (const char* tune : {"xmastune.mid", "wewish.mid", "deckhall.mid", "otannen.mid", "joyworld.mid", "silentnt.mid"})
        EXPECT_NE(GetFileAttributesA((box.dir() + "\\" + tune).c_str()), INVALID_FILE_ATTRIBUTES) << tune;
    const std::string readme = FileText(box.dir() + "\\README.txt");
    EXPECT_NE(readme.find("LUMENK95.INI"), std::string::npos);
    for (size_t at = readme.find('\n'); at != std::string::npos; at = readme.find('\n', at + 1))
        ASSERT_TRUE(at > 0 && readme[at - 1] == '\r') << "bare line feed at byte " << at;
    EXPECT_FALSE(box.IniExists());

    e2e::FillScreen(kBackground);
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
    EXPECT_TRUE(e2e::WaitFor([&] { return PaintedCells() >= cells / 2; }))
        << PaintedCells() << " of " << cells << " bulb cells painted";
    EXPECT_EQ(e2e::ScreenPixel(100, 40), kBackground) << "under the string";
    e2e::PressButton(options, IDCANCEL);
}
