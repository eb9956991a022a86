// End to end: the running program's screen saver starting by itself, ending on real
// input, and its setup reached from the Options dialog.
#include <gtest/gtest.h>

#include <string>

#include "harness.h"

using e2e::Sandbox;

namespace {

constexpr const char kSaverClass[] = "sslkClass";
constexpr const char kSetupCaption[] = "Lumenkin v2.1 Screen Saver Setup";
constexpr int kOptionsSaverTest = 154;
constexpr int kOptionsSaverSetup = 166;
constexpr int kSetupDelay = 167;

// A settings file with the saver on, showing `type` after `delay` minutes (0: at once).
void WriteSaverIni(Sandbox& box, const char* type, const char* delay = "0") {
    box.WriteIniText(std::string("[Settings]\r\nWarnMusic=0\r\nStartOptions=0\r\nMusic=0\r\nZoom=0\r\n"
                                 "ScreenSaver=1\r\nSSMouseMove=1\r\nSSMouseClick=1\r\nSSMsg=Merry\r\nSSType=") +
                     type + "\r\nSSDelay=" + delay + "\r\n");
}

HWND WaitForSaver(const Sandbox& box, HWND other = nullptr) {
    HWND found = nullptr;
    e2e::WaitFor([&] {
        for (HWND w : e2e::WindowsOf(box.pid(), kSaverClass, nullptr))
            if (w != other && IsWindowVisible(w)) {
                found = w;
                return true;
            }
        return false;
    });
    return found;
}

void PressKey(WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof input[0]);
}

// Opens the Options dialog of the running program, as the tray icon does.
HWND OpenOptions(Sandbox& box) {
    PostMessageA(box.MainWindow(), WM_SYSCOMMAND, 1001, 0);
    return e2e::WaitForDialog(box.pid(), "Options");
}

}  // namespace

TEST(Saver, StartsByItselfOverTheWholeScreenWithTheLightsOnTop) {
    Sandbox box;
    WriteSaverIni(box, "5");
    ASSERT_TRUE(box.Start());
    HWND saver = WaitForSaver(box);
    ASSERT_NE(saver, nullptr);
    RECT place;
    GetWindowRect(saver, &place);
    EXPECT_EQ(place.right - place.left, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(place.bottom - place.top, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(GetWindowLongA(saver, GWL_EXSTYLE) & WS_EX_TOPMOST);
    // The bulbs flash along its top; below them it is black but for the red message.
    EXPECT_TRUE(e2e::WaitFor([] {
        int coloured = 0;
        for (int x = 0; x < GetSystemMetrics(SM_CXSCREEN); x += 4) coloured += e2e::ScreenPixel(x, 16) != 0;
        return coloured > 20;
    }));
    EXPECT_EQ(e2e::ScreenPixel(10, GetSystemMetrics(SM_CYSCREEN) / 4), RGB(0, 0, 0));
    EXPECT_TRUE(e2e::WaitFor([] {
        const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
        for (int x = 0; x < GetSystemMetrics(SM_CXSCREEN); ++x)
            if (e2e::ScreenPixel(x, y) == RGB(255, 0, 0)) return true;
        return false;
    })) << "the message in the middle";
    box.Stop();
}

TEST(Saver, ARealKeyEndsItAndItComesBackAfterTheDelay) {
    Sandbox box;
    WriteSaverIni(box, "1");
    ASSERT_TRUE(box.Start());
    HWND first = WaitForSaver(box);
    ASSERT_NE(first, nullptr);
    Sleep(500);
    ASSERT_TRUE(IsWindow(first)) << "it stays while nobody touches anything";
    PressKey(VK_SHIFT);
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(first); })) << "a key ends the saver";
    // With no delay at all the next flash tick starts a fresh saver.
    HWND second = WaitForSaver(box, first);
    EXPECT_NE(second, nullptr);
    box.Stop();
}

TEST(Saver, MovingTheRealPointerEndsIt) {
    Sandbox box;
    WriteSaverIni(box, "4");
    SetCursorPos(400, 300);
    ASSERT_TRUE(box.Start());
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

TEST(Saver, SetupFromTheOptionsDialogIsStoredOnlyByTheOptionsOk) {
    Sandbox box;
    WriteSaverIni(box, "2", "5");
    ASSERT_TRUE(box.Start());
    HWND options = OpenOptions(box);
    ASSERT_NE(options, nullptr);
    e2e::PressButton(options, kOptionsSaverSetup);
    HWND setup = e2e::WaitForDialog(box.pid(), kSetupCaption);
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(e2e::TextOf(GetDlgItem(setup, kSetupDelay)), "5");
    SendMessageW(GetDlgItem(setup, kSetupDelay), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"17"));
    e2e::PressButton(setup, IDOK);
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(setup); }));
    EXPECT_EQ(box.Value("Settings", "SSDelay"), "5") << "the setup dialog writes nothing itself";
    // Cancel in the Options dialog drops the change ...
    e2e::PressButton(options, IDCANCEL);
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(options); }));
    EXPECT_EQ(box.Value("Settings", "SSDelay"), "5");
    // ... and OK keeps it.
    options = OpenOptions(box);
    ASSERT_NE(options, nullptr);
    e2e::PressButton(options, kOptionsSaverSetup);
    setup = e2e::WaitForDialog(box.pid(), kSetupCaption);
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(e2e::TextOf(GetDlgItem(setup, kSetupDelay)), "5") << "the record went back to the file";
    SendMessageW(GetDlgItem(setup, kSetupDelay), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"17"));
    e2e::PressButton(setup, IDOK);
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(setup); }));
    e2e::PressButton(options, IDOK);
    EXPECT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "SSDelay") == "17"; }));
    box.Stop();
}

TEST(Saver, TheOptionsTestButtonRunsTheChosenTypeAtOnce) {
    Sandbox box;
    WriteSaverIni(box, "5", "30");
    ASSERT_TRUE(box.Start());
    HWND options = OpenOptions(box);
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(e2e::WindowsOf(box.pid(), kSaverClass, nullptr).empty());
    e2e::PressButton(options, kOptionsSaverTest);
    HWND saver = WaitForSaver(box);
    ASSERT_NE(saver, nullptr);
    PostMessageA(saver, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(saver); }));
    EXPECT_TRUE(IsWindow(options)) << "the Options dialog is still there";
    e2e::PressButton(options, IDCANCEL);
    box.Stop();
}
