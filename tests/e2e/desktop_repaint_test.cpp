// End to end on a desktop that repaints itself, as users run the program: whatever a
// dialog or the saver covered comes back when it closes, and Apply replaces the string
// on the screen.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "harness.h"

using e2e::Sandbox;

namespace {

constexpr char kOptions[] = "Options";
constexpr char kAbout[] = "About Lumenkin...";
constexpr char kBackColor[] = "Select Background Color";
constexpr char kWarning[] = "Lumenkin v2.1";
constexpr WPARAM kOpenOptions = 1001, kOpenAbout = 1000, kOpenBackColor = 1008;
constexpr int kQuit = 3, kApply = 156, kSaverTest = 154, kPowerSwitch = 400, kMoreLights = 147;
constexpr LONG kBelowTheLights = 32;

enum class Close { Ok, Cancel, CloseBox, Minimise, Quit, ApplyThenCancel, SaverThenCancel, PowerOffThenOk };

struct Round {
    const char* name;
    WPARAM open;
    const char* caption;
    Close close;
};

// Every way of closing, the common ones more than once (the picture stayed when a race
// was lost, which happened often but not always); Quit ends the program, so it is last.
const Round kRounds[] = {
    {"Options Cancel", kOpenOptions, kOptions, Close::Cancel},
    {"Options OK", kOpenOptions, kOptions, Close::Ok},
    {"Options close box", kOpenOptions, kOptions, Close::CloseBox},
    {"About OK", kOpenAbout, kAbout, Close::Ok},
    {"Options Apply, Cancel", kOpenOptions, kOptions, Close::ApplyThenCancel},
    {"Options minimised", kOpenOptions, kOptions, Close::Minimise},
    {"Options Cancel", kOpenOptions, kOptions, Close::Cancel},
    {"saver ended, Options Cancel", kOpenOptions, kOptions, Close::SaverThenCancel},
    {"Options OK", kOpenOptions, kOptions, Close::Ok},
    {"Options close box", kOpenOptions, kOptions, Close::CloseBox},
    {"background colour OK", kOpenBackColor, kBackColor, Close::Ok},
    {"About OK", kOpenAbout, kAbout, Close::Ok},
    {"Options Cancel", kOpenOptions, kOptions, Close::Cancel},
    {"power warning OK, Options OK", kOpenOptions, kOptions, Close::PowerOffThenOk},
    {"Options Quit", kOpenOptions, kOptions, Close::Quit},
};

RECT ScreenBelowTheLights() {
    return RECT{0, kBelowTheLights, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

RECT LightStrip() {
    return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), kBelowTheLights};
}

// Pixels of the screen below the lights that differ from `before`, inside `look` and
// outside `skip`.
size_t Changed(const std::vector<uint32_t>& before, const RECT& look, const RECT& skip = RECT{}) {
    const RECT area = ScreenBelowTheLights();
    const std::vector<uint32_t> now = e2e::ScreenBits(area);
    const LONG width = area.right - area.left;
    size_t changed = 0;
    for (size_t i = 0; i < now.size(); ++i) {
        const POINT at{static_cast<LONG>(i % width), static_cast<LONG>(i / width) + area.top};
        changed += now[i] != before[i] && PtInRect(&look, at) && !PtInRect(&skip, at);
    }
    return changed;
}

// Waits for the screen to be as `before` inside `look` and outside `skip`; on time-out
// fails, saying what stayed, and has the desktop repainted so later rounds start clean.
void ExpectRestored(const std::vector<uint32_t>& before, const char* what, const RECT& look,
                    const RECT& skip = RECT{}) {
    size_t left = 0;
    auto restored = [&] { return (left = Changed(before, look, skip)) == 0; };
    if (e2e::WaitFor(restored, 3000)) return;
    ADD_FAILURE() << left << " pixels of the " << what << " stayed";
    RedrawWindow(GetDesktopWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    e2e::WaitFor(restored, 3000);
}

// Pixels of `area` that show something other than the desktop.
size_t Shown(uint32_t desktop, const RECT& area) {
    size_t shown = 0;
    for (uint32_t pixel : e2e::ScreenBits(area)) shown += pixel != desktop;
    return shown;
}

// Apply with "More Lights" off, on and off again: a desktop repaint wipes the old string
// (the second place is empty with fewer lights) and must not wipe the new one, which
// nothing would bring back while the dialog holds the lights still.
void ExpectApplyRepaintsTheString(HWND options, uint32_t desktop) {
    const RECT secondBulbBelowTheWire{kBelowTheLights, 12, 2 * kBelowTheLights, kBelowTheLights};
    for (bool more : {false, true, false}) {
        e2e::SetCheck(options, kMoreLights, more);
        SendMessageA(options, WM_COMMAND, MAKEWPARAM(kApply, BN_CLICKED), 0);
        Sleep(500);
        EXPECT_GT(Shown(desktop, LightStrip()), 1000u) << "Apply left no string";
        EXPECT_EQ(Shown(desktop, secondBulbBelowTheWire) > 0, more) << "second place with More Lights " << more;
    }
}

// The saver's Test button covers the whole screen; after it ends, everything but the
// Options dialog is as it was.
void ExpectSaverEndRestoresTheScreen(const Sandbox& box, HWND options) {
    RECT place;
    GetWindowRect(options, &place);
    const RECT screen = ScreenBelowTheLights();
    const std::vector<uint32_t> before = e2e::ScreenBits(screen);
    e2e::PressButton(options, kSaverTest);
    HWND saver = e2e::WaitForWindow(box.pid(), "sslkClass", nullptr);
    ASSERT_NE(saver, nullptr);
    ASSERT_TRUE(e2e::WaitFor([&] { return Changed(before, screen, place) > 10000; })) << "the saver shows";
    PostMessageA(saver, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(saver); }));
    ExpectRestored(before, "saver", screen, place);
}

