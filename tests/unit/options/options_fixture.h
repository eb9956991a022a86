// Shared set-up of the Options dialog tests: a started program with a modeless copy of the
// dialog, MIDI files beside the test program, and a modal-box answerer.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "app/commands.h"
#include "app/settings.h"
#include "dialogs/context_tips.h"
#include "dialogs/options_dlg.h"
#include "dialogs/preview.h"
#include "dialogs/zoom.h"
#include "lights/bulb_catalogue.h"
#include "resource.h"
#include "saver/saver.h"
#include "sound/music.h"
#include "sound/sound_effects.h"
#include "support/test_env.h"

namespace optest {

using Strings = std::vector<std::string>;
using Pairs = std::vector<std::pair<const char*, const char*>>;

inline std::string Text(HWND window) { char text[2048] = ""; GetWindowTextA(window, text, sizeof text); return text; }

// Files with these names beside the test program (and its settings file) while the object lives.
struct MidiFiles {
    Strings names;
    static std::string Path(const std::string& name) { std::string ini = testenv::IniPath(); return ini.erase(ini.rfind('\\') + 1) + name; }
    explicit MidiFiles(Strings n) : names(std::move(n)) { for (auto& name : names) std::ofstream(Path(name)) << "MThd"; }
    ~MidiFiles() { for (auto& name : names) DeleteFileA(Path(name).c_str()); }
};

// A timer that answers each modal box of this thread (the active window but the Options dialog) with OK, ticking `tick` first.
struct Answerer {
    int tick = 0;
    Strings seen;
    static inline Answerer* active = nullptr;
    UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK {
        HWND box = GetActiveWindow();
        if (!box || box == optionsDialog || !IsWindowVisible(box) || !IsWindowEnabled(box)) return;
        active->seen.push_back(Text(box) + "|" + Text(GetDlgItem(box, 0xFFFF)));
        CheckDlgButton(box, active->tick, BST_CHECKED), EnableWindow(box, FALSE), PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    Answerer() { active = this; }
    ~Answerer() { KillTimer(nullptr, timer), active = nullptr; }
};

// A started program with the Options dialog open modelessly (shown, no zoom, no sound); a box nobody expected fails the test.
class OptionsTest : public ::testing::Test {
protected:
    void TearDown() override { DestroyWindow(dialog), spine.reset(); EXPECT_EQ(boxes.seen, Strings{}); }
    void Open(const Pairs& extra = {}, const Pairs& playlist = {}, bool midiDevice = true) {
        spine.reset(), spine = std::make_unique<testenv::Spine>(std::initializer_list<std::pair<const char*, const char*>>{{"Zoom", "0"}, {"Sound", "0"}});
        for (const auto& [key, value] : extra) testenv::WriteIni(kSettingsSection, key, value);
        for (const auto& [key, value] : playlist) testenv::WriteIni(kMusicSection, key, value);
        LoadSettings(), Reopen(midiDevice);
    }
    void Reopen(bool midiDevice = true) {
        DestroyWindow(dialog), midiDevicePresent = midiDevice;
        ShowWindow(dialog = CreateDialogParamA(appInstance, "OptionsDlg", mainWindow, OptionsDlgProc, 0), SW_SHOW), testenv::Pump();
    }
    void Press(int id, int code = 0) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), LPARAM(GetDlgItem(dialog, id))); }
    LRESULT Item(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return SendDlgItemMessageA(dialog, id, message, wParam, lParam); }
    void Tick(int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }
    bool Checked(int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
    bool Enabled(int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
    std::string Label(int id) { return Text(GetDlgItem(dialog, id)); }
    static std::string Ini(const char* key, const char* section = kSettingsSection) { return testenv::ReadIni(section, key); }
    HWND dialog = nullptr;
    std::unique_ptr<testenv::Spine> spine;
    Answerer boxes;
};

}  // namespace optest
