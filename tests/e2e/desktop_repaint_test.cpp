// End to end on a desktop that repaints itself, as users run the program: whatever a
// dialog or the saver covered comes back when it closes, and Apply replaces the string
// on the screen.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness.h"

namespace {

constexpr int kQuit = 3, kApply = 156, kSaverTest = 154, kPowerSwitch = 400, kMoreLights = 147;
const int kWidth = GetSystemMetrics(SM_CXSCREEN);
const RECT kBelowTheLights = {0, 32, kWidth, GetSystemMetrics(SM_CYSCREEN)}, kStrip = {0, 0, kWidth, 32};

enum class Close { Ok, Cancel, CloseBox, Minimise, Quit, ApplyThenCancel, SaverThenCancel, PowerOffThenOk };
const char* const kWays[] = {"OK", "Cancel", "close box", "minimised", "Quit", "Apply, Cancel", "saver, Cancel",
                             "power warning OK, OK"};

// Every way of closing, the common ones more than once (the picture stayed when a race
// was lost, which happened often but not always); Quit ends the program, so it is last.
const struct Round { WPARAM open; Close close; } kRounds[] = {
    {1001, Close::Cancel}, {1001, Close::Ok}, {1001, Close::CloseBox}, {1000, Close::Ok},
    {1001, Close::ApplyThenCancel}, {1001, Close::Minimise}, {1001, Close::Cancel}, {1001, Close::SaverThenCancel},
    {1001, Close::Ok}, {1001, Close::CloseBox}, {1008, Close::Ok}, {1000, Close::Ok}, {1001, Close::Cancel},
    {1001, Close::PowerOffThenOk}, {1001, Close::Quit}};

const char* CaptionOf(WPARAM open) {
    return open == 1000 ? "About Lumenkin..." : open == 1008 ? "Select Background Color" : "Options";
}

// Pixels below the lights that differ from `before`, inside `look` and outside `skip`.
size_t Changed(const std::vector<uint32_t>& before, const RECT& look, const RECT& skip = RECT{}) {
    const std::vector<uint32_t> now = e2e::ScreenBits(kBelowTheLights);
    size_t changed = 0;
    for (size_t i = 0; i < now.size(); ++i) {
        const POINT at{static_cast<LONG>(i % kWidth), static_cast<LONG>(i / kWidth) + kBelowTheLights.top};
        changed += now[i] != before[i] && PtInRect(&look, at) && !PtInRect(&skip, at);
    }
    return changed;
}

// Waits for the screen to be as `before` inside `look` and outside `skip`; on time-out
// fails, saying what stayed, and has the desktop repainted so later rounds start clean.
void ExpectRestored(const std::vector<uint32_t>& before, const char* what, const RECT& look, const RECT& skip = {}) {
    size_t left = 0;
    auto restored = [&] { return (left = Changed(before, look, skip)) == 0; };
    if (e2e::WaitFor(restored, 3000)) return;
    ADD_FAILURE() << left << " pixels of the " << what << " stayed";
    RedrawWindow(GetDesktopWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    e2e::WaitFor(restored, 3000);
}

// Pixels of `area` that show something other than the desktop.
size_t Shown(uint32_t desktop, const RECT& area) {
    const std::vector<uint32_t> pixels = e2e::ScreenBits(area);
    return pixels.size() - std::count(pixels.begin(), pixels.end(), desktop);
}

void CloseBy(const e2e::Sandbox& box, HWND dialog, const RECT& place, Close how, uint32_t desktop) {
    switch (how) {
    case Close::Ok: return e2e::PressButton(dialog, IDOK);
    case Close::CloseBox: PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); return;
    case Close::Minimise: PostMessageA(dialog, WM_SYSCOMMAND, SC_MINIMIZE, 0); return;
    case Close::Quit: return e2e::PressButton(dialog, kQuit);
    case Close::ApplyThenCancel:
        // More Lights off, on and off again: a desktop repaint wipes the old string (the
        // second place is empty with fewer lights) and must not wipe the new one, which
        // nothing would bring back while the dialog holds the lights still.
        for (bool more : {false, true, false}) {
            SendDlgItemMessageA(dialog, kMoreLights, BM_SETCHECK, more, 0);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kApply, BN_CLICKED), 0);
            Sleep(500);
            EXPECT_GT(Shown(desktop, kStrip), 1000u) << "Apply left no string";
            EXPECT_EQ(Shown(desktop, RECT{32, 12, 64, 32}) > 0, more) << "second place, More Lights " << more;
        }
        break;
    case Close::SaverThenCancel: {
        // The saver's Test covers the whole screen; after it, all but the dialog is as it was.
        const std::vector<uint32_t> before = e2e::ScreenBits(kBelowTheLights);
        e2e::PressButton(dialog, kSaverTest);
        HWND saver = e2e::WaitForWindow(box.pid(), "sslkClass", nullptr);
        ASSERT_TRUE(e2e::WaitFor([&] { return Changed(before, kBelowTheLights, place) > 10000; })) << "no saver";
        PostMessageA(saver, WM_KEYDOWN, VK_ESCAPE, 0);
        ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(saver); }));
        ExpectRestored(before, "saver", kBelowTheLights, place);
        break;
    }
    case Close::PowerOffThenOk: {
        e2e::PressButton(dialog, kPowerSwitch);
        e2e::PressButton(dialog, IDOK);
        HWND warning = e2e::WaitForDialog(box.pid(), "Lumenkin v2.1");
        return e2e::PressButton(warning, IDOK);
    }
    case Close::Cancel: break;
    }
    e2e::PressButton(dialog, IDCANCEL);
}

}  // namespace

