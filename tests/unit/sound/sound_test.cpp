// Music and sound: the MCI player (command strings, aliases, guards, the next-song rule, notifications)
// and the key click.
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
#include "sound/sound_effects.h"
#include "sound/winmm_calls.h"
#include "support/test_env.h"

namespace {

using Strings = std::vector<std::string>;
using Call = std::pair<const void*, UINT>;
using testenv::ReadIni, testenv::WriteIni;

// Swaps itself into `winmm` while it lives; like MCI, a stop posts MCI_NOTIFY_ABORTED to the window its play asked to notify.
struct FakeWinmm {
    Strings commands;
    std::vector<HWND> windows;
    std::vector<Call> sounds;
    UINT devices = 0;
    HWND notify = nullptr;
    WinmmCalls saved = winmm;
    static inline FakeWinmm* active = nullptr;
    FakeWinmm() {
        active = this, winmm.sendString = Send, winmm.midiOutDevices = []() WINAPI { return active->devices; };
        winmm.playSound = [](LPCSTR sound, UINT flags) WINAPI -> BOOL { return active->sounds.push_back({sound, flags}), FALSE; };
    }
    ~FakeWinmm() { winmm = saved, active = nullptr; }
    static MCIERROR WINAPI Send(LPCSTR command, LPSTR, UINT, HWND window) {
        const std::string text = command;
        active->commands.push_back(text), active->windows.push_back(window);
        if (text.rfind("play", 0) == 0) active->notify = window;
        if (text.rfind("stop", 0) == 0 && active->notify) PostMessageA(std::exchange(active->notify, nullptr), MM_MCINOTIFY, MCI_NOTIFY_ABORTED, 1);
        return 0;
    }
};

std::string ProgramFolder() { std::string ini = testenv::IniPath(); return ini.erase(ini.rfind('\\') + 1); }

// Section "Music": "NumEntries" and "MIDI1".. from the names; "Current" removed.
void WritePlaylist(const Strings& names) {
    WriteIni(kMusicSection, "NumEntries", std::to_string(names.size()).c_str()), WriteIni(kMusicSection, "Current", nullptr);
    for (size_t i = 0; i < names.size(); ++i) WriteIni(kMusicSection, ("MIDI" + std::to_string(i + 1)).c_str(), names[i].c_str());
}

const int firstAliasCounter = midiAliasCounter;     // as the program starts

// Three songs beside the program; a window standing in for the main window (MCI's notifications) and the Options dialog (its labels).
class Player : public ::testing::Test {
protected:
    void SetUp() override {
        for (auto song : {"alpha.mid", "beta.mid", "gamma.mid"}) std::ofstream(ProgramFolder() + song) << "MThd";
        testenv::RemoveIni(), MIDIStop(), fake.commands.clear(), fake.windows.clear(), texts.clear();
        SetWindowLongPtrA(optionsDialog = window, GWLP_WNDPROC, LONG_PTR(static_cast<WNDPROC>([](HWND w, UINT m, WPARAM wp, LPARAM lp) CALLBACK {
            if (m == WM_NOWPLAYING) texts.push_back(reinterpret_cast<const char*>(lp));
            return m == MM_MCINOTIFY ? (MIDINotify(w, wp), 0) : DefWindowProcA(w, m, wp, lp);
        })));
    }
    void TearDown() override {
        MIDIStop(), DestroyWindow(window), optionsDialog = nullptr, testenv::Pump(), testenv::RemoveIni();
        for (auto song : {"alpha.mid", "beta.mid", "gamma.mid"}) DeleteFileA((ProgramFolder() + song).c_str());
    }
    // The song MIDIPlayNext opens ("" none) and the "Current" it leaves.
    std::string PlayNext() { currentSong.clear(), MIDIPlayNext(window); return currentSong + "," + ReadIni(kMusicSection, "Current"); }
    FakeWinmm fake;
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    static inline Strings texts;
};

TEST_F(Player, CommandStringsAliasesAndDevice) {
    EXPECT_TRUE(firstAliasCounter == 1 && !MIDIStop());   // the first song opens as "music2"; with nothing playing no stop is sent
    const auto alias = [n = midiAliasCounter](int k) { return "music" + std::to_string(n + k); };
    char path[1024];
    const auto open = [&](const char* song, int k) {
        return "open sequencer!" + std::string(path, GetShortPathNameA((ProgramFolder() + song).c_str(), path, sizeof path)) + " alias " + alias(k);
    };
    ASSERT_TRUE(MIDIStart(window, "alpha.mid") && MIDIStop());
    WritePlaylist({"alpha.mid", "beta.mid"}), MIDIPlayNext(window), MIDIPlayNext(window);   // the second closes the first one's alias first
    EXPECT_EQ(fake.commands, (Strings{open("alpha.mid", 1), "play " + alias(1) + " from 0 notify", "stop " + alias(1), "close " + alias(1),
                                      open("alpha.mid", 2), "play " + alias(2) + " from 0 notify", "stop " + alias(2), "close " + alias(2),
                                      open("beta.mid", 3), "play " + alias(3) + " from 0 notify"}));
    for (size_t i = 0; i < fake.windows.size(); ++i) EXPECT_EQ(fake.windows[i], i % 4 < 2 ? window : nullptr) << i;
    EXPECT_TRUE(bPlaying && !bClosing && currentSong == "beta.mid");
    for (UINT devices : {0u, 1u, 3u}) EXPECT_EQ((fake.devices = devices, MusicDevicePresent()), devices > 0);
}

TEST_F(Player, GuardsRefuseAndSendNothing) {
    static Strings boxes;   // "caption|text" of each message box, answered with OK by a timer
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK {
        char caption[64] = "", text[128] = "";
        HWND box = GetActiveWindow();
        if (IsWindowEnabled(box) && GetWindowTextA(box, caption, sizeof caption) && GetDlgItemTextA(box, 0xFFFF, text, sizeof text))
            boxes.push_back(std::string(caption) + "|" + text), EnableWindow(box, FALSE), PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    const int n = midiAliasCounter;
    for (auto [playing, closing, name, box] : {std::tuple{false, false, "", ""}, {false, false, nullptr, ""}, {false, false, "gone.mid", ""},
             {true, false, "beta.mid", "bPlaying"}, {true, true, "beta.mid", "bPlaying"}, {false, true, "beta.mid", "bClosing"}}) {
        boxes.clear(), bPlaying = playing, bClosing = closing;
        EXPECT_FALSE(MIDIStart(window, name));
        bPlaying = bClosing = false;
        EXPECT_EQ(boxes, *box ? Strings{"Lumenkin v2.1|MIDIStart called while still " + std::string(box)} : Strings{}) << box;
    }
    EXPECT_TRUE(KillTimer(nullptr, timer) && fake.commands.empty() && midiAliasCounter == n && FileExists((ProgramFolder() + "beta.mid").c_str()));
    EXPECT_FALSE(FileExists((ProgramFolder() + "absent.mid").c_str()) || FileExists(ProgramFolder().c_str()) || FileExists(""));
}

TEST_F(Player, NextSongAndNotifyRules) {
    for (auto [count, current, after] : {std::tuple{"3", "1", "beta.mid,2"}, {"3", nullptr, "alpha.mid,1"}, {"3", "2", "gamma.mid,3"},
             {"3", "3", "alpha.mid,1"}, {"2", "2", "alpha.mid,1"}, {"2", "5", "alpha.mid,1"}, {"3", "-4", "alpha.mid,1"}, {"3", "junk", "alpha.mid,1"},
             {"3", "99999999999999999999", "alpha.mid,1"}, {"1", "1", "alpha.mid,1"}, {"0", "0", "alpha.mid,1"}, {nullptr, "2", "alpha.mid,1"}}) {
        WritePlaylist({"alpha.mid", "beta.mid", "gamma.mid"}), WriteIni(kMusicSection, "NumEntries", count), WriteIni(kMusicSection, "Current", current);
        EXPECT_EQ(PlayNext(), after) << (count ? count : "none") << "/" << (current ? current : "none");   // the song opened, "Current"
    }
    WritePlaylist({"gone.mid", "", "gamma.mid"}), texts.clear();   // entries that cannot start are passed over by the next start, unannounced
    const std::string first = PlayNext(), second = PlayNext(), third = PlayNext();
    EXPECT_EQ(first + " " + second + " " + third, ",1 ,2 gamma.mid,3");
    EXPECT_EQ(texts, (Strings{"<nothing>", "gamma.mid"}));   // the stop of alpha, then gamma
    WritePlaylist({"alpha.mid", "beta.mid"}), MIDIPlayNext(window);
    for (auto [code, closing, shown, commands] : {std::tuple{WPARAM(MCI_NOTIFY_SUCCESSFUL), true, "", 0u}, {MCI_NOTIFY_ABORTED, true, "", 0u},
             {MCI_NOTIFY_ABORTED, false, "<nothing>,<nothing>", 0u}, {MCI_NOTIFY_SUPERSEDED, false, "<nothing>,<nothing>", 0u},
             {MCI_NOTIFY_FAILURE, false, "<nothing>,<nothing>", 0u}, {MCI_NOTIFY_SUCCESSFUL, false, "<nothing>,beta.mid", 4u}}) {
        texts.clear(), fake.commands.clear(), bClosing = closing, MIDINotify(window, code), bClosing = false;   // first and last label
        EXPECT_EQ(texts.empty() ? "" : texts.front() + "," + texts.back(), shown) << code << closing;
        EXPECT_TRUE(fake.commands.size() == commands && bPlaying) << code << closing;
    }
    // The abort MCI reports for a song replaced by the next must not blank the new one's label,
    // and a success still on its way for a stopped song starts nothing.
    MIDIPlayNext(window), testenv::Pump(100);
    EXPECT_EQ(texts.back(), "alpha.mid");
    MIDIStop(), fake.commands.clear(), MIDINotify(window, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_TRUE(fake.commands.empty() && !bPlaying);
}

TEST(KeyClick, PlaysFromResourceMemoryStopsTheOneBeforeAndLoadsNothingWhenSoundIsOff) {
    FakeWinmm fake;
    HGLOBAL click = LoadResource(GetModuleHandleA(nullptr), FindResourceA(GetModuleHandleA(nullptr), "KEYCLICK", "WAVE"));
    const Call play{LockResource(click), SND_ASYNC | SND_NODEFAULT | SND_MEMORY}, stop{nullptr, SND_MEMORY | SND_NODEFAULT};
    heldEffect = nullptr, appInstance = GetModuleHandleA(nullptr), settings.Sound = 0, PlaySoundEffect("Keyclick");
    EXPECT_TRUE(fake.sounds.empty() && !heldEffect);
    settings.Sound = 1, PlaySoundEffect("Keyclick"), PlaySoundEffect("keyclick");   // resource names match without regard to case
    EXPECT_TRUE(fake.sounds == (std::vector<Call>{play, stop, play}) && heldEffect == click);   // held while it plays
    settings.Sound = 1, PlaySoundEffect("NoSuchSound");   // still stops the one before; plays nothing in its place
    EXPECT_TRUE(fake.sounds.size() == 4 && fake.sounds[3] == stop && !heldEffect);
}

}  // namespace
