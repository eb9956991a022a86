// The MCI player: command strings, guards, error texts, the next-song rule and notifications.
#include <gtest/gtest.h>

#include "sound_fixtures.h"

using namespace soundtest;
using testenv::ReadIni;
using testenv::WriteIni;

namespace {

class Player : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::RemoveIni();
        MIDIStop();
        fake.commands.clear();
        window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        MIDIStop();
        DestroyWindow(window);
        testenv::Pump();
        testenv::RemoveIni();
    }
    // The song each MIDIPlayNext opens ("" when it opens none).
    Strings PlayNext(int times) {
        Strings opened;
        for (int i = 0; i < times; ++i) {
            fake.commands.clear();
            MIDIPlayNext(window);
            std::string song;
            for (auto& c : fake.commands)
                if (c.command.rfind("open ", 0) == 0) song = currentSong;
            opened.push_back(song);
        }
        return opened;
    }
    FakeWinmm fake;
    SongFiles songs{{"alpha.mid", "beta.mid", "gamma.mid"}};
    HWND window = nullptr;
};

std::string Open(const std::string& song, int alias) {
    return "open sequencer!" + ShortPathOf(ProgramFolder() + song) + " alias music" + std::to_string(alias);
}

TEST_F(Player, CommandStringsInOrder) {
    EXPECT_FALSE(MIDIStop());   // nothing plays: no stop
    const int n = midiAliasCounter;
    ASSERT_TRUE(MIDIStart(window, "alpha.mid"));
    EXPECT_TRUE(bPlaying);
    EXPECT_EQ(currentSong, "alpha.mid");
    EXPECT_TRUE(MIDIStop());
    EXPECT_FALSE(MIDIStop());
    const std::string a = "music" + std::to_string(n + 1);
    EXPECT_EQ(fake.Texts(), (Strings{Open("alpha.mid", n + 1), "play " + a + " from 0 notify", "stop " + a, "close " + a}));
    for (size_t i = 0; i < fake.commands.size(); ++i) EXPECT_EQ(fake.commands[i].window, i < 2 ? window : nullptr) << i;
    EXPECT_FALSE(bPlaying || bClosing);

    // A new song from the list closes the previous alias before opening the next.
    WritePlaylist({"alpha.mid", "beta.mid"});
    MIDIPlayNext(window);
    fake.commands.clear();
    MIDIPlayNext(window);
    const std::string c = "music" + std::to_string(n + 2), d = "music" + std::to_string(n + 3);
    EXPECT_EQ(fake.Texts(), (Strings{"stop " + c, "close " + c, Open("beta.mid", n + 3), "play " + d + " from 0 notify"}));
}

TEST_F(Player, Guards) {
    const int n = midiAliasCounter;
    auto boxes = AnswerMessageBoxes([&] {
        EXPECT_FALSE(MIDIStart(window, ""));
        EXPECT_FALSE(MIDIStart(window, nullptr));
        EXPECT_FALSE(MIDIStart(window, "gone.mid"));
        testenv::Pump(300);
    });
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(fake.commands.empty());
    EXPECT_EQ(midiAliasCounter, n);

    ASSERT_TRUE(MIDIStart(window, "alpha.mid"));
    fake.commands.clear();
    boxes = AnswerMessageBoxes([&] {
        EXPECT_FALSE(MIDIStart(window, "beta.mid"));
        bPlaying = false;
        bClosing = true;
        EXPECT_FALSE(MIDIStart(window, "beta.mid"));
        bClosing = false;
        bPlaying = true;
    });
    EXPECT_EQ(boxes, (Strings{"Lumenkin v2.1|MIDIStart called while still bPlaying",
                              "Lumenkin v2.1|MIDIStart called while still bClosing"}));
    EXPECT_TRUE(fake.commands.empty());
    EXPECT_EQ(currentSong, "alpha.mid");

    SongFiles present{{"present.mid"}};
    EXPECT_TRUE(FileExists((ProgramFolder() + "present.mid").c_str()));
    for (std::string path : {ProgramFolder() + "absent.mid", ProgramFolder(), std::string()})
        EXPECT_FALSE(FileExists(path.c_str())) << path;
}

TEST_F(Player, AFailedCommandShowsMcisTextAfterTheSongUntilASongPlays) {
    LabelWindow label;
    WritePlaylist({"alpha.mid", "beta.mid"});
    const std::string badName = MciErrorText(MCIERR_INVALID_DEVICE_NAME), notReady = MciErrorText(MCIERR_DEVICE_NOT_READY);
    EXPECT_FALSE(badName.empty());
    EXPECT_NE(badName, notReady);
    fake.failures = {{"open", MCIERR_INVALID_DEVICE_NAME}, {"play", MCIERR_DEVICE_NOT_READY}};
    MIDIPlayNext(window);
    EXPECT_TRUE(bPlaying);   // counts as playing; the first failure is the cause shown
    label.texts.clear();
    MIDIShowCurrent();
    EXPECT_EQ(label.texts, Strings{"alpha.mid (" + badName + ")"});
    fake.failures.erase("open");
    MIDIPlayNext(window);
    EXPECT_EQ(label.texts.back(), "beta.mid (" + notReady + ")");
    fake.failures.clear();
    MIDIPlayNext(window);
    EXPECT_EQ(label.texts.back(), "alpha.mid");
    EXPECT_TRUE(currentSongError.empty());
}

