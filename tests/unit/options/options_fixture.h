// Shared set-up of the Options dialog tests: a started program, a modeless copy of the
// dialog, MIDI files beside the test program, and an answerer for modal boxes.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "support/test_env.h"

namespace optest {

using Extra = std::initializer_list<std::pair<const char*, const char*>>;

// Folder of the test program, with its trailing backslash.
std::string ProgramFolder();
// Creates empty files with these names beside the test program; removes them again.
class MidiFiles {
public:
    explicit MidiFiles(std::vector<std::string> names);
    ~MidiFiles();
    MidiFiles(const MidiFiles&) = delete;
    MidiFiles& operator=(const MidiFiles&) = delete;

private:
    std::vector<std::string> names_;
};

// Answers modal boxes of this thread while it lives: each visible window with this
// caption is answered with OK, after ticking `tickId` when that is not 0.
class ModalAnswerer {
public:
    explicit ModalAnswerer(const char* caption, int tickId = 0);
    ~ModalAnswerer();
    ModalAnswerer(const ModalAnswerer&) = delete;
    ModalAnswerer& operator=(const ModalAnswerer&) = delete;
    int answered() const { return answered_; }
    // Texts of the static controls of the last box answered, joined by '|'.
    const std::string& lastText() const { return lastText_; }
    bool hadTickBox() const { return hadTickBox_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Poll();
    std::string caption_;
    int tickId_;
    int answered_ = 0;
    bool hadTickBox_ = false;
    std::string lastText_;
    UINT_PTR timer_;
};

std::string Text(HWND window);
std::string ItemText(HWND dialog, int id);
bool Checked(HWND dialog, int id);
bool Enabled(HWND dialog, int id);

// A started program with the Options dialog open modelessly (shown, no zoom, no sound).
class OptionsTest : public ::testing::Test {
protected:
    void TearDown() override;
    // Starts the program with these extra settings and playlist keys, and opens the dialog.
    HWND Open(Extra extra = {}, Extra playlist = {}, bool midiDevice = true);
    // Opens the dialog again on the running program.
    HWND Reopen(bool midiDevice = true);
    void Click(int id);     // as the user does: the button changes, then reports
    void Press(int id);     // the command alone
    void Select(int comboId, int item);     // a new selection, reported as the user's
    std::string Ini(const char* key) { return testenv::ReadIni("Settings", key); }
    std::string Music(const char* key) { return testenv::ReadIni("Music", key); }

    HWND dialog = nullptr;
    std::unique_ptr<testenv::Spine> spine;
};

}  // namespace optest
