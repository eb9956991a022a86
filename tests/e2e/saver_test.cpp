// End to end: the running program's screen saver starting by itself and ending on real
// input, then run from Options, its setup stored only by the Options OK.
#include <gtest/gtest.h>

#include "harness.h"

TEST(Saver, CoversTheScreenEndsOnRealInputAndItsSetupIsStoredOnlyByTheOptionsOk) {
    e2e::Sandbox box;
    e2e::FillScreen(RGB(255, 255, 255));
    SetCursorPos(400, 300);
    const std::string ini = e2e::kQuiet + "Music=0\r\nZoom=0\r\nScreenSaver=1\r\nSSMouseMove=1\r\nSSMouseClick=1\r\n"
                            "SSMsg=Merry\r\nSSType=5\r\nSSDelay=";
    box.WriteIniText(ini + "0\r\n");
    ASSERT_TRUE(box.Start());
    // No delay: the first tick starts it, over the whole screen and above every window.
    HWND saver = e2e::WaitForWindow(box.pid(), "sslkClass", nullptr);
    RECT place{};
    GetWindowRect(saver, &place);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_TRUE(place.left == 0 && place.top == 0 && place.right == width && place.bottom == height);
    EXPECT_TRUE(GetWindowLongA(saver, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::ScreenBits(RECT{10, height / 4, 11, height / 4 + 1})[0] == 0; }))
        << "it shows";
    keybd_event(VK_SHIFT, 0, 0, 0);
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(saver); })) << "a key ends the saver";
    // It starts again at once; the pointer may wander 10 pixels.
    saver = e2e::WaitForWindow(box.pid(), "sslkClass", nullptr);
    Sleep(300);
    SetCursorPos(405, 305);
    Sleep(300);
    EXPECT_TRUE(IsWindow(saver)) << "a small nudge is not enough";
    SetCursorPos(600, 500);
    EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(saver); }));
    ASSERT_EQ(box.RemoveLights(), 0u);

    box.WriteIniText(ini + "5\r\n");
    ASSERT_TRUE(box.Start());
    ASSERT_NE(box.MainWindow(), nullptr);
    HWND options = nullptr;
    // Test runs the chosen type at once and the dialog stays; the setup dialog writes
    // nothing itself: Cancel in Options drops the change, OK keeps it.
    for (int button : {IDCANCEL, IDOK}) {
        PostMessageA(box.MainWindow(), WM_SYSCOMMAND, 1001, 0);
        options = e2e::WaitForDialog(box.pid(), "Options");
        e2e::PressButton(options, 154);
        HWND saver = e2e::WaitForWindow(box.pid(), "sslkClass", nullptr);
        PostMessageA(saver, WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(saver); }));
        ASSERT_TRUE(IsWindow(options));
        e2e::PressButton(options, 166);
        HWND setup = e2e::WaitForDialog(box.pid(), "Lumenkin v2.1 Screen Saver Setup");
        EXPECT_EQ(e2e::TextOf(GetDlgItem(setup, 167)), L"5");   // the delay box
        SendMessageW(GetDlgItem(setup, 167), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"17"));
        e2e::PressButton(setup, IDOK);
        ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(setup); }));
        EXPECT_EQ(box.Value("Settings", "SSDelay"), "5");
        e2e::PressButton(options, button);
        ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(options); }));
    }
    EXPECT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "SSDelay") == "17"; }));
}
