// The MCI player: command strings and aliases, guards, the next-song rule, notifications, start-up.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "app/commands.h"
#include "app/settings.h"
#include "dialogs/options_dlg.h"
#include "sound/music.h"
#include "sound/winmm_calls.h"
#include "support/test_env.h"

namespace {

using Strings = std::vector<std::string>;
using testenv::ReadIni;
using testenv::WriteIni;

// Swaps itself into the `winmm` table for its lifetime. Like MCI, stopping a song whose play
// asked for a notification posts MCI_NOTIFY_ABORTED to that play's window.
struct FakeWinmm {
    Strings commands;
    std::vector<HWND> windows;
    UINT devices = 0;
    MCIERROR openError = 0, playError = 0;
    HWND notify = nullptr;
    WinmmCalls saved = winmm;
    static inline FakeWinmm* active = nullptr;
    FakeWinmm() { active = this, winmm.sendString = Send, winmm.midiOutDevices = []() WINAPI { return active->devices; }; }
    ~FakeWinmm() { winmm = saved, active = nullptr; }
    static MCIERROR WINAPI Send(LPCSTR command, LPSTR, UINT, HWND window) {
        const std::string text = command, verb = text.substr(0, text.find(' '));
        active->commands.push_back(text), active->windows.push_back(window);
        if (verb == "play") active->notify = window;
        if (verb == "stop" && active->notify) PostMessageA(std::exchange(active->notify, nullptr), MM_MCINOTIFY, MCI_NOTIFY_ABORTED, 1);
        return verb == "open" ? active->openError : verb == "play" ? active->playError : 0;
    }
};

std::string ProgramFolder() { const std::string ini = testenv::IniPath(); return ini.substr(0, ini.rfind('\\') + 1); }

// Small files with these names in the program's folder for the life of the object.
struct SongFiles {
    Strings names;
    explicit SongFiles(Strings n) : names(std::move(n)) { for (auto& s : names) std::ofstream(ProgramFolder() + s) << "MThd"; }
    ~SongFiles() { for (auto& s : names) DeleteFileA((ProgramFolder() + s).c_str()); }
};

// Section "Music": "NumEntries" and "MIDI1".. from the names; "Current" removed.
void WritePlaylist(const Strings& names) {
    WriteIni(kMusicSection, "NumEntries", std::to_string(names.size()).c_str());
    for (size_t i = 0; i < names.size(); ++i) WriteIni(kMusicSection, ("MIDI" + std::to_string(i + 1)).c_str(), names[i].c_str());
    WriteIni(kMusicSection, "Current", nullptr);
}

// Stands in for the open Options dialog (`optionsDialog`) and keeps every WM_NOWPLAYING text.
struct LabelWindow {
    static inline Strings texts;
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    LabelWindow() {
        texts.clear();
        SetWindowLongPtrA(optionsDialog = window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(static_cast<WNDPROC>([](HWND w, UINT m, WPARAM wp, LPARAM lp) CALLBACK {
            if (m == WM_NOWPLAYING) texts.push_back(reinterpret_cast<const char*>(lp));
            return m == WM_NOWPLAYING ? 0 : DefWindowProcA(w, m, wp, lp);
        })));
    }
    ~LabelWindow() { DestroyWindow(window), optionsDialog = nullptr; }
};

// Runs `action` while a timer answers every message box with OK; gives "caption|text" of each.
template <typename Action>
Strings AnswerMessageBoxes(Action action) {
    static Strings answered;
    answered.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK {
        char caption[128] = "", text[256] = "";
        HWND box = GetActiveWindow();
        if (!box || !GetWindowTextA(box, caption, sizeof caption) || !IsWindowEnabled(box)) return;
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        answered.push_back(std::string(caption) + "|" + text);
        EnableWindow(box, FALSE), PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    action();
    KillTimer(nullptr, timer);
    return answered;
}

const int firstAliasCounter = midiAliasCounter;     // as the program starts

class Player : public ::testing::Test {
protected:
    void SetUp() override {   // the window stands in for the main window: MCI's notifications go to MIDINotify
        testenv::RemoveIni(), MIDIStop(), fake.commands.clear(), fake.windows.clear();
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(static_cast<WNDPROC>([](HWND w, UINT m, WPARAM wp, LPARAM lp) CALLBACK {
            if (m == MM_MCINOTIFY) MIDINotify(w, wp);
            return DefWindowProcA(w, m, wp, lp);
        })));
    }
    void TearDown() override { MIDIStop(), DestroyWindow(window), testenv::Pump(), testenv::RemoveIni(); }
    // The song MIDIPlayNext opens ("" none) and the "Current" it leaves.
    std::string PlayNext() { currentSong.clear(), MIDIPlayNext(window); return currentSong + "," + ReadIni(kMusicSection, "Current"); }
    FakeWinmm fake;
    SongFiles songs{{"alpha.mid", "beta.mid", "gamma.mid"}};
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
};

TEST_F(Player, CommandStringsAliasesAndDevice) {
    EXPECT_EQ(firstAliasCounter, 1);    // so the first song opens as "music2"
    EXPECT_FALSE(MIDIStop());           // nothing plays: no command
    const auto alias = [n = midiAliasCounter](int k) { return "music" + std::to_string(n + k); };
    const auto open = [&](const char* song, int k) {
        char path[1024];
        GetShortPathNameA((ProgramFolder() + song).c_str(), path, sizeof path);
        return "open sequencer!" + std::string(path) + " alias " + alias(k);
    };
    ASSERT_TRUE(MIDIStart(window, "alpha.mid") && MIDIStop());
    WritePlaylist({"alpha.mid", "beta.mid"});
    MIDIPlayNext(window), MIDIPlayNext(window);   // the second closes the first one's alias before it opens the next
    EXPECT_EQ(fake.commands, (Strings{open("alpha.mid", 1), "play " + alias(1) + " from 0 notify", "stop " + alias(1), "close " + alias(1),
                                      open("alpha.mid", 2), "play " + alias(2) + " from 0 notify", "stop " + alias(2), "close " + alias(2),
                                      open("beta.mid", 3), "play " + alias(3) + " from 0 notify"}));
    for (size_t i = 0; i < fake.windows.size(); ++i) EXPECT_EQ(fake.windows[i], i % 4 < 2 ? window : nullptr) << i;
    EXPECT_TRUE(bPlaying && !bClosing && currentSong == "beta.mid");
    for (UINT devices : {0u, 1u, 3u}) EXPECT_EQ((fake.devices = devices, MusicDevicePresent()), devices > 0);
}

TEST_F(Player, GuardsRefuseAndSendNothing) {
    const int n = midiAliasCounter;
    const struct { bool playing, closing; const char *name, *box; } rows[] = {
        {false, false, "", ""}, {false, false, nullptr, ""}, {false, false, "gone.mid", ""}, {true, false, "beta.mid", "bPlaying"},
        {true, true, "beta.mid", "bPlaying"}, {false, true, "beta.mid", "bClosing"}};
    for (const auto& r : rows) {
        bPlaying = r.playing, bClosing = r.closing;
        const Strings boxes = AnswerMessageBoxes([&] { EXPECT_FALSE(MIDIStart(window, r.name)); });
        bPlaying = bClosing = false;
        EXPECT_EQ(boxes, *r.box ? Strings{"Lumenkin v2.1|MIDIStart called while still " + std::string(r.box)} : Strings{}) << r.box;
    }
    EXPECT_TRUE(fake.commands.empty() && midiAliasCounter == n && FileExists((ProgramFolder() + "beta.mid").c_str()));
    for (std::string path : {ProgramFolder() + "absent.mid", ProgramFolder(), std::string()}) EXPECT_FALSE(FileExists(path.c_str())) << path;
}

TEST_F(Player, NextSongRule) {
    const struct { const char *count, *current, *after; } rows[] = {   // playlist alpha, beta, gamma; the song opened, "Current"
        {"3", nullptr, "alpha.mid,1"}, {"3", "1", "beta.mid,2"}, {"3", "2", "gamma.mid,3"}, {"3", "3", "alpha.mid,1"}, {"2", "2", "alpha.mid,1"},
        {"2", "5", "alpha.mid,1"}, {"3", "-4", "alpha.mid,1"}, {"3", "junk", "alpha.mid,1"}, {"3", "99999999999999999999", "alpha.mid,1"},
        {"1", "1", "alpha.mid,1"}, {"0", "0", "alpha.mid,1"}, {nullptr, "2", "alpha.mid,1"}, {"none", nullptr, "alpha.mid,1"}};
    for (const auto& r : rows) {
        WritePlaylist({"alpha.mid", "beta.mid", "gamma.mid"});
        WriteIni(kMusicSection, "NumEntries", r.count), WriteIni(kMusicSection, "Current", r.current);
        EXPECT_EQ(PlayNext(), r.after) << r.count << "/" << r.current;
    }
    // Entries that cannot start (file missing, name empty) are passed over by the next start, unannounced.
    WritePlaylist({"gone.mid", "", "gamma.mid"});
    LabelWindow label;
    std::string opened;
    for (int i = 0; i < 3; ++i) opened += PlayNext() + " ";
    EXPECT_EQ(opened, ",1 ,2 gamma.mid,3 ");
    EXPECT_EQ(label.texts, (Strings{"<nothing>", "gamma.mid"}));   // the stop of alpha, then gamma
}

TEST_F(Player, NotifyRules) {
    LabelWindow label;
    WritePlaylist({"alpha.mid", "beta.mid"});
    MIDIPlayNext(window);
    const struct { WPARAM code; bool closing; const char* shown; size_t commands; } rows[] = {   // first and last label, MCI commands
        {MCI_NOTIFY_SUCCESSFUL, true, "", 0}, {MCI_NOTIFY_ABORTED, true, "", 0}, {MCI_NOTIFY_ABORTED, false, "<nothing>,<nothing>", 0},
        {MCI_NOTIFY_SUPERSEDED, false, "<nothing>,<nothing>", 0}, {MCI_NOTIFY_FAILURE, false, "<nothing>,<nothing>", 0},
        {MCI_NOTIFY_SUCCESSFUL, false, "<nothing>,beta.mid", 4}};
    for (const auto& r : rows) {
        label.texts.clear(), fake.commands.clear();
        bClosing = r.closing;
        MIDINotify(window, r.code);
        bClosing = false;
        EXPECT_EQ(label.texts.empty() ? "" : label.texts.front() + "," + label.texts.back(), r.shown) << r.code << r.closing;
        EXPECT_TRUE(fake.commands.size() == r.commands && bPlaying) << r.code << r.closing;
    }
    // The abort MCI reports for a song replaced by the next must not blank the new one's label,
    // and a success still on its way for a stopped song starts nothing.
    MIDIPlayNext(window), testenv::Pump(100);
    EXPECT_EQ(label.texts.back(), "alpha.mid");
    MIDIStop(), fake.commands.clear(), MIDINotify(window, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_TRUE(fake.commands.empty() && !bPlaying);
}

TEST_F(Player, AFailedCommandShowsMcisTextAfterTheSongUntilOnePlays) {
    LabelWindow label;
    WritePlaylist({"alpha.mid", "beta.mid"});
    const std::string badName = MciErrorText(MCIERR_INVALID_DEVICE_NAME), notReady = MciErrorText(MCIERR_DEVICE_NOT_READY);
    fake.openError = MCIERR_INVALID_DEVICE_NAME, fake.playError = MCIERR_DEVICE_NOT_READY;
    MIDIPlayNext(window);   // counts as playing; the first failure is the one shown
    fake.openError = 0, MIDIPlayNext(window);
    fake.playError = 0, MIDIPlayNext(window), MIDIShowCurrent();
    EXPECT_NE(badName, notReady);
    EXPECT_EQ(label.texts, (Strings{"alpha.mid (" + badName + ")", "<nothing>", "beta.mid (" + notReady + ")", "<nothing>", "alpha.mid", "alpha.mid"}));
}

TEST(Playlist, EntriesAreTheKeysThereUpToTheCount) {
    const struct { const char* count; Strings keys, entries; } rows[] = {   // each key's value: its name and ".mid"
        {"2", {"MIDI1", "MIDI2", "MIDI3"}, {"MIDI1", "MIDI2"}}, {"99999999999999999999", {"MIDI1", "MIDI5000"}, {"MIDI1", "MIDI5000"}},
        {"2147483647", {"MIDI2147483647", "MIDI2147483648"}, {"MIDI2147483647"}}, {"-1", {"MIDI1"}, {}}, {"junk", {"MIDI1"}, {}},
        {"10", {"midi4", "MIDI04", "MIDI0", "MIDI+5", "MIDI-1", "MIDIx", "MIDI 6"}, {"midi4"}}};
    for (const auto& row : rows) {
        testenv::RemoveIni();
        WriteIni(kMusicSection, "NumEntries", row.count);
        Strings expected;
        for (const std::string& key : row.keys) WriteIni(kMusicSection, key.c_str(), (key + ".mid").c_str());
        for (const std::string& key : row.entries) expected.push_back(key + ".mid");
        EXPECT_EQ(PlaylistEntries(), expected) << row.count;
    }
    testenv::RemoveIni();
}

TEST(StartUp, DeviceMusicAndPowerDecideTheFirstSong) {
    for (auto [devices, music, power, plays] : {std::tuple{0u, "1", "1", false}, {1u, "0", "1", false}, {1u, "1", "0", false}, {1u, "1", "1", true}}) {
        FakeWinmm fake;
        fake.devices = devices;
        testenv::Spine run({{"Music", music}, {"Power", power}});
        EXPECT_EQ(midiDevicePresent * 10 + settings.Music, devices * 10 + (devices && *music == '1')) << devices;   // music off for this run only
        EXPECT_EQ(ReadIni(kSettingsSection, "Music") + (ReadIni(kMusicSection, "Current") == "<missing>" ? "" : "played"), music + std::string(plays ? "played" : ""));
    }
}

}  // namespace
