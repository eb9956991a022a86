// End to end: the About dialog's zoom outline as another program sees it on the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "harness.h"

using e2e::Sandbox;

namespace {

constexpr char kAbout[] = "About Lumenkin...";

// The screen below the light string (the flashing bulbs would count as changes).
std::vector<uint32_t> ScreenBelowTheLights() {
    constexpr int kTop = 40;
    return e2e::ScreenBits(RECT{0, kTop, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

bool AboutVisible(Sandbox& box) {
    for (HWND w : e2e::WindowsOf(box.pid(), "#32770", kAbout))
        if (IsWindowVisible(w)) return true;
    return false;
}

}  // namespace

// The outline must reach the screen while it is drawn, not be queued until the dialog shows.
TEST(ZoomEffect, TheOpeningOutlineReachesTheScreenBeforeTheDialogAndOnlyWithZoomOn) {
    for (const char* zoom : {"1", "0"}) {
        Sandbox box;
        box.WriteQuietIni();
        box.SetValue("Settings", "Zoom", zoom);
        ASSERT_TRUE(box.Start());
        ASSERT_NE(box.MainWindow(), nullptr);
        SetCursorPos(100, 400);
        e2e::FillScreen(RGB(0, 0, 0));
        const std::vector<uint32_t> before = ScreenBelowTheLights();
        PostMessageA(box.MainWindow(), WM_SYSCOMMAND, 1000, 0);
        size_t most = 0;
        e2e::WaitFor([&] {
            if (AboutVisible(box)) return true;
            const std::vector<uint32_t> now = ScreenBelowTheLights();
            size_t changed = 0;
            for (size_t i = 0; i < now.size(); ++i) changed += now[i] != before[i];
            if (!AboutVisible(box)) most = std::max(most, changed);
            return false;
        }, 15000);
        if (zoom[0] == '1')
            EXPECT_GT(most, 100u) << "no outline was seen on the screen";
        else
            EXPECT_EQ(most, 0u);
        HWND about = e2e::WaitForDialog(box.pid(), kAbout);
        ASSERT_NE(about, nullptr);
        e2e::PressButton(about, IDOK);
        box.Stop();
    }
}
