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
using testenv::ReadIni, testenv::WriteIni;

// Swaps itself into `winmm` while it lives; like MCI, a stop posts MCI_NOTIFY_ABORTED to the window
// its play asked to notify.
struct FakeWinmm {
    Strings commands;
    std::vector<HWND> windows;
    std::vector<Call> sounds;
    UINT devices = 0;
    HWND notify = nullptr;
    WinmmCalls saved = winmm;
    static inline FakeWinmm* active = nullptr;
    FakeWinmm() {
        active = this;
        winmm.sendString = Send;
        winmm.midiOutDevices = []() WINAPI { return active->devices; };
        winmm.playSound = Play;
    }
    ~FakeWinmm() { winmm = saved; }
    static BOOL WINAPI Play(LPCSTR sound, UINT flags) {
        active->sounds.push_back({sound, flags});
        return FALSE;
    }
    static MCIERROR WINAPI Send(LPCSTR command, LPSTR, UINT, HWND window) {
        const std::string text = command;
        active->commands.push_back(text);
        active->windows.push_back(window);
        if (text.rfind("play", 0) == 0) active->notify = window;
        if (text.rfind("stop", 0) == 0 && active->notify)
            PostMessageA(std::exchange(active->notify, nullptr), MM_MCINOTIFY, MCI_NOTIFY_ABORTED, 1);
        return 0;
    }
};

std::string Beside(const std::string& name) {
    std::string ini = testenv::IniPath();
    return ini.erase(ini.rfind('\\') + 1) + name;
}

// Section "Music": "NumEntries" and "MIDI1".. from the names; "Current" removed.
void WritePlaylist(const Strings& names) {
    WriteIni(kMusicSection, "NumEntries", std::to_string(names.size()).c_str());
    WriteIni(kMusicSection, "Current", nullptr);
    for (size_t i = 0; i < names.size(); ++i)
        WriteIni(kMusicSection, ("MIDI" + std::to_string(i + 1)).c_str(), names[i].c_str());
}

const int firstAliasCounter = midiAliasCounter;
const char* const kSongs[] = {"alpha.mid", "beta.mid", "gamma.mid"};

// Three songs beside the program; a window standing in for the main window (MCI's notifications) and the
// Options dialog (its labels).
class Player : public ::testing::Test {
protected:
    void SetUp() override {
        for (auto song : kSongs) std::ofstream(Beside(song)) << "MThd";
        testenv::RemoveIni();
        optionsDialog = window;
        SetWindowLongPtrA(window, GWLP_WNDPROC, LONG_PTR(&Proc));
    }
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NOWPLAYING) texts.push_back(reinterpret_cast<const char*>(lParam));
        if (message == MM_MCINOTIFY) MIDINotify(window, wParam);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    void TearDown() override {
        MIDIStop();
        DestroyWindow(window);
        optionsDialog = nullptr;
        testenv::Pump();
        testenv::RemoveIni();
        for (auto song : kSongs) DeleteFileA(Beside(song).c_str());
    }
    // The song MIDIPlayNext opens ("" none) and the "Current" it leaves.
    std::string PlayNext() {
        currentSong.clear();
        MIDIPlayNext(window);
        return currentSong + "," + ReadIni(kMusicSection, "Current");
    }
    FakeWinmm fake;
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    static inline Strings texts;
};

TEST_F(Player, CommandStringsAliasesAndDevice) {
    // The first song opens as "music2"; with nothing playing no stop is sent.
    EXPECT_EQ(firstAliasCounter, 1);
    EXPECT_FALSE(MIDIStop());
    const int n = midiAliasCounter;
    const auto songCommands = [&](const char* song, int k) {
        char path[1024];
        const std::string alias = "music" + std::to_string(n + k);
        const DWORD length = GetShortPathNameA(Beside(song).c_str(), path, sizeof path);
        return Strings{"open sequencer!" + std::string(path, length) + " alias " + alias,
                       "play " + alias + " from 0 notify", "stop " + alias, "close " + alias};
    };
    ASSERT_TRUE(MIDIStart(window, "alpha.mid"));
    ASSERT_TRUE(MIDIStop());
    // The second song closes the first one's alias before it opens.
    WritePlaylist({"alpha.mid", "beta.mid"});
    MIDIPlayNext(window);
    MIDIPlayNext(window);
    Strings want;
    for (auto [song, k] : {std::pair{"alpha.mid", 1}, {"alpha.mid", 2}, {"beta.mid", 3}}) {
        const Strings four = songCommands(song, k);
        want.insert(want.end(), four.begin(), four.end());
    }
    // beta.mid still plays: no stop or close for it yet.
    want.resize(10);
    EXPECT_EQ(fake.commands, want);
    // Open and play ask for notifications in the window; stop and close in none.
    for (size_t i = 0; i < fake.windows.size(); ++i) EXPECT_EQ(fake.windows[i], i % 4 < 2 ? window : nullptr) << i;
    EXPECT_TRUE(bPlaying);
    EXPECT_FALSE(bClosing);
    EXPECT_EQ(currentSong, "beta.mid");
    for (UINT devices : {0u, 1u, 3u}) {
        fake.devices = devices;
        EXPECT_EQ(MusicDevicePresent(), devices > 0) << devices;
    }
}

