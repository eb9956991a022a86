// The spine: start-up, the system menu, the main window's messages and commands, the loop.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/app.h"
#include "app/commands.h"
#include "app/settings.h"
#include "lights/flash_engine.h"
#include "lights/light_string.h"
#include "support/test_env.h"

using testenv::ReadIni;
using testenv::Spine;

TEST(Spine, StartUpBuildsTheHiddenMainWindowItsClassAndFonts) {
    Spine spine({{"Mode", "9"}});
    ASSERT_TRUE(spine.ok());
    EXPECT_FALSE(IsWindowVisible(mainWindow));
    char title[64], name[64];
    GetWindowTextA(mainWindow, title, sizeof title), GetClassNameA(mainWindow, name, sizeof name);
    EXPECT_EQ(std::string(title) + "|" + name, "Lumenkin v2.1|lumenkinWClass");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(mainWindow, GWL_STYLE)) & ~(WS_VISIBLE | WS_CLIPSIBLINGS), 0x80CA0000u);
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    RECT r, expected{20, 20, 20 + w, 20 + h};
    EXPECT_TRUE(GetWindowRect(mainWindow, &r) && EqualRect(&r, &expected));
    EXPECT_EQ(GetClassLongPtrA(mainWindow, GCL_STYLE), CS_DBLCLKS);
    EXPECT_EQ(GetClassLongPtrA(mainWindow, GCLP_HBRBACKGROUND), LONG_PTR(GetStockObject(LTGRAY_BRUSH)));
    EXPECT_EQ(lightString.bulbCount, w / 32);
    EXPECT_EQ(ReadIni("Settings", "Mode"), "5");  // loaded, normalised and saved straight back
    HDC screen = GetDC(nullptr);
    for (const auto& [font, points, weight] : {std::tuple{smallFont, 8, FW_NORMAL}, {messageFont, 12, FW_NORMAL},
                                                {bigFont, 72, FW_BOLD}}) {
        LOGFONTA lf{};
        EXPECT_TRUE(GetObjectA(font, sizeof lf, &lf) && lf.lfWeight == weight && !lf.lfItalic && !lf.lfUnderline &&
                    lf.lfHeight == -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72) && !lf.lfStrikeOut &&
                    lf.lfOutPrecision == OUT_TT_PRECIS && lf.lfQuality == PROOF_QUALITY && lf.lfPitchAndFamily == 4 &&
                    !lstrcmpA(lf.lfFaceName, "Arial")) << points;
    }
    ReleaseDC(nullptr, screen);
}

