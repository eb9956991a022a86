// End to end: the running program's screen saver starting by itself, ending on real
// input, and its setup reached from the Options dialog.
#include <gtest/gtest.h>

#include <string>

#include "harness.h"

using e2e::Sandbox;

namespace {

// A settings file with the saver on, showing `type` after `delay` minutes (0: at once).
void StartSaver(Sandbox& box, const char* type, const char* delay = "0") {
    box.WriteIniText(e2e::kQuiet + "Music=0\r\nZoom=0\r\nScreenSaver=1\r\nSSMouseMove=1\r\nSSMouseClick=1\r\n"
                     "SSMsg=Merry\r\nSSType=" + type + "\r\nSSDelay=" + delay + "\r\n");
    ASSERT_TRUE(box.Start());
}

HWND WaitForSaver(const Sandbox& box) { return e2e::WaitForWindow(box.pid(), "sslkClass", nullptr); }

}  // namespace

TEST(Saver, CoversTheScreenAndEndsOnARealKeyOrThePointerLeavingItsBox) {
    Sandbox box;
    e2e::FillScreen(RGB(255, 255, 255));
    SetCursorPos(400, 300);
    StartSaver(box, "5");
    // Windows' own saver is kept from starting while ours is on (IgnoreWinSS by default).
    EXPECT_EQ(SendMessageA(box.MainWindow(), WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    HWND saver = WaitForSaver(box);
    ASSERT_NE(saver, nullptr);
    RECT place;
    GetWindowRect(saver, &place);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_TRUE(place.left == 0 && place.top == 0 && place.right == width && place.bottom == height);
    EXPECT_TRUE(GetWindowLongA(saver, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::ScreenBits(RECT{10, height / 4, 11, height / 4 + 1})[0] == 0; })) << "it shows";
    INPUT key[2] = {};
    key[0].type = key[1].type = INPUT_KEYBOARD;
    key[0].ki.wVk = key[1].ki.wVk = VK_SHIFT;
    key[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, key, sizeof key[0]);
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(saver); })) << "a key ends the saver";
    // With no delay the next tick starts it again; the pointer may wander 10 pixels.
    saver = WaitForSaver(box);
    ASSERT_NE(saver, nullptr);
    Sleep(300);
    SetCursorPos(405, 305);
    Sleep(300);
    EXPECT_TRUE(IsWindow(saver)) << "a small nudge is not enough";
    SetCursorPos(600, 500);
    EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(saver); }));
}

TEST(Saver, OptionsTestButtonAndSetupStoredOnlyByTheOptionsOk) {
    Sandbox box;
    StartSaver(box, "2", "5");
    auto openOptions = [&] {
        PostMessageA(box.MainWindow(), WM_SYSCOMMAND, 1001, 0);
        return e2e::WaitForDialog(box.pid(), "Options");
    };
    HWND options = openOptions();
    ASSERT_NE(options, nullptr);
    e2e::PressButton(options, 154);  // Test: runs the chosen type at once, the dialog stays
    HWND saver = WaitForSaver(box);
    ASSERT_NE(saver, nullptr);
    PostMessageA(saver, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(saver); }));
    ASSERT_TRUE(IsWindow(options));
    // The setup dialog writes nothing itself; Cancel in Options drops the change, OK keeps it.
    for (int button : {IDCANCEL, IDOK}) {
        if (!IsWindow(options)) options = openOptions();
        ASSERT_NE(options, nullptr);
        e2e::PressButton(options, 166);
        HWND setup = e2e::WaitForDialog(box.pid(), "Lumenkin v2.1 Screen Saver Setup");
        ASSERT_NE(setup, nullptr);
        EXPECT_EQ(e2e::TextOf(GetDlgItem(setup, 167)), "5");   // the delay box
        SendMessageW(GetDlgItem(setup, 167), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"17"));
        e2e::PressButton(setup, IDOK);
        ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(setup); }));
        EXPECT_EQ(box.Value("Settings", "SSDelay"), "5");
        e2e::PressButton(options, button);
        ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(options); }));
    }
    EXPECT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "SSDelay") == "17"; }));
}
