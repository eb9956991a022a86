// The spine: start-up, the system menu, the main window's commands and the message loop.
#include <gtest/gtest.h>

#include <string>

#include "app/app.h"
#include "app/commands.h"
#include "app/settings.h"
#include "lights/flash_engine.h"
#include "lights/light_string.h"
#include "support/test_env.h"

using testenv::ReadIni;
using testenv::Spine;

namespace {

std::string MenuText(HMENU menu, int position) {
    char text[128] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

}  // namespace

TEST(Spine, StartUpSavesSettingsAndBuildsTheHiddenMainWindow) {
    Spine spine({{"Mode", "9"}});
    ASSERT_TRUE(spine.ok());
    ASSERT_TRUE(IsWindow(mainWindow));
    EXPECT_FALSE(IsWindowVisible(mainWindow));
    char title[64];
    GetWindowTextA(mainWindow, title, sizeof title);
    EXPECT_STREQ(title, "Lumenkin v2.1");
    char cls[64];
    GetClassNameA(mainWindow, cls, sizeof cls);
    EXPECT_STREQ(cls, "lumenkinWClass");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(mainWindow, GWL_STYLE)) & 0x80CA0000u, 0x80CA0000u);
    // Settings were loaded, normalised and written straight back.
    EXPECT_EQ(settings.Mode, 5);
    EXPECT_EQ(ReadIni("Settings", "Mode"), "5");
    EXPECT_EQ(lightString.bulbCount, GetSystemMetrics(SM_CXSCREEN) / 32);
    EXPECT_NE(smallFont, nullptr);
    EXPECT_NE(messageFont, nullptr);
    EXPECT_NE(bigFont, nullptr);
}

TEST(Spine, BulbCountFollowsTheScreenWidthUpTo80) {
    EXPECT_EQ(BulbCountForWidth(640), 20);
    EXPECT_EQ(BulbCountForWidth(800), 25);
    EXPECT_EQ(BulbCountForWidth(1024), 32);
    EXPECT_EQ(BulbCountForWidth(1280), 40);
    EXPECT_EQ(BulbCountForWidth(2560), 80);
    EXPECT_EQ(BulbCountForWidth(3840), 80);
}

