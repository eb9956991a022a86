// End to end: the running program's screen saver starting by itself, ending on real
// input, and its setup reached from the Options dialog.
#include <gtest/gtest.h>

#include <string>

#include "harness.h"

using e2e::Sandbox;

namespace {

constexpr char kSetupCaption[] = "Lumenkin v2.1 Screen Saver Setup";
constexpr int kSetupDelay = 167;

// A settings file with the saver on, showing `type` after `delay` minutes (0: at once).
void StartSaver(Sandbox& box, const char* type, const char* delay = "0") {
    box.WriteIniText(std::string("[Settings]\r\nWarnMusic=0\r\nStartOptions=0\r\nMusic=0\r\nZoom=0\r\n"
                                 "ScreenSaver=1\r\nSSMouseMove=1\r\nSSMouseClick=1\r\nSSMsg=Merry\r\nSSType=") +
                     type + "\r\nSSDelay=" + delay + "\r\n");
    ASSERT_TRUE(box.Start());
}

HWND WaitForSaver(const Sandbox& box, HWND other = nullptr) {
    HWND found = nullptr;
    e2e::WaitFor([&] {
        for (HWND w : e2e::WindowsOf(box.pid(), "sslkClass", nullptr))
            if (w != other && IsWindowVisible(w)) found = w;
        return found != nullptr;
    });
    return found;
}

}  // namespace

TEST(Saver, CoversTheScreenUnderTheLightsEndsOnARealKeyAndComesBackAfterTheDelay) {
    Sandbox box;
    StartSaver(box, "5");
    HWND saver = WaitForSaver(box);
    ASSERT_NE(saver, nullptr);
    RECT place;
    GetWindowRect(saver, &place);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_TRUE(place.right - place.left == width && place.bottom - place.top == height);
    EXPECT_TRUE(GetWindowLongA(saver, GWL_EXSTYLE) & WS_EX_TOPMOST);
    // Bulbs flash along its top; below them black but for the red message in the middle.
    EXPECT_TRUE(e2e::WaitFor([&] {
        int coloured = 0;
        for (int x = 0; x < width; x += 4) coloured += e2e::ScreenPixel(x, 16) != 0;
        return coloured > 20;
    }));
    EXPECT_EQ(e2e::ScreenPixel(10, height / 4), RGB(0, 0, 0));
    EXPECT_TRUE(e2e::WaitFor([&] {
        for (int x = 0; x < width; ++x)
            if (e2e::ScreenPixel(x, height / 2) == RGB(255, 0, 0)) return true;
        return false;
    })) << "the message";
    INPUT key[2] = {};
    key[0].type = key[1].type = INPUT_KEYBOARD;
    key[0].ki.wVk = key[1].ki.wVk = VK_SHIFT;
    key[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, key, sizeof key[0]);
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(saver); })) << "a key ends the saver";
    EXPECT_NE(WaitForSaver(box, saver), nullptr) << "with no delay the next tick starts it again";
    box.Stop();
}

TEST(Saver, MovingTheRealPointerOutOfTheBoxEndsIt) {
    Sandbox box;
    SetCursorPos(400, 300);
    StartSaver(box, "4");
    HWND saver = WaitForSaver(box);
    ASSERT_NE(saver, nullptr);
    Sleep(300);
    SetCursorPos(405, 305);
    Sleep(300);
    EXPECT_TRUE(IsWindow(saver)) << "a small nudge is not enough";
    SetCursorPos(600, 500);
    EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(saver); }));
    box.Stop();
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
        HWND setup = e2e::WaitForDialog(box.pid(), kSetupCaption);
        ASSERT_NE(setup, nullptr);
        EXPECT_EQ(e2e::TextOf(GetDlgItem(setup, kSetupDelay)), "5");
        SendMessageW(GetDlgItem(setup, kSetupDelay), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"17"));
        e2e::PressButton(setup, IDOK);
        ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(setup); }));
        EXPECT_EQ(box.Value("Settings", "SSDelay"), "5");
        e2e::PressButton(options, button);
        ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(options); }));
    }
    EXPECT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "SSDelay") == "17"; }));
    box.Stop();
}
