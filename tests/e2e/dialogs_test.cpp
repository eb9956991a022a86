// End to end: the About dialog's zoom outline as another program sees it on the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "harness.h"

// The outline must reach the screen while it is drawn, not be queued until the dialog
// shows; the menu's Zoom toggle turns it off.
TEST(ZoomEffect, TheOpeningOutlineReachesTheScreenBeforeTheDialogAndOnlyWithZoomOn) {
    e2e::Sandbox box;
    box.WriteIniText(e2e::kQuiet + "Zoom=1\r\n");
    ASSERT_TRUE(box.Start());
    ASSERT_NE(box.MainWindow(), nullptr);
    SetCursorPos(100, 400);
    // Below the string, whose flashing would count as changes.
    const RECT area = {0, 40, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    auto aboutShown = [&] { return e2e::WaitForDialog(box.pid(), "About Lumenkin...", 0); };
    for (bool zoom : {true, false}) {
        SCOPED_TRACE(zoom);
        e2e::FillScreen(RGB(0, 0, 0));
        const std::vector<uint32_t> before = e2e::ScreenBits(area);
        PostMessageA(box.MainWindow(), WM_SYSCOMMAND, 1000, 0);
        size_t most = 0;
        e2e::WaitFor([&] {
            if (aboutShown()) return true;
            const std::vector<uint32_t> now = e2e::ScreenBits(area);
            size_t changed = 0;
            for (size_t i = 0; i < now.size(); ++i) changed += now[i] != before[i];
            if (!aboutShown()) most = std::max(most, changed);
            return false;
        }, 15000);
        if (zoom) EXPECT_GT(most, 100u) << "no outline was seen on the screen";
        else EXPECT_EQ(most, 0u);
        HWND about = e2e::WaitForDialog(box.pid(), "About Lumenkin...");
        ASSERT_NE(about, nullptr);
        e2e::PressButton(about, IDOK);
        ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(about); }));
        PostMessageA(box.MainWindow(), WM_SYSCOMMAND, 1006, 0);
        ASSERT_TRUE(e2e::WaitFor([&] { return box.Value("Settings", "Zoom") == (zoom ? "0" : "1"); }));
    }
}
