// The next-song rule and the end-of-song notification.
#include <gtest/gtest.h>

#include "app/settings.h"
#include "dialogs/options_dlg.h"
#include "sound_fixtures.h"
#include "sound/music.h"
#include "support/test_env.h"

using namespace soundtest;
using testenv::ReadIni;
using testenv::WriteIni;

namespace {

class Playlist : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::RemoveIni();
        MIDIStop();
        window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        fake.commands.clear();
    }
    void TearDown() override {
        MIDIStop();
        DestroyWindow(window);
        testenv::Pump();
        testenv::RemoveIni();
    }
    // The song each MIDIPlayNext opens ("" when it opens none).
    std::vector<std::string> PlayNext(int times) {
        std::vector<std::string> opened;
        for (int i = 0; i < times; ++i) {
            fake.commands.clear();
            MIDIPlayNext(window);
            std::string song;
            for (const MciCall& c : fake.commands)
                if (c.command.rfind("open ", 0) == 0) song = bPlaying ? currentSong : "?";
            opened.push_back(song);
        }
        return opened;
    }

    FakeWinmm fake;
    SongFiles songs{{"alpha.mid", "beta.mid", "gamma.mid"}};
    HWND window = nullptr;
};

TEST_F(Playlist, PlaysTheEntriesInOrderAndStartsAgainAfterTheLast) {
    WritePlaylist({"alpha.mid", "beta.mid", "gamma.mid"});
    EXPECT_EQ(PlayNext(4), (std::vector<std::string>{"alpha.mid", "beta.mid", "gamma.mid", "alpha.mid"}));
    EXPECT_EQ(ReadIni(kMusicSection, "Current"), "1");
    // A list of one repeats its song.
    WritePlaylist({"beta.mid"});
    EXPECT_EQ(PlayNext(2), (std::vector<std::string>{"beta.mid", "beta.mid"}));
}

TEST_F(Playlist, ACurrentBeyondAShortenedListStartsAtTheFirstEntry) {
    WritePlaylist({"alpha.mid", "beta.mid"});
    for (const char* current : {"2", "5", "-4", "junk"}) {
        WriteIni(kMusicSection, "Current", current);
        EXPECT_EQ(PlayNext(1)[0], "alpha.mid") << current;
    }
}

TEST_F(Playlist, WithoutAUsableCountTheFirstEntryIsStillTried) {
    WritePlaylist({"gamma.mid"});
    for (const char* count : std::initializer_list<const char*>{"0", "", "none", nullptr}) {
        WriteIni(kMusicSection, "NumEntries", count);
        EXPECT_EQ(PlayNext(1)[0], "gamma.mid") << (count ? count : "missing");
        EXPECT_EQ(ReadIni(kMusicSection, "Current"), "1");
    }
    // Blanks before the number are skipped.
    WritePlaylist({"alpha.mid", "beta.mid"});
    WriteIni(kMusicSection, "NumEntries", "  2");
    EXPECT_EQ(PlayNext(2), (std::vector<std::string>{"alpha.mid", "beta.mid"}));

    WriteIni(kMusicSection, "MIDI1", nullptr);
    WriteIni(kMusicSection, "NumEntries", nullptr);
    WriteIni(kMusicSection, "Current", nullptr);
    EXPECT_EQ(PlayNext(1)[0], "");
    EXPECT_FALSE(bPlaying);
}

TEST_F(Playlist, AnEntryThatCannotStartIsPassedOverByTheNextStart) {
    LabelWindow label;
    WritePlaylist({"alpha.mid", "gone.mid", "gamma.mid"});
    EXPECT_EQ(PlayNext(1)[0], "alpha.mid");
    label.texts.clear();
    // The stop of alpha happens; the missing file opens nothing and is not announced.
    EXPECT_EQ(PlayNext(1)[0], "");
    EXPECT_EQ(fake.CommandTexts().size(), 2u);   // stop and close of alpha
    EXPECT_EQ(ReadIni(kMusicSection, "Current"), "2");
    EXPECT_EQ(label.texts, std::vector<std::string>{"<nothing>"});
    EXPECT_EQ(PlayNext(1)[0], "gamma.mid");
}

