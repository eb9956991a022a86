// Music and sound: the MCI player (command strings, aliases, guards, the next-song rule, notifications)
// and the key click.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/app.h"
#include "app/commands.h"
#include "app/settings.h"
#include "dialogs/options_dlg.h"
#include "sound/music.h"
#include "sound/sound_effects.h"
#include "sound/winmm_calls.h"
#include "support/test_env.h"

namespace {

using Strings = std::vector<std::string>;
using Call = std::pair<const void*, UINT>;

const int firstAliasCounter = midiAliasCounter;
const char* const kSongs[] = {"alpha.mid", "beta.mid", "gamma.mid"};
Strings commands;
Strings texts;
std::vector<Call> sounds;
UINT devices = 0;
HWND notify = nullptr;

std::string Beside(const std::string& name) {
    std::string ini = testenv::IniPath();
    return ini.erase(ini.rfind('\\') + 1) + name;
}

// Section "Music" holding the names as "MIDI1".. and their number; no "Current".
void WritePlaylist(const Strings& names) {
    testenv::RemoveIni();
    testenv::WriteIni(kMusicSection, "NumEntries", std::to_string(names.size()).c_str());
    for (size_t i = 0; i < names.size(); ++i)
        testenv::WriteIni(kMusicSection, ("MIDI" + std::to_string(i + 1)).c_str(), names[i].c_str());
}

// Records each command, ending in "@" when it names a window; like MCI, a stop posts MCI_NOTIFY_ABORTED to the
// window its play named.
MCIERROR WINAPI Send(LPCSTR command, LPSTR, UINT, HWND window) {
    const std::string text = command;
    commands.push_back(text + (window ? "@" : ""));
    if (text.rfind("play", 0) == 0) notify = window;
    if (text.rfind("stop", 0) == 0 && notify)
        PostMessageA(std::exchange(notify, nullptr), MM_MCINOTIFY, MCI_NOTIFY_ABORTED, 1);
    return 0;
}

// The labels it is sent, as the Options dialog; MCI's notifications, as the main window.
LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOWPLAYING) texts.push_back(reinterpret_cast<const char*>(lParam));
    if (message == MM_MCINOTIFY) MIDINotify(window, wParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

// Three songs beside the program, winmm recorded, a window standing in for the main window and the Options dialog,
// message boxes answered; a box the test did not take fails it.
class Player : public ::testing::Test {
protected:
    void SetUp() override {
        for (auto song : kSongs) std::ofstream(Beside(song)) << "MThd";
        testenv::RemoveIni();
        appInstance = GetModuleHandleA(nullptr);
        optionsDialog = window;
        SetWindowLongPtrA(window, GWLP_WNDPROC, LONG_PTR(&Proc));
        winmm.sendString = Send;
        winmm.midiOutDevices = []() WINAPI { return devices; };
        winmm.playSound = [](LPCSTR sound, UINT flags) WINAPI {
            sounds.push_back({sound, flags});
            return FALSE;
        };
        commands.clear();
    }
    void TearDown() override {
        MIDIStop();
        EXPECT_EQ(boxes.seen, Strings{});
        winmm = saved;
        DestroyWindow(window);
        optionsDialog = nullptr;
        for (auto song : kSongs) DeleteFileA(Beside(song).c_str());
    }
    // The song MIDIPlayNext opens ("" none) and the "Current" it leaves.
    std::string PlayNext() {
        currentSong.clear();
        MIDIPlayNext(window);
        return currentSong + "," + testenv::ReadIni(kMusicSection, "Current");
    }
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    WinmmCalls saved = winmm;
    testenv::BoxAnswerer boxes;
};

TEST_F(Player, CommandStringsAliasesDeviceAndGuards) {
    // With nothing playing no stop is sent; the first song opens as "music2", the next closes the one before.
    EXPECT_EQ(firstAliasCounter, 1);
    EXPECT_FALSE(MIDIStop());
    const int n = midiAliasCounter;
    ASSERT_TRUE(MIDIStart(window, "alpha.mid"));
    ASSERT_TRUE(MIDIStop());
    WritePlaylist({"alpha.mid", "beta.mid"});
    MIDIPlayNext(window);
    MIDIPlayNext(window);
    Strings want;
    for (auto [song, k] : {std::pair{"alpha.mid", 1}, {"alpha.mid", 2}, {"beta.mid", 3}}) {
        char path[1024];
        const DWORD length = GetShortPathNameA(Beside(song).c_str(), path, sizeof path);
        const std::string alias = " music" + std::to_string(n + k);
        for (const std::string& command : {"open sequencer!" + std::string(path, length) + " alias" + alias + "@",
                                           "play" + alias + " from 0 notify@", "stop" + alias, "close" + alias})
            want.push_back(command);
    }
    EXPECT_EQ(currentSong, "beta.mid");
    MIDIStop();
    for (UINT present : {0u, 1u, 3u}) {
        devices = present;
        EXPECT_EQ(MusicDevicePresent(), present > 0) << present;
    }
    // Refused starts send nothing and use no alias. Playing, closing, the name, and the state the message names
    // ("": no message).
    const std::tuple<bool, bool, const char*, const char*> rows[] = {
        {false, false, "", ""}, {false, false, nullptr, ""}, {false, false, "gone.mid", ""},
        {true, false, "beta.mid", "bPlaying"}, {true, true, "beta.mid", "bPlaying"},
        {false, true, "beta.mid", "bClosing"}};
    for (auto [playing, closing, name, state] : rows) {
        bPlaying = playing;
        bClosing = closing;
        EXPECT_FALSE(MIDIStart(window, name)) << state;
        bPlaying = bClosing = false;
        const std::string box = "Lumenkin v2.1|MIDIStart called while still " + std::string(state);
        EXPECT_EQ(std::exchange(boxes.seen, {}), *state ? Strings{box} : Strings{}) << state;
    }
    EXPECT_EQ(commands, want);
    EXPECT_EQ(midiAliasCounter, n + 3);
    // Only a file counts.
    EXPECT_TRUE(FileExists(Beside("beta.mid").c_str()));
    EXPECT_FALSE(FileExists(Beside("").c_str()));
}

TEST_F(Player, NextSongAndNotifyRules) {
    // NumEntries, Current, and the song opened with the "Current" it leaves.
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"3", "1", "beta.mid,2"}, {"3", nullptr, "alpha.mid,1"}, {"3", "2", "gamma.mid,3"},
        {"3", "3", "alpha.mid,1"}, {"2", "2", "alpha.mid,1"}, {"2", "5", "alpha.mid,1"},
        {"3", "-4", "alpha.mid,1"}, {"3", "junk", "alpha.mid,1"}, {"3", "99999999999999999999", "alpha.mid,1"},
        {"1", "1", "alpha.mid,1"}, {"0", "0", "alpha.mid,1"}, {nullptr, "2", "alpha.mid,1"}};
    for (auto [count, current, after] : rows) {
        WritePlaylist({"alpha.mid", "beta.mid", "gamma.mid"});
        testenv::WriteIni(kMusicSection, "NumEntries", count);
        testenv::WriteIni(kMusicSection, "Current", current);
        EXPECT_EQ(PlayNext(), after) << (count ? count : "none") << "/" << (current ? current : "none");
    }
    // Entries that cannot start are passed over by the next start, unannounced: the label shows the stop of
    // alpha, then gamma.
    WritePlaylist({"gone.mid", "", "gamma.mid"});
    texts.clear();
    EXPECT_EQ(PlayNext(), ",1");
    EXPECT_EQ(PlayNext(), ",2");
    EXPECT_EQ(PlayNext(), "gamma.mid,3");
    EXPECT_EQ(texts, (Strings{"<nothing>", "gamma.mid"}));
    // Each notification, while closing or not: the first and last label, and the number of commands sent.
    WritePlaylist({"alpha.mid", "beta.mid"});
    MIDIPlayNext(window);
    const std::tuple<WPARAM, bool, const char*, size_t> notes[] = {
        {MCI_NOTIFY_SUCCESSFUL, true, "", 0}, {MCI_NOTIFY_ABORTED, true, "", 0},
        {MCI_NOTIFY_ABORTED, false, "<nothing>,<nothing>", 0}, {MCI_NOTIFY_SUPERSEDED, false, "<nothing>,<nothing>", 0},
        {MCI_NOTIFY_FAILURE, false, "<nothing>,<nothing>", 0}, {MCI_NOTIFY_SUCCESSFUL, false, "<nothing>,beta.mid", 4}};
    for (auto [code, closing, shown, sent] : notes) {
        texts.clear();
        commands.clear();
        bClosing = closing;
        MIDINotify(window, code);
        bClosing = false;
        EXPECT_EQ(texts.empty() ? "" : texts.front() + "," + texts.back(), shown) << code << closing;
        EXPECT_EQ(commands.size(), sent) << code << closing;
        EXPECT_TRUE(bPlaying) << code << closing;
    }
    // The abort MCI reports for a song replaced by the next must not blank the new one's label,
    // and a success still on its way for a stopped song starts nothing.
    MIDIPlayNext(window);
    testenv::Pump(100);
    EXPECT_EQ(texts.back(), "alpha.mid");
    MIDIStop();
    commands.clear();
    MIDINotify(window, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_EQ(commands, Strings{});
    EXPECT_FALSE(bPlaying);
}

// The key click plays from resource memory, held while it plays; names match without regard to case; an unknown
// name stops the one before and plays nothing; with Sound off nothing loads.
TEST_F(Player, KeyClick) {
    HGLOBAL click = LoadResource(appInstance, FindResourceA(appInstance, "KEYCLICK", "WAVE"));
    const Call play{LockResource(click), SND_ASYNC | SND_NODEFAULT | SND_MEMORY};
    const Call stop{nullptr, SND_MEMORY | SND_NODEFAULT};
    heldEffect = nullptr;
    settings.Sound = 0;
    PlaySoundEffect("Keyclick");
    EXPECT_EQ(heldEffect, nullptr);
    settings.Sound = 1;
    PlaySoundEffect("Keyclick");
    PlaySoundEffect("keyclick");
    EXPECT_EQ(heldEffect, click);
    PlaySoundEffect("NoSuchSound");
    EXPECT_EQ(sounds, (std::vector<Call>{play, stop, play, stop}));
    EXPECT_EQ(heldEffect, nullptr);
}

}  // namespace