TEST(Spine, SystemMenuCarriesTheProgramsItems) {
    Spine spine;
    ASSERT_TRUE(spine.ok());
    HMENU menu = GetSystemMenu(mainWindow, FALSE);
    ASSERT_EQ(menu, systemMenu);
    const struct { UINT id; const char* text; } items[] = {
        {0, ""}, {1005, "Always on &Top"}, {1002, "&Hide Icon"}, {1006, "&Zoom Effects"},
        {0, ""}, {1000, "&About Lumenkin..."}, {1001, "&Options..."}, {1003, "&Remove Lights"}};
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 8);
    for (int i = 0; i < 8; ++i) {
        const int position = count - 8 + i;
        if (items[i].id == 0) {
            EXPECT_EQ(GetMenuState(menu, position, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
            continue;
        }
        EXPECT_EQ(GetMenuItemID(menu, position), items[i].id);
        EXPECT_EQ(MenuText(menu, position), items[i].text);
        EXPECT_EQ(GetMenuState(menu, position, MF_BYPOSITION) & (MF_CHECKED | MF_GRAYED), 0u);
    }
}

TEST(Spine, OpeningTheMenuChecksZoomOnly) {
    Spine spine({{"Zoom", "1"}, {"OnTop", "1"}});
    ASSERT_TRUE(spine.ok());
    SendMessageA(mainWindow, WM_INITMENU, reinterpret_cast<WPARAM>(systemMenu), 0);
    EXPECT_TRUE(GetMenuState(systemMenu, 1006, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(systemMenu, 1005, MF_BYCOMMAND) & MF_CHECKED);
    settings.Zoom = 0;
    SendMessageA(mainWindow, WM_INITMENU, reinterpret_cast<WPARAM>(systemMenu), 0);
    EXPECT_FALSE(GetMenuState(systemMenu, 1006, MF_BYCOMMAND) & MF_CHECKED);
}

TEST(Spine, OnTopAndZoomTogglesAreSavedAtOnce) {
    Spine spine({{"OnTop", "7"}, {"Zoom", "1"}});   // hand-edited: any non-zero value is on
    ASSERT_TRUE(spine.ok());
    for (const char* expected : {"0", "1"}) {
        SendMessageA(mainWindow, WM_SYSCOMMAND, kCmdOnTop, 0);
        EXPECT_EQ(ReadIni("Settings", "OnTop"), expected);
    }
    SendMessageA(mainWindow, WM_SYSCOMMAND, kCmdZoom, 0);
    EXPECT_EQ(settings.Zoom, 0);
    EXPECT_EQ(ReadIni("Settings", "Zoom"), "0");
    // Menu commands arrive as WM_COMMAND and are turned into system commands.
    SendMessageA(mainWindow, WM_COMMAND, kCmdZoom, 0);
    testenv::Pump();
    EXPECT_EQ(ReadIni("Settings", "Zoom"), "1");
}

TEST(Spine, SystemScreenSaverIsSwallowedWhileOursIsEnabled) {
    Spine spine({{"ScreenSaver", "1"}, {"IgnoreWinSS", "1"}});
    ASSERT_TRUE(spine.ok());
    EXPECT_EQ(SendMessageA(mainWindow, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    EXPECT_EQ(SendMessageA(mainWindow, WM_SYSCOMMAND, SC_SCREENSAVE | 0x3, 0), 0);
    settings.IgnoreWinSS = 0;
    EXPECT_EQ(SendMessageA(mainWindow, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 1);
}

TEST(Spine, RemoveLightsClosesTheMainWindowAndQuitsWithZero) {
    Spine spine;
    ASSERT_TRUE(spine.ok());
    HWND window = mainWindow;
    PostMessageA(window, WM_SYSCOMMAND, kCmdRemoveLights, 0);
    EXPECT_EQ(RunMessageLoop(), 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(smallFont, nullptr);
    EXPECT_EQ(bigFont, nullptr);
    EXPECT_EQ(messageFont, nullptr);
    EXPECT_EQ(settings.ScreenSaver, 0);
}

TEST(MessageLoop, SleepsWhileTheQueueIsEmpty) {
    // A polling loop would burn its whole second of wall time on the processor.
    for (const char* idle : {"0", "1"}) {
        Spine spine({{"IdleProcess", idle}});
        ASSERT_TRUE(spine.ok());
        constexpr UINT_PTR kQuitTimer = 77;
        SetTimer(nullptr, kQuitTimer, 1000, [](HWND, UINT, UINT_PTR id, DWORD) CALLBACK {
            KillTimer(nullptr, id);
            PostQuitMessage(3);
        });
        FILETIME created, exited, kernelBefore, userBefore, kernelAfter, userAfter;
        GetThreadTimes(GetCurrentThread(), &created, &exited, &kernelBefore, &userBefore);
        const DWORD start = GetTickCount();
        EXPECT_EQ(RunMessageLoop(), 3);
        const DWORD wall = GetTickCount() - start;
        GetThreadTimes(GetCurrentThread(), &created, &exited, &kernelAfter, &userAfter);
        auto ms = [](const FILETIME& f) {
            return (static_cast<ULONGLONG>(f.dwHighDateTime) << 32 | f.dwLowDateTime) / 10000;
        };
        const ULONGLONG cpu = ms(kernelAfter) - ms(kernelBefore) + ms(userAfter) - ms(userBefore);
        EXPECT_LT(cpu * 4, wall) << "IdleProcess=" << idle << ": " << cpu << " ms of CPU in " << wall << " ms";
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
    struct Helper {
        DWORD loopThread;
        HANDLE done;
    } helper{GetCurrentThreadId(), CreateEventA(nullptr, TRUE, FALSE, nullptr)};
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

TEST(Fonts, MakeFontFollowsTheScreenResolution) {
    HFONT font = MakeFont("Arial", 12, true, true);
    ASSERT_NE(font, nullptr);
    LOGFONTA lf;
    GetObjectA(font, sizeof lf, &lf);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(lf.lfHeight, -MulDiv(12, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_EQ(lf.lfQuality, PROOF_QUALITY);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    DeleteObject(font);
}
