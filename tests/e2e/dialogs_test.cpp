// End to end: the About dialog of the running program, and the zoom outline as another
// program sees it on the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "harness.h"

using e2e::Sandbox;

namespace {

constexpr UINT kCmdAbout = 1000;
constexpr int kAboutBuildLine = 201;
constexpr char kAboutCaption[] = "About Lumenkin...";

void SendCommand(Sandbox& box, UINT command) {
    PostMessageA(box.MainWindow(), WM_SYSCOMMAND, command, 0);
}

std::vector<HWND> VisibleDialogs(Sandbox& box, const char* caption) {
    std::vector<HWND> visible;
    for (HWND w : e2e::WindowsOf(box.pid(), "#32770", caption))
        if (IsWindowVisible(w)) visible.push_back(w);
    return visible;
}

// The screen below the light string (the flashing bulbs would count as changes).
std::vector<uint32_t> ScreenBelowTheLights() {
    constexpr int kTop = 40;
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN) - kTop;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, kTop, SRCCOPY);
    GdiFlush();
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    std::memcpy(pixels.data(), bits, pixels.size() * sizeof(uint32_t));
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

size_t Differences(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    size_t count = 0;
    for (size_t i = 0; i < a.size(); ++i) count += a[i] != b[i];
    return count;
}

// Asks for the About dialog and watches the screen until it shows; returns the most
// pixels that were changed while the dialog was not yet visible.
size_t ScreenChangeBeforeAboutShows(Sandbox& box) {
    e2e::FillScreen(RGB(0, 0, 0));
    const std::vector<uint32_t> before = ScreenBelowTheLights();
    SendCommand(box, kCmdAbout);
    size_t most = 0;
    e2e::WaitFor(
        [&] {
            if (!VisibleDialogs(box, kAboutCaption).empty()) return true;
            const std::vector<uint32_t> now = ScreenBelowTheLights();
            if (VisibleDialogs(box, kAboutCaption).empty()) most = std::max(most, Differences(now, before));
            return false;
        },
        15000);
    return most;
}

}  // namespace

TEST(AboutDialog, ShowsTheBuildLineAndASecondRequestRaisesTheOpenOne) {
    Sandbox box;
    box.WriteQuietIni();
    box.SetValue("Settings", "Zoom", "0");
    ASSERT_TRUE(box.Start());
    ASSERT_NE(box.MainWindow(), nullptr);
    SendCommand(box, kCmdAbout);
    HWND about = e2e::WaitForDialog(box.pid(), kAboutCaption);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(e2e::TextOf(GetDlgItem(about, kAboutBuildLine)), "Build Date: 960813");

    // Asking again (tray, system menu or Options) keeps the one dialog.
    SendCommand(box, kCmdAbout);
    SendCommand(box, kCmdAbout);
    Sleep(500);     // give a wrongly opened second dialog the chance to appear
    EXPECT_EQ(VisibleDialogs(box, kAboutCaption).size(), 1u);

    e2e::PressButton(about, IDOK);
    EXPECT_TRUE(e2e::WaitFor([&] { return VisibleDialogs(box, kAboutCaption).empty(); }));
    box.Stop();
}

TEST(ZoomEffect, TheOpeningOutlineReachesTheScreenBeforeTheDialogAndOnlyWithZoomOn) {
    for (const char* zoom : {"1", "0"}) {
        Sandbox box;
        box.WriteQuietIni();
        box.SetValue("Settings", "Zoom", zoom);
        ASSERT_TRUE(box.Start());
        ASSERT_NE(box.MainWindow(), nullptr);
        SetCursorPos(100, 400);
        const size_t changed = ScreenChangeBeforeAboutShows(box);
        if (zoom[0] == '1')
            EXPECT_GT(changed, 100u) << "no outline was seen on the screen";
        else
            EXPECT_EQ(changed, 0u);
        HWND about = e2e::WaitForDialog(box.pid(), kAboutCaption);
        ASSERT_NE(about, nullptr);
        e2e::PressButton(about, IDOK);
        ASSERT_TRUE(e2e::WaitFor([&] { return VisibleDialogs(box, kAboutCaption).empty(); }));
        box.Stop();
    }
}
