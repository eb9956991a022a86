// Shared set-up of the Options dialog tests: a started program with a modeless copy of the
// dialog, MIDI files beside the test program, and an answerer for modal boxes.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "app/settings.h"
#include "dialogs/options_dlg.h"
#include "support/test_env.h"

namespace optest {

using Extra = std::initializer_list<std::pair<const char*, const char*>>;

inline std::string Text(HWND window) {
    char text[2048] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}
inline std::string ItemText(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }
inline bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
inline bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

inline std::string ProgramFolder() {
    char path[MAX_PATH * 4] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// Empty files with these names beside the test program while the object lives.
struct MidiFiles {
    std::vector<std::string> names;
    explicit MidiFiles(std::vector<std::string> n) : names(std::move(n)) {
        for (auto& name : names) CloseHandle(CreateFileA((ProgramFolder() + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    ~MidiFiles() { for (auto& name : names) DeleteFileA((ProgramFolder() + name).c_str()); }
};

// While it lives, answers each visible window of this thread captioned `caption` with OK,
// ticking `tickId` first when the box has it; keeps the box's static texts joined by '|'.
struct ModalAnswerer {
    std::string caption;
    int tickId;
    int answered = 0;
    bool hadTickBox = false;
    std::string lastText;
    UINT_PTR timer;
    static ModalAnswerer*& Active() { static ModalAnswerer* a = nullptr; return a; }
    explicit ModalAnswerer(const char* c, int tick = 0) : caption(c), tickId(tick) {
        Active() = this;
        timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK { if (Active()) Active()->Poll(); });
    }
    ~ModalAnswerer() { KillTimer(nullptr, timer); Active() = nullptr; }
    void Poll() {
        HWND box = nullptr;
        for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT))
            if (GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId() && IsWindowVisible(w) && Text(w) == caption) box = w;
        if (!box) return;
        lastText.clear();
        for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            char cls[32] = "";
            GetClassNameA(c, cls, sizeof cls);
            if (lstrcmpiA(cls, "Static") == 0 && !Text(c).empty()) lastText += Text(c) + "|";
        }
        hadTickBox = tickId && GetDlgItem(box, tickId);
        if (hadTickBox) CheckDlgButton(box, tickId, BST_CHECKED);
        ++answered;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
};

// A started program with the Options dialog open modelessly (shown, no zoom, no sound).
class OptionsTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (dialog && IsWindow(dialog)) DestroyWindow(dialog);
        dialog = nullptr;
        spine.reset();
        testenv::RemoveIni();
    }
    // Starts the program with these settings and playlist keys, and opens the dialog.
    HWND Open(Extra extra = {}, Extra playlist = {}, bool midiDevice = true) {
        spine.reset();
        spine = std::make_unique<testenv::Spine>(Extra{{"Zoom", "0"}, {"Sound", "0"}});
        // Written after the start-up, which would otherwise open the dialog modally.
        for (const auto& kv : extra) testenv::WriteIni(kSettingsSection, kv.first, kv.second);
        for (const auto& kv : playlist) testenv::WriteIni(kMusicSection, kv.first, kv.second);
        EXPECT_TRUE(spine->ok());
        LoadSettings();   // the record as the file has it
        return Reopen(midiDevice);
    }
    HWND Reopen(bool midiDevice = true) {
        if (dialog && IsWindow(dialog)) DestroyWindow(dialog);
        midiDevicePresent = midiDevice;
        dialog = CreateDialogParamA(appInstance, "OptionsDlg", mainWindow, OptionsDlgProc, 0);
        EXPECT_NE(dialog, nullptr);
        ShowWindow(dialog, SW_SHOW);
        testenv::Pump();
        return dialog;
    }
    void Click(int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }   // as the user does
    void Press(int id) { Notify(id, BN_CLICKED); }                              // the command alone
    void Notify(int id, int code) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
    void Select(int comboId, int item) {
        SendDlgItemMessageA(dialog, comboId, CB_SETCURSEL, item, 0);
        Notify(comboId, CBN_SELCHANGE);
    }
    std::string Ini(const char* key) { return testenv::ReadIni("Settings", key); }
    std::string Music(const char* key) { return testenv::ReadIni("Music", key); }

    HWND dialog = nullptr;
    std::unique_ptr<testenv::Spine> spine;
};

}  // namespace optest