TEST_F(Player, GuardsRefuseAndSendNothing) {
    // "caption|text" of each message box, answered with OK by a timer.
    static Strings boxes;
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK {
        char caption[64] = "", text[128] = "";
        HWND box = GetActiveWindow();
        if (!IsWindowEnabled(box) || !GetWindowTextA(box, caption, sizeof caption)) return;
        if (!GetDlgItemTextA(box, 0xFFFF, text, sizeof text)) return;
        boxes.push_back(std::string(caption) + "|" + text);
        EnableWindow(box, FALSE);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    const int n = midiAliasCounter;
    const std::tuple<bool, bool, const char*, const char*> rows[] = {
        {false, false, "", ""}, {false, false, nullptr, ""}, {false, false, "gone.mid", ""},
        {true, false, "beta.mid", "bPlaying"}, {true, true, "beta.mid", "bPlaying"},
        {false, true, "beta.mid", "bClosing"}};
    for (auto [playing, closing, name, state] : rows) {
        boxes.clear();
        bPlaying = playing;
        bClosing = closing;
        EXPECT_FALSE(MIDIStart(window, name)) << state;
        bPlaying = bClosing = false;
        const std::string box = "Lumenkin v2.1|MIDIStart called while still " + std::string(state);
        EXPECT_EQ(boxes, *state ? Strings{box} : Strings{}) << state;
    }
    EXPECT_TRUE(KillTimer(nullptr, timer));
    EXPECT_EQ(fake.commands, Strings{});
    EXPECT_EQ(midiAliasCounter, n);
    // Only a file counts.
    EXPECT_TRUE(FileExists(Beside("beta.mid").c_str()));
    for (const std::string& path : {Beside("absent.mid"), Beside(""), std::string()})
        EXPECT_FALSE(FileExists(path.c_str())) << path;
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
        WriteIni(kMusicSection, "NumEntries", count);
        WriteIni(kMusicSection, "Current", current);
        EXPECT_EQ(PlayNext(), after) << (count ? count : "none") << "/" << (current ? current : "none");
    }
    // Entries that cannot start are passed over by the next start, unannounced; the label shows the stop of
    // alpha, then gamma.
    WritePlaylist({"gone.mid", "", "gamma.mid"});
    texts.clear();
    EXPECT_EQ(PlayNext(), ",1");
    EXPECT_EQ(PlayNext(), ",2");
    EXPECT_EQ(PlayNext(), "gamma.mid,3");
    EXPECT_EQ(texts, (Strings{"<nothing>", "gamma.mid"}));
    // Each notification, while closing or not: the first and last label, and the commands sent.
    WritePlaylist({"alpha.mid", "beta.mid"});
    MIDIPlayNext(window);
    const std::tuple<WPARAM, bool, const char*, size_t> notes[] = {
        {MCI_NOTIFY_SUCCESSFUL, true, "", 0}, {MCI_NOTIFY_ABORTED, true, "", 0},
        {MCI_NOTIFY_ABORTED, false, "<nothing>,<nothing>", 0}, {MCI_NOTIFY_SUPERSEDED, false, "<nothing>,<nothing>", 0},
        {MCI_NOTIFY_FAILURE, false, "<nothing>,<nothing>", 0}, {MCI_NOTIFY_SUCCESSFUL, false, "<nothing>,beta.mid", 4}};
    for (auto [code, closing, shown, commands] : notes) {
        texts.clear();
        fake.commands.clear();
        bClosing = closing;
        MIDINotify(window, code);
        bClosing = false;
        EXPECT_EQ(texts.empty() ? "" : texts.front() + "," + texts.back(), shown) << code << closing;
        EXPECT_EQ(fake.commands.size(), commands) << code << closing;
        EXPECT_TRUE(bPlaying) << code << closing;
    }
    // The abort MCI reports for a song replaced by the next must not blank the new one's label,
    // and a success still on its way for a stopped song starts nothing.
    MIDIPlayNext(window);
    testenv::Pump(100);
    EXPECT_EQ(texts.back(), "alpha.mid");
    MIDIStop();
    fake.commands.clear();
    MIDINotify(window, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_EQ(fake.commands, Strings{});
    EXPECT_FALSE(bPlaying);
}

TEST(KeyClick, PlaysFromResourceMemoryStopsTheOneBeforeAndLoadsNothingWhenSoundIsOff) {
    FakeWinmm fake;
    appInstance = GetModuleHandleA(nullptr);
    HGLOBAL click = LoadResource(appInstance, FindResourceA(appInstance, "KEYCLICK", "WAVE"));
    const Call play{LockResource(click), SND_ASYNC | SND_NODEFAULT | SND_MEMORY};
    const Call stop{nullptr, SND_MEMORY | SND_NODEFAULT};
    heldEffect = nullptr;
    settings.Sound = 0;
    PlaySoundEffect("Keyclick");
    EXPECT_EQ(fake.sounds, std::vector<Call>{});
    EXPECT_EQ(heldEffect, nullptr);
    // Resource names match without regard to case; the sound is held while it plays.
    settings.Sound = 1;
    PlaySoundEffect("Keyclick");
    PlaySoundEffect("keyclick");
    EXPECT_EQ(fake.sounds, (std::vector<Call>{play, stop, play}));
    EXPECT_EQ(heldEffect, click);
    // An unknown name still stops the one before, and plays nothing in its place.
    PlaySoundEffect("NoSuchSound");
    EXPECT_EQ(fake.sounds, (std::vector<Call>{play, stop, play, stop}));
    EXPECT_EQ(heldEffect, nullptr);
}

}  // namespace