TEST(DesktopRepaint, WhatDialogsAndTheSaverCoveredComesBackAndApplyRepaintsTheString) {
    e2e::VirtualDesktop desktop;
    if (!desktop.here()) return;
    e2e::Sandbox box;
    // IdleProcess: the lights stand still while a dialog is open, so only Apply paints them.
    box.WriteIniText(e2e::kQuiet + "Zoom=0\r\nSound=0\r\nMusic=0\r\nIdleProcess=1\r\nNotSoMany=0\r\n"
                     "ScreenSaver=1\r\nSSType=5\r\nSSDelay=30\r\n");
    SetCursorPos(kWidth - 10, GetSystemMetrics(SM_CYSCREEN) / 3);
    ASSERT_TRUE(box.Start(desktop.name()));
    ASSERT_NE(box.MainWindow(), nullptr);
    const uint32_t desktopColour = e2e::ScreenBits(RECT{0, 200, 1, 201})[0];
    ASSERT_TRUE(e2e::WaitFor([&] { return Shown(desktopColour, kStrip) > 1000; })) << "the string shows";
    std::string handEdited;
    for (const Round& round : kRounds) {
        SCOPED_TRACE(std::string(CaptionOf(round.open)) + " " + kWays[static_cast<int>(round.close)]);
        if (round.close == Close::Quit) {   // an edit that a save would undo
            handEdited = box.IniText();
            box.WriteIniText(handEdited.replace(handEdited.find("Mode=3"), 6, "Mode=4"));
        }
        const std::vector<uint32_t> before = e2e::ScreenBits(kBelowTheLights);
        PostMessageA(box.MainWindow(), WM_SYSCOMMAND, round.open, 0);
        HWND dialog = e2e::WaitForDialog(box.pid(), CaptionOf(round.open));
        ASSERT_TRUE(e2e::WaitFor([&] { return Changed(before, kBelowTheLights) > 10000; })) << "the dialog shows";
        RECT place{};
        GetWindowRect(dialog, &place);
        CloseBy(box, dialog, place, round.close, desktopColour);
        ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(dialog); }));
        ExpectRestored(before, "dialog", place);
    }
    EXPECT_EQ(box.ExitCode(), 0u) << "Quit ends the program";
    EXPECT_EQ(box.IniText(), handEdited) << "Quit saves nothing";
}
