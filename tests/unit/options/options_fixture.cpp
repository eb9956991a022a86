// Shared set-up of the Options dialog tests: a started program, a modeless copy of the
// dialog, MIDI files beside the test program, and an answerer for modal boxes.
#include "options_fixture.h"

#include <vector>

#include "app/app.h"
#include "app/settings.h"
#include "dialogs/options_dlg.h"

namespace optest {

namespace {
ModalAnswerer* activeAnswerer = nullptr;
}

std::string ProgramFolder() {
    char path[MAX_PATH * 4] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

MidiFiles::MidiFiles(std::vector<std::string> names) : names_(std::move(names)) {
    for (const auto& name : names_) {
        HANDLE file = CreateFileA((ProgramFolder() + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        CloseHandle(file);
    }
}

MidiFiles::~MidiFiles() {
    for (const auto& name : names_) DeleteFileA((ProgramFolder() + name).c_str());
}

ModalAnswerer::ModalAnswerer(const char* caption, int tickId) : caption_(caption), tickId_(tickId) {
    activeAnswerer = this;
    timer_ = SetTimer(nullptr, 0, 50, OnTimer);
}

ModalAnswerer::~ModalAnswerer() {
    KillTimer(nullptr, timer_);
    activeAnswerer = nullptr;
}

void CALLBACK ModalAnswerer::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (activeAnswerer) activeAnswerer->Poll();
}

void ModalAnswerer::Poll() {
    struct Search {
        const std::string* caption;
        HWND found;
    } search{&caption_, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (IsWindowVisible(window) && Text(window) == *s->caption) s->found = window;
            return s->found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    if (!search.found) return;
    lastText_.clear();
    EnumChildWindows(
        search.found,
        [](HWND child, LPARAM data) -> BOOL {
            char cls[32] = "";
            GetClassNameA(child, cls, sizeof cls);
            if (lstrcmpiA(cls, "Static") == 0 && !Text(child).empty())
                *reinterpret_cast<std::string*>(data) += Text(child) + "|";
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&lastText_));
    hadTickBox_ = tickId_ && GetDlgItem(search.found, tickId_);
    if (hadTickBox_) CheckDlgButton(search.found, tickId_, BST_CHECKED);
    ++answered_;
    PostMessageA(search.found, WM_COMMAND, IDOK, 0);
}

std::string Text(HWND window) {
    char text[2048] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ItemText(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

void OptionsTest::TearDown() {
    if (dialog && IsWindow(dialog)) DestroyWindow(dialog);
    dialog = nullptr;
    spine.reset();
    testenv::RemoveIni();
}

HWND OptionsTest::Open(Extra extra, Extra playlist, bool midiDevice) {
    spine.reset();
    // StartOptions would open the dialog modally inside the start-up: it is written after.
    std::vector<std::pair<const char*, const char*>> atStart, afterStart;
    for (const auto& kv : extra) (std::string(kv.first) == "StartOptions" ? afterStart : atStart).push_back(kv);
    atStart.push_back({"Zoom", "0"});
    atStart.push_back({"Sound", "0"});
    spine = std::make_unique<testenv::Spine>(Extra{});
    for (const auto& kv : atStart) testenv::WriteIni(kSettingsSection, kv.first, kv.second);
    for (const auto& kv : afterStart) testenv::WriteIni(kSettingsSection, kv.first, kv.second);
    for (const auto& kv : playlist) testenv::WriteIni(kMusicSection, kv.first, kv.second);
    EXPECT_TRUE(spine->ok());
    // The record as the file has it (the start-up turns music off without a MIDI device).
    LoadSettings();
    return Reopen(midiDevice);
}

HWND OptionsTest::Reopen(bool midiDevice) {
    if (dialog && IsWindow(dialog)) DestroyWindow(dialog);
    midiDevicePresent = midiDevice ? 1 : 0;
    dialog = CreateDialogParamA(appInstance, "OptionsDlg", mainWindow, OptionsDlgProc, 0);
    EXPECT_NE(dialog, nullptr);
    ShowWindow(dialog, SW_SHOW);
    testenv::Pump();
    return dialog;
}

void OptionsTest::Click(int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }

void OptionsTest::Press(int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void OptionsTest::Select(int comboId, int item) {
    SendDlgItemMessageA(dialog, comboId, CB_SETCURSEL, item, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, comboId)));
}

}  // namespace optest