TEST(Spine, SystemMenuAndItsCommands) {
    Spine spine({{"Zoom", "1"}, {"OnTop", "0"}, {"OwnWindow", "1"}, {"Sound", "0"}, {"ScreenSaver", "1"},
                 {"IgnoreWinSS", "1"}});
    ASSERT_TRUE(spine.ok());
    // Toggles are saved at once; "Always on Top" lifts the own window above the others.
    auto topmost = [] { return (GetWindowLongA(ownWindow, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    EXPECT_FALSE(topmost());
    SendMessageA(mainWindow, WM_SYSCOMMAND, kCmdOnTop, 0);
    SendMessageA(mainWindow, WM_SYSCOMMAND, kCmdZoom, 0);
    EXPECT_TRUE(settings.OnTop == 1 && settings.Zoom == 0 && topmost());
    EXPECT_TRUE(ReadIni("Settings", "OnTop") == "1" && ReadIni("Settings", "Zoom") == "0");
    settings.OnTop = 7;   // hand-edited: any non-zero value is on, and the toggle turns it off
    SendMessageA(mainWindow, WM_SYSCOMMAND, kCmdOnTop, 0);
    EXPECT_TRUE(ReadIni("Settings", "OnTop") == "0" && !topmost());
    ASSERT_EQ(GetSystemMenu(mainWindow, FALSE), systemMenu);
    const int first = GetMenuItemCount(systemMenu) - 8;
    for (LONG zoom : {1, 0}) {   // Zoom Effects is checked as the menu opens
        settings.Zoom = zoom;
        EXPECT_EQ(SendMessageA(mainWindow, WM_INITMENU, reinterpret_cast<WPARAM>(systemMenu), 0), 1);
        EXPECT_EQ(testenv::MenuItems(systemMenu, first), (std::vector<std::string>{"-", "1005 Always on &Top",
                  "1002 &Hide Icon", zoom ? "1006 &Zoom Effects checked" : "1006 &Zoom Effects", "-",
                  "1000 &About Lumenkin...", "1001 &Options...", "1003 &Remove Lights"}));
    }
    // The dialogs, all owned by the main window.
    const struct { WPARAM command; const char* opens; LRESULT result; } rows[] = {
        {1000, "About Lumenkin...", 1}, {1001, "Options", 1}, {SC_MAXIMIZE, "Options", 1}, {SC_RESTORE, "Options", 1},
        {0xF122, "Options", 1}, {1008, "Select Background Color", 0}};
    for (const auto& row : rows) {
        LRESULT result = -1;
        const auto opened = testenv::DialogOpenedBy([&] {
            result = SendMessageA(mainWindow, WM_SYSCOMMAND, row.command, 0);
        });
        EXPECT_TRUE(opened.caption == row.opens && opened.owner == mainWindow && result == row.result) << row.command;
    }
    ShowWindow(mainWindow, SW_SHOWNA);
    EXPECT_EQ(SendMessageA(mainWindow, WM_SYSCOMMAND, kCmdHide, 0), 1);
    EXPECT_FALSE(IsWindowVisible(mainWindow));
    // The system's own screen saver is held back while ours is enabled.
    EXPECT_EQ(SendMessageA(mainWindow, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    EXPECT_EQ(SendMessageA(mainWindow, WM_SYSCOMMAND, SC_SCREENSAVE | 0x3, 0), 0);
    settings.IgnoreWinSS = 0;
    EXPECT_EQ(SendMessageA(mainWindow, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 1);
}

TEST(Spine, MainWindowMessagesAndRemoveLights) {
    Spine spine({{"OwnWindow", "1"}, {"BackColor", "1"}, {"ScreenSaver", "1"}});
    ASSERT_TRUE(spine.ok());
    // The flash timer steps the lights unless the loop's idle step drives them.
    const struct { LONG idle; bool byTimer, steps; } drivers[] = {{0, 1, 1}, {1, 1, 0}, {0, 0, 0}, {1, 0, 1}};
    for (const auto& d : drivers) {
        settings.IdleProcess = d.idle;
        lastStepTick = 1;
        if (d.byTimer) EXPECT_EQ(SendMessageA(mainWindow, WM_TIMER, kFlashTimerId, 0), 1);
        else IdleStep();
        EXPECT_EQ(lastStepTick != 1, d.steps) << d.idle << d.byTimer;
    }
    // Changes to the system's settings recolour the own window and ask the taskbar to repaint.
    HWND taskbar = testenv::MakeWindow("Shell_TrayWnd", WS_POPUP | WS_VISIBLE, {0, 700, 4, 704}, DefWindowProcA,
                                       WS_EX_TOPMOST);
    for (auto [message, backColor, colour] :
         {std::tuple{WM_WININICHANGE, 5, RGB(0, 0, 127)}, {WM_DEVMODECHANGE, 6, RGB(0, 0, 255)}}) {
        settings.BackColor = backColor;
        testenv::Pump();   // the taskbar paints what was asked before
        EXPECT_EQ(SendMessageA(mainWindow, message, 0, 0), 1);
        EXPECT_TRUE(testenv::ClassBrushColour(ownWindow) == colour && GetUpdateRect(taskbar, nullptr, 0)) << message;
    }
    DestroyWindow(taskbar);
    // Menu commands come back as system commands, posted rather than carried out at once.
    const LONG zoom = settings.Zoom;
    EXPECT_EQ(SendMessageA(mainWindow, WM_COMMAND, kCmdZoom, 0), 1);
    EXPECT_EQ(settings.Zoom, zoom);
    testenv::Pump();
    EXPECT_EQ(settings.Zoom, 1 - zoom);
    EXPECT_EQ(SendMessageA(mainWindow, WM_TRAYNOTIFY, 4762, WM_MOUSEMOVE), 0);
    // "&Remove Lights" closes the window, takes the fonts and the saver with it, repaints the desktop
    // (here a stand-in that notes its paint) and quits with 0.
    static bool painted;
    desktopWindow = testenv::MakeWindow("StandInDesktop", WS_POPUP | WS_VISIBLE, {0, 0, 8, 8},
                                        [](HWND w, UINT m, WPARAM wp, LPARAM lp) CALLBACK -> LRESULT {
                                            return painted |= m == WM_PAINT, DefWindowProcA(w, m, wp, lp);
                                        });
    testenv::Pump();
    painted = false;
    HWND window = mainWindow;
    PostMessageA(window, WM_SYSCOMMAND, kCmdRemoveLights, 0);
    EXPECT_EQ(RunMessageLoop(), 0);
    EXPECT_TRUE(GetUpdateRect(desktopWindow, nullptr, FALSE) || painted);
    DestroyWindow(desktopWindow);
    EXPECT_FALSE(IsWindow(window) || smallFont || bigFont || messageFont);
    EXPECT_EQ(settings.ScreenSaver, 0);
}

TEST(MessageLoop, SleepsWhileTheQueueIsEmpty) {   // a polling loop would burn its whole second on the processor
    Spine spine;
    ASSERT_TRUE(spine.ok());
    const auto cpuMs = [] {   // kernel and user time
        FILETIME t[4];
        GetThreadTimes(GetCurrentThread(), &t[0], &t[1], &t[2], &t[3]);
        return ((ULONGLONG(t[2].dwHighDateTime) << 32 | t[2].dwLowDateTime) + ULARGE_INTEGER{{t[3].dwLowDateTime,
                t[3].dwHighDateTime}}.QuadPart) / 10000;
    };
    for (LONG idle : {0, 1}) {
        settings.IdleProcess = idle;
        SetTimer(nullptr, 0, 1000, [](HWND, UINT, UINT_PTR id, DWORD) CALLBACK {
            KillTimer(nullptr, id);
            PostQuitMessage(3);
        });
        const ULONGLONG cpu = cpuMs();
        const DWORD start = GetTickCount();
        EXPECT_EQ(RunMessageLoop(), 3);
        const DWORD wall = GetTickCount() - start;
        EXPECT_LT((cpuMs() - cpu) * 4, wall) << "IdleProcess=" << idle << ": " << wall << " ms of wall time";
    }
}

TEST(MessageLoop, TakesEveryQueuedMessageBeforeItSleeps) {
    // Messages already in the queue do not wake a sleeping loop. A loop that slept with
    // these still queued would go on only as a helper thread posts it fresh messages
    // (quits with 9) once a second, and would end with 9 instead of 5.
    Spine spine;
    ASSERT_TRUE(spine.ok());
    StopFlashTimer();   // its ticks would wake such a loop too
    testenv::Pump();
    for (int i = 0; i < 3; ++i) PostMessageA(mainWindow, WM_NULL, 0, 0);
    PostQuitMessage(5);
    struct Helper { DWORD loopThread; HANDLE done; } helper{GetCurrentThreadId(), CreateEventA(nullptr, 1, 0, nullptr)};
    HANDLE thread = CreateThread(nullptr, 0, [](void* p) WINAPI -> DWORD {
        auto* h = static_cast<Helper*>(p);
        while (WaitForSingleObject(h->done, 1000) == WAIT_TIMEOUT) PostThreadMessageA(h->loopThread, WM_QUIT, 9, 0);
        return 0;
    }, &helper, 0, nullptr);
    EXPECT_EQ(RunMessageLoop(), 5);
    SetEvent(helper.done);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    CloseHandle(helper.done);
}
