// End to end: the tray icon and its menu, and the string drawn in the own taskbar window.
#include <gtest/gtest.h>

#include "harness.h"

#include <shellapi.h>

using e2e::Sandbox;

namespace {

constexpr UINT kTrayIconId = 4762;
constexpr UINT kTrayCallback = 1125;
constexpr int kBarHeight = 32;
constexpr int kOtherBarHeight = 40;
constexpr COLORREF kScreenColour = RGB(0, 160, 0);
constexpr COLORREF kBackColour6 = RGB(0, 0, 255);

// Whether the shell knows this icon (it accepts a change to it).
bool ShellHasIcon(HWND window, UINT id) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = id;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

// Another application bar holding a strip at the top of the screen, registered before
// the program starts: the program's bar must dock below it.
class TopBar {
public:
    explicit TopBar(int height) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "lmkE2eTopBar";
        RegisterClassA(&wc);
        data_.cbSize = sizeof data_;
        data_.hWnd = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr,
                                     nullptr, wc.hInstance, nullptr);
        data_.uCallbackMessage = WM_APP + 5;
        SHAppBarMessage(ABM_NEW, &data_);
        data_.uEdge = ABE_TOP;
        data_.rc = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), height};
        SHAppBarMessage(ABM_SETPOS, &data_);
    }
    ~TopBar() {
        SHAppBarMessage(ABM_REMOVE, &data_);
        DestroyWindow(data_.hWnd);
    }

private:
    APPBARDATA data_{};
};

HWND FindBar(DWORD pid) {
    HWND bar = nullptr;
    e2e::WaitFor([&] {
        for (HWND w = FindWindowExA(nullptr, nullptr, "lmkAppBarwClass", nullptr); w;
             w = FindWindowExA(nullptr, w, "lmkAppBarwClass", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == pid && IsWindowVisible(w)) bar = w;
        }
        return bar != nullptr;
    });
    return bar;
}

// Pixels of one 32 x 32 cell of the screen that are not `colour`.
int PixelsOtherThan(HDC screen, int left, int top, COLORREF colour) {
    int count = 0;
    for (int y = top; y < top + 32; y += 2)
        for (int x = left; x < left + 32; x += 2)
            if (GetPixel(screen, x, y) != colour) ++count;
    return count;
}

}  // namespace

TEST(Tray, IconLivesAsLongAsTheProgramAndItsMenuRemovesTheLights) {
    Sandbox box;
    box.WriteQuietIni();
    ASSERT_TRUE(box.Start());
    HWND main = box.MainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(e2e::WaitFor([&] { return ShellHasIcon(main, kTrayIconId); }));

    // A right click on the icon opens the menu; typing its mnemonic chooses "&Remove Lights".
    PostMessageA(main, kTrayCallback, kTrayIconId, WM_RBUTTONDOWN);
    PostMessageA(main, WM_CHAR, 'r', 0);
    DWORD code = 12345;
    ASSERT_TRUE(box.WaitExit(10000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(ShellHasIcon(main, kTrayIconId));
}

TEST(OwnWindow, BulbsAreDrawnInATopBarInTheBackColourAndNotOnTheDesktop) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int bulbs = width / 32;
    TopBar taskbar(kOtherBarHeight);
    // Nothing repaints the bare screen: whatever lands on it outside the bar stays visible.
    e2e::FillScreen(kScreenColour);

    Sandbox box;
    box.WriteQuietIni();
    box.SetValue("Settings", "OwnWindow", "1");
    box.SetValue("Settings", "BackColor", "6");
    box.SetValue("Settings", "MissingBulbs", "0");
    box.SetValue("Settings", "NotSoMany", "0");
    box.SetValue("Settings", "Power", "1");
    ASSERT_TRUE(box.Start());
    ASSERT_NE(box.MainWindow(), nullptr);
    HWND bar = FindBar(box.pid());
    ASSERT_NE(bar, nullptr);

    RECT r;
    GetWindowRect(bar, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, kOtherBarHeight);
    EXPECT_EQ(r.right, width);
    EXPECT_EQ(r.bottom, kOtherBarHeight + kBarHeight);

    // Every bulb shows in its cell of the bar, on the BackColor background.
    HDC screen = GetDC(nullptr);
    const int top = kOtherBarHeight;
    EXPECT_TRUE(e2e::WaitFor([&] {
        for (int i = 0; i < bulbs; ++i)
            if (PixelsOtherThan(screen, 32 * i, top, kBackColour6) == 0) return false;
        return true;
    })) << "some cell of the bar shows no bulb";
    int background = 0;
    for (int i = 0; i < bulbs; ++i) background += 256 - PixelsOtherThan(screen, 32 * i, top, kBackColour6);
    EXPECT_GT(background, 0) << "no BackColor pixel in the bar";

    // The strip the bulbs would take on the desktop, and the screen below the bar, stay untouched.
    for (int i = 0; i < bulbs; ++i) {
        EXPECT_EQ(PixelsOtherThan(screen, 32 * i, 0, kScreenColour), 0) << "bulb " << i << " on the desktop";
        EXPECT_EQ(PixelsOtherThan(screen, 32 * i, top + kBarHeight + 8, kScreenColour), 0) << i;
    }
    ReleaseDC(nullptr, screen);
}