void Close(const Sandbox& box, HWND dialog, const Round& round, uint32_t desktop) {
    switch (round.close) {
    case Close::Ok: e2e::PressButton(dialog, IDOK); return;
    case Close::CloseBox: PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); return;
    case Close::Minimise: PostMessageA(dialog, WM_SYSCOMMAND, SC_MINIMIZE, 0); return;
    case Close::Quit: e2e::PressButton(dialog, kQuit); return;
    case Close::ApplyThenCancel: ExpectApplyRepaintsTheString(dialog, desktop); break;
    case Close::SaverThenCancel: ExpectSaverEndRestoresTheScreen(box, dialog); break;
    case Close::PowerOffThenOk: {
        e2e::PressButton(dialog, kPowerSwitch);
        e2e::PressButton(dialog, IDOK);
        HWND warning = e2e::WaitForDialog(box.pid(), kWarning);
        ASSERT_NE(warning, nullptr);
        e2e::PressButton(warning, IDOK);
        return;
    }
    case Close::Cancel: break;
    }
    e2e::PressButton(dialog, IDCANCEL);
}

}  // namespace

TEST(DesktopRepaint, WhatDialogsAndTheSaverCoveredComesBackAndApplyRepaintsTheString) {
    e2e::VirtualDesktop desktop;
    if (!desktop.here()) return;
    Sandbox box;
    // IdleProcess: the lights stand still while a dialog is open, so only Apply paints them.
    box.WriteIniText("[Settings]\r\nWarnMusic=0\r\nStartOptions=0\r\nZoom=0\r\nSound=0\r\nMusic=0\r\n"
                     "IdleProcess=1\r\nNotSoMany=0\r\nScreenSaver=1\r\nSSType=5\r\nSSDelay=30\r\n");
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 10, GetSystemMetrics(SM_CYSCREEN) / 3);
    ASSERT_TRUE(box.Start(desktop.name()));
    ASSERT_NE(box.MainWindow(), nullptr);
    const uint32_t desktopColour = e2e::ScreenBits(RECT{0, 200, 1, 201})[0];
    ASSERT_TRUE(e2e::WaitFor([&] { return Shown(desktopColour, LightStrip()) > 1000; })) << "the string shows";

    for (const Round& round : kRounds) {
        SCOPED_TRACE(round.name);
        const std::vector<uint32_t> before = e2e::ScreenBits(ScreenBelowTheLights());
        PostMessageA(box.MainWindow(), WM_SYSCOMMAND, round.open, 0);
        HWND dialog = e2e::WaitForDialog(box.pid(), round.caption);
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(e2e::WaitFor([&] { return Changed(before, ScreenBelowTheLights()) > 10000; }))
            << "the dialog shows";
        RECT place;
        GetWindowRect(dialog, &place);
        Close(box, dialog, round, desktopColour);
        ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(dialog); }));
        ExpectRestored(before, "dialog", place);
    }
    EXPECT_TRUE(box.WaitExit(10000, nullptr)) << "Quit ends the program";
}