TEST_F(Player, NextSongRule) {
    WritePlaylist({"alpha.mid", "beta.mid", "gamma.mid"});
    EXPECT_EQ(PlayNext(4), (Strings{"alpha.mid", "beta.mid", "gamma.mid", "alpha.mid"}));   // wraps
    EXPECT_EQ(ReadIni(kMusicSection, "Current"), "1");
    WritePlaylist({"beta.mid"});
    EXPECT_EQ(PlayNext(2), (Strings{"beta.mid", "beta.mid"}));
    // A "Current" beyond a shortened list, or unusable, starts at the first entry.
    WritePlaylist({"alpha.mid", "beta.mid"});
    for (const char* current : {"2", "5", "-4", "junk", "99999999999999999999", static_cast<const char*>(nullptr)}) {
        WriteIni(kMusicSection, "Current", current);
        EXPECT_EQ(PlayNext(1)[0], "alpha.mid") << (current ? current : "missing");
    }
    // Without a usable count the first entry is still tried.
    WritePlaylist({"gamma.mid"});
    for (const char* count : {"0", "", "none", static_cast<const char*>(nullptr)}) {
        WriteIni(kMusicSection, "NumEntries", count);
        EXPECT_EQ(PlayNext(1)[0], "gamma.mid") << (count ? count : "missing");
    }
    WriteIni(kMusicSection, "MIDI1", nullptr);
    EXPECT_EQ(PlayNext(1)[0], "");
    EXPECT_FALSE(bPlaying);
    // An entry that cannot start is passed over by the next start, unannounced.
    LabelWindow label;
    WritePlaylist({"alpha.mid", "gone.mid", "gamma.mid"});
    PlayNext(1);
    label.texts.clear();
    EXPECT_EQ(PlayNext(1)[0], "");
    EXPECT_EQ(label.texts, Strings{"<nothing>"});
    EXPECT_EQ(PlayNext(1)[0], "gamma.mid");
}

TEST(Playlist, EntriesAreTheKeysThereUpToTheCount) {
    // Each key is written with its own name and ".mid" as its value.
    const struct { const char* count; Strings keys, entries; } rows[] = {
        {"2", {"MIDI1", "MIDI2", "MIDI3"}, {"MIDI1", "MIDI2"}},
        {"99999999999999999999", {"MIDI1", "MIDI5000"}, {"MIDI1", "MIDI5000"}},
        {"2147483647", {"MIDI2147483647", "MIDI2147483648"}, {"MIDI2147483647"}},
        {"-1", {"MIDI1"}, {}},
        {"junk", {"MIDI1"}, {}},
        {"10", {"midi4", "MIDI04", "MIDI0", "MIDI+5", "MIDI-1", "MIDIx", "MIDI 6"}, {"midi4"}},
    };
    for (const auto& row : rows) {
        testenv::RemoveIni();
        WriteIni(kMusicSection, "NumEntries", row.count);
        for (const std::string& key : row.keys) WriteIni(kMusicSection, key.c_str(), (key + ".mid").c_str());
        Strings expected;
        for (const std::string& key : row.entries) expected.push_back(key + ".mid");
        EXPECT_EQ(PlaylistEntries(), expected) << row.count;
    }
    testenv::RemoveIni();
}

TEST_F(Player, NotifyRules) {
    LabelWindow label;
    WritePlaylist({"alpha.mid", "beta.mid", "gamma.mid"});
    MIDIPlayNext(window);
    EXPECT_EQ(label.texts, Strings{"alpha.mid"});
    // Success: "<nothing>" for a moment, then the next song.
    label.texts.clear();
    MIDINotify(window, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_EQ(label.texts.front(), "<nothing>");
    EXPECT_EQ(label.texts.back(), "beta.mid");
    // Any other outcome only clears the label; nothing counts while closing.
    for (WPARAM code : {MCI_NOTIFY_ABORTED, MCI_NOTIFY_SUPERSEDED, MCI_NOTIFY_FAILURE}) {
        label.texts.clear();
        fake.commands.clear();
        MIDINotify(window, code);
        bClosing = true;
        MIDINotify(window, MCI_NOTIFY_SUCCESSFUL);
        MIDINotify(window, code);
        bClosing = false;
        EXPECT_EQ(label.texts, Strings{"<nothing>"}) << code;
        EXPECT_TRUE(fake.commands.empty()) << code;
        EXPECT_TRUE(bPlaying);
    }
    label.texts.clear();
    MIDIShowCurrent();
    EXPECT_EQ(label.texts, Strings{"beta.mid"});

    // The abort MCI reports for a song replaced by the next must not blank the new one's label.
    MIDIPlayNext(window);
    testenv::Pump(100);
    EXPECT_EQ(label.texts.back(), "gamma.mid");
    // After a stop, a success still on its way for the stopped song starts nothing.
    MIDIStop();
    EXPECT_EQ(label.texts.back(), "<nothing>");
    fake.commands.clear();
    MIDINotify(window, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_TRUE(fake.commands.empty());
    EXPECT_FALSE(bPlaying);
}

}  // namespace
