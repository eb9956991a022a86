// The Options dialog's side of the music: its "Playing:" line, Apply's restart rule, key clicks.
// Driven with messages on a modeless copy of the dialog.
#include <gtest/gtest.h>

#include <memory>

#include "app/app.h"
#include "app/settings.h"
#include "dialogs/options_dlg.h"
#include "sound_fixtures.h"
#include "resource.h"
#include "sound/music.h"
#include "sound/sound_effects.h"
#include "support/test_env.h"

using namespace soundtest;

namespace {

std::string Label(HWND dialog) {
    char text[256] = "";
    GetDlgItemTextA(dialog, IDC_OPT_NOW_PLAYING, text, sizeof text);
    return text;
}

void Press(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// The program started with the given Music setting and a device, and a modeless
// Options dialog owned by its main window.
class OptionsMusic : public ::testing::Test {
protected:
    void Open(const char* music) {
        fake.devices = 1;
        run = std::make_unique<StartedWithMusic>(fake, music, "1");
        ASSERT_TRUE(run->ok());
        dialog = CreateDialogParamA(appInstance, "OptionsDlg", mainWindow, OptionsDlgProc, 0);
        ASSERT_NE(dialog, nullptr);
        testenv::Pump();
        if (heldEffect) StopAndFreeWave(heldEffect);
        heldEffect = nullptr;
        fake.commands.clear();
        fake.sounds.clear();
    }
    void TearDown() override {
        if (dialog) DestroyWindow(dialog);
        testenv::Pump();
        run.reset();
    }
    FakeWinmm fake;
    std::unique_ptr<StartedWithMusic> run;
    HWND dialog = nullptr;
};

TEST_F(OptionsMusic, ThePlayingLineFollowsThePlayer) {
    Open("1");
    EXPECT_EQ(Label(dialog), "Playing: beta.mid");
    SendMessageA(mainWindow, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 1);
    EXPECT_EQ(Label(dialog), "Playing: alpha.mid");
    SendMessageA(mainWindow, MM_MCINOTIFY, MCI_NOTIFY_FAILURE, 1);
    EXPECT_EQ(Label(dialog), "Playing: <nothing>");
}

TEST_F(OptionsMusic, ApplyLeavesTheSongAloneUnlessTheMusicChanged) {
    Open("1");
    Press(dialog, IDC_OPT_APPLY);
    EXPECT_TRUE(fake.commands.empty());
    EXPECT_EQ(currentSong, "beta.mid");

    // Music off: stopped, and the line says so.
    const std::string alias = midiAlias;
    Click(dialog, IDC_OPT_MUSIC);
    Press(dialog, IDC_OPT_APPLY);
    EXPECT_EQ(fake.CommandTexts(), (std::vector<std::string>{"stop " + alias, "close " + alias}));
    EXPECT_FALSE(bPlaying);
    EXPECT_EQ(Label(dialog), "Playing: <nothing>");
}

TEST_F(OptionsMusic, SwitchingMusicOnStartsTheListFromItsFirstEntry) {
    Open("0");
    EXPECT_TRUE(fake.commands.empty());
    Click(dialog, IDC_OPT_MUSIC);
    Press(dialog, IDC_OPT_APPLY);
    ASSERT_TRUE(bPlaying);
    EXPECT_EQ(currentSong, "alpha.mid");
    EXPECT_EQ(testenv::ReadIni(kMusicSection, "Current"), "1");
    ASSERT_EQ(fake.commands.size(), 2u);
    EXPECT_EQ(fake.commands[0].window, mainWindow);
    EXPECT_EQ(Label(dialog), "Playing: alpha.mid");
}

TEST_F(OptionsMusic, ButtonsClickOnlyWithSoundOn) {
    Open("1");
    Click(dialog, IDC_OPT_ZOOM);
    ASSERT_EQ(fake.sounds.size(), 1u);
    EXPECT_EQ(fake.sounds[0].flags, static_cast<UINT>(SND_ASYNC | SND_NODEFAULT | SND_MEMORY));
    // Unticking "Sound F/X" takes effect with Apply.
    Click(dialog, IDC_OPT_SOUND);
    Press(dialog, IDC_OPT_APPLY);
    fake.sounds.clear();
    Click(dialog, IDC_OPT_ZOOM);
    EXPECT_TRUE(fake.sounds.empty());
}

}  // namespace