TEST_F(Playlist, ANewSongClosesThePreviousAliasBeforeOpeningTheNext) {
    WritePlaylist({"alpha.mid", "beta.mid"});
    MIDIPlayNext(window);
    const int first = midiAliasCounter;
    fake.commands.clear();
    MIDIPlayNext(window);
    const std::string before = "music" + std::to_string(first);
    const std::string after = "music" + std::to_string(first + 1);
    const std::vector<std::string> expected{
        "stop " + before,
        "close " + before,
        "open sequencer!" + ShortPathOf(ProgramFolder() + "beta.mid") + " alias " + after,
        "play " + after + " from 0 notify",
    };
    EXPECT_EQ(fake.CommandTexts(), expected);
}

TEST_F(Playlist, TheLabelFollowsTheSongs) {
    LabelWindow label;
    WritePlaylist({"alpha.mid", "beta.mid"});
    MIDIPlayNext(window);
    EXPECT_EQ(label.texts, std::vector<std::string>{"alpha.mid"});

    // The end of the song: "<nothing>" for a moment, then the next one.
    label.texts.clear();
    MIDINotify(window, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_EQ(currentSong, "beta.mid");
    ASSERT_FALSE(label.texts.empty());
    EXPECT_EQ(label.texts.front(), "<nothing>");
    EXPECT_EQ(label.texts.back(), "beta.mid");

    // Any other outcome only clears the label.
    for (WPARAM code : {MCI_NOTIFY_ABORTED, MCI_NOTIFY_SUPERSEDED, MCI_NOTIFY_FAILURE}) {
        label.texts.clear();
        fake.commands.clear();
        MIDINotify(window, code);
        EXPECT_EQ(label.texts, std::vector<std::string>{"<nothing>"}) << code;
        EXPECT_TRUE(fake.commands.empty()) << code;
        EXPECT_TRUE(bPlaying);
    }

    // A song started while nobody looks is shown when the dialog asks.
    label.texts.clear();
    MIDIShowCurrent();
    EXPECT_EQ(label.texts, std::vector<std::string>{"beta.mid"});
}

TEST_F(Playlist, NotificationsDuringTheStopAreIgnored) {
    LabelWindow label;
    WritePlaylist({"alpha.mid", "beta.mid"});
    MIDIPlayNext(window);
    label.texts.clear();
    fake.commands.clear();
    bClosing = true;
    MIDINotify(window, MCI_NOTIFY_SUCCESSFUL);
    MIDINotify(window, MCI_NOTIFY_ABORTED);
    bClosing = false;
    EXPECT_TRUE(label.texts.empty());
    EXPECT_TRUE(fake.commands.empty());
}

TEST_F(Playlist, TheStoppedSongsOwnNotificationsChangeNothingAfterwards) {
    LabelWindow label;
    WritePlaylist({"alpha.mid", "beta.mid", "gamma.mid"});
    MIDIPlayNext(window);
    // Switching songs makes MCI report the old song as aborted; that report must not
    // blank the label of the song that now plays.
    MIDIPlayNext(window);
    testenv::Pump(100);
    EXPECT_EQ(label.texts.back(), "beta.mid");
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, window, MM_MCINOTIFY, MM_MCINOTIFY, PM_NOREMOVE));

    // Music switched off: the label says so, and a success that was on its way for the
    // stopped song starts nothing.
    MIDIStop();
    EXPECT_EQ(label.texts.back(), "<nothing>");
    fake.commands.clear();
    MIDINotify(window, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_TRUE(fake.commands.empty());
    EXPECT_FALSE(bPlaying);
}

TEST(NowPlaying, ReachesTheOptionsDialogOnlyWhileItIsOpen) {
    FakeWinmm fake;
    LabelWindow label;
    MIDIShowPlaying("alpha.mid");
    EXPECT_EQ(label.texts, std::vector<std::string>{"alpha.mid"});
    const HWND open = optionsDialog;
    optionsDialog = nullptr;
    MIDIShowPlaying("beta.mid");
    MIDIShowCurrent();
    optionsDialog = open;
    EXPECT_EQ(label.texts, std::vector<std::string>{"alpha.mid"});
}

}  // namespace
