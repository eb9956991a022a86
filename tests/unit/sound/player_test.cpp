// The MCI player: its command strings, aliases, guards and error texts.
#include <gtest/gtest.h>

#include "app/settings.h"
#include "sound_fixtures.h"
#include "sound/music.h"
#include "support/test_env.h"

using namespace soundtest;

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
    std::string Alias(int counter) const { return "music" + std::to_string(counter); }

    FakeWinmm fake;
    SongFiles songs{{"alpha.mid", "beta.mid"}};
    HWND window = nullptr;
};

TEST_F(Player, StartOpensTheShortPathUnderANewAliasAndPlaysWithNotify) {
    const int counter = midiAliasCounter;
    ASSERT_TRUE(MIDIStart(window, "alpha.mid"));
    const std::string alias = Alias(counter + 1);
    ASSERT_EQ(fake.commands.size(), 2u);
    EXPECT_EQ(fake.commands[0].command, "open sequencer!" + ShortPathOf(ProgramFolder() + "alpha.mid") + " alias " + alias);
    EXPECT_EQ(fake.commands[0].window, window);
    EXPECT_EQ(fake.commands[1].command, "play " + alias + " from 0 notify");
    EXPECT_EQ(fake.commands[1].window, window);
    EXPECT_TRUE(bPlaying);
    EXPECT_FALSE(bClosing);
    EXPECT_EQ(currentSong, "alpha.mid");
    EXPECT_EQ(midiAlias, alias);
}

TEST_F(Player, StopClosesTheCurrentAliasOnlyWhenSomethingPlays) {
    EXPECT_FALSE(MIDIStop());
    EXPECT_TRUE(fake.commands.empty());

    ASSERT_TRUE(MIDIStart(window, "alpha.mid"));
    const std::string alias = midiAlias;
    const int counter = midiAliasCounter;
    fake.commands.clear();
    EXPECT_TRUE(MIDIStop());
    ASSERT_EQ(fake.commands.size(), 2u);
    EXPECT_EQ(fake.commands[0].command, "stop " + alias);
    EXPECT_EQ(fake.commands[0].window, nullptr);
    EXPECT_EQ(fake.commands[1].command, "close " + alias);
    EXPECT_EQ(fake.commands[1].window, nullptr);
    EXPECT_EQ(midiAliasCounter, counter);
    EXPECT_FALSE(bPlaying);
    EXPECT_FALSE(bClosing);

    fake.commands.clear();
    EXPECT_FALSE(MIDIStop());
    EXPECT_TRUE(fake.commands.empty());
}

TEST_F(Player, EmptyNamesAndMissingFilesStartNothingAndSayNothing) {
    const int counter = midiAliasCounter;
    const auto boxes = AnswerMessageBoxes([&] {
        EXPECT_FALSE(MIDIStart(window, ""));
        EXPECT_FALSE(MIDIStart(window, nullptr));
        EXPECT_FALSE(MIDIStart(window, "gone.mid"));
        testenv::Pump(300);
    });
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(fake.commands.empty());
    EXPECT_EQ(midiAliasCounter, counter);
    EXPECT_FALSE(bPlaying);
}

TEST_F(Player, StartInTheWrongStateIsRefusedWithAMessage) {
    ASSERT_TRUE(MIDIStart(window, "alpha.mid"));
    fake.commands.clear();
    auto boxes = AnswerMessageBoxes([&] { EXPECT_FALSE(MIDIStart(window, "beta.mid")); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Lumenkin v2.1|MIDIStart called while still bPlaying");
    EXPECT_EQ(currentSong, "alpha.mid");

    bPlaying = false;
    bClosing = true;
    boxes = AnswerMessageBoxes([&] { EXPECT_FALSE(MIDIStart(window, "beta.mid")); });
    bClosing = false;
    bPlaying = true;
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Lumenkin v2.1|MIDIStart called while still bClosing");
    EXPECT_TRUE(fake.commands.empty());
}

TEST_F(Player, AFailedCommandPutsMcisErrorTextAfterTheSongName) {
    LabelWindow label;
    WritePlaylist({"alpha.mid", "beta.mid"});
    fake.failures["open"] = MCIERR_INVALID_DEVICE_NAME;
    fake.failures["play"] = MCIERR_DEVICE_NOT_READY;
    MIDIPlayNext(window);
    // The song counts as playing all the same; the open's failure is the cause shown.
    EXPECT_TRUE(bPlaying);
    const std::string error = MciErrorText(MCIERR_INVALID_DEVICE_NAME);
    EXPECT_FALSE(error.empty());
    EXPECT_NE(error, MciErrorText(MCIERR_DEVICE_NOT_READY));
    ASSERT_FALSE(label.texts.empty());
    EXPECT_EQ(label.texts.back(), "alpha.mid (" + error + ")");

    label.texts.clear();
    MIDIShowCurrent();
    ASSERT_EQ(label.texts.size(), 1u);
    EXPECT_EQ(label.texts[0], "alpha.mid (" + error + ")");

    // Only the play fails: its text is shown.
    fake.failures.erase("open");
    MIDIPlayNext(window);
    EXPECT_EQ(label.texts.back(), "beta.mid (" + MciErrorText(MCIERR_DEVICE_NOT_READY) + ")");

    // The next song that opens and plays clears the error.
    fake.failures.clear();
    MIDIPlayNext(window);
    EXPECT_EQ(label.texts.back(), "alpha.mid");
    EXPECT_TRUE(currentSongError.empty());
}

TEST(FileExists, TellsFilesFromFoldersAndMissingPaths) {
    SongFiles songs{{"present.mid"}};
    EXPECT_TRUE(FileExists((ProgramFolder() + "present.mid").c_str()));
    EXPECT_FALSE(FileExists((ProgramFolder() + "absent.mid").c_str()));
    EXPECT_FALSE(FileExists(ProgramFolder().c_str()));
    EXPECT_FALSE(FileExists(""));
}

}  // namespace
