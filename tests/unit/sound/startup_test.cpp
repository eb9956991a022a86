// The music at start-up, on the main window's notifications and at shut-down.
#include <gtest/gtest.h>

#include "app/app.h"
#include "app/settings.h"
#include "sound_fixtures.h"
#include "sound/music.h"
#include "support/test_env.h"

using namespace soundtest;

namespace {

TEST(StartUp, WithoutAMidiDeviceTheMusicStaysOffForThisRunOnly) {
    FakeWinmm fake;
    fake.devices = 0;
    StartedWithMusic run(fake, "1", "1");
    ASSERT_TRUE(run.ok());
    EXPECT_EQ(midiDevicePresent, 0);
    EXPECT_EQ(settings.Music, 0);
    EXPECT_EQ(testenv::ReadIni(kSettingsSection, "Music"), "1");
    EXPECT_TRUE(fake.commands.empty());
    EXPECT_FALSE(bPlaying);
}

TEST(StartUp, WithADeviceTheListGoesOnAfterTheEntryStartedLast) {
    FakeWinmm fake;
    fake.devices = 1;
    StartedWithMusic run(fake, "1", "1");
    ASSERT_TRUE(run.ok());
    EXPECT_EQ(midiDevicePresent, 1);
    ASSERT_TRUE(bPlaying);
    EXPECT_EQ(currentSong, "beta.mid");
    ASSERT_EQ(fake.commands.size(), 2u);
    EXPECT_EQ(fake.commands[0].window, mainWindow);
    EXPECT_EQ(fake.commands[1].command, "play " + midiAlias + " from 0 notify");
    EXPECT_EQ(fake.commands[1].window, mainWindow);

    // The end of the song reaches the player through the main window.
    SendMessageA(mainWindow, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 1);
    EXPECT_EQ(currentSong, "alpha.mid");

    // Removing the lights stops the music.
    const std::string alias = midiAlias;
    fake.commands.clear();
    SendMessageA(mainWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(fake.CommandTexts(), (std::vector<std::string>{"stop " + alias, "close " + alias}));
    EXPECT_FALSE(bPlaying);
}

TEST(StartUp, MusicOrPowerOffStartsNoSong) {
    for (auto [music, power] : {std::pair{"0", "1"}, std::pair{"1", "0"}}) {
        FakeWinmm fake;
        fake.devices = 1;
        StartedWithMusic run(fake, music, power);
        ASSERT_TRUE(run.ok());
        EXPECT_TRUE(fake.commands.empty()) << "Music=" << music << " Power=" << power;
        EXPECT_EQ(testenv::ReadIni(kMusicSection, "Current"), "1");
    }
}

}  // namespace
