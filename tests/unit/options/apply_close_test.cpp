// Apply, OK, Cancel and Quit: what reaches the settings file, the lights and the music.
#include <windows.h>
#include <commctrl.h>

#include "lights/bulb_catalogue.h"
#include "options_fixture.h"
#include "resource.h"

using namespace optest;

TEST_F(OptionsTest, ApplyStoresEveryControlAndStaysOpen) {
    Open({{"Mode", "3"}, {"Color", "8"}, {"Rate", "2"}, {"BulbType", "0"}, {"SSType", "0"}, {"Music", "0"},
          {"NotSoMany", "1"}, {"IdleProcess", "1"}, {"OwnWindow", "0"}});
    Click(IDC_OPT_MODE_FIRST + 1);
    EXPECT_TRUE(Enabled(dialog, IDC_OPT_APPLY));
    Select(IDC_OPT_COLOR, 3);
    Select(IDC_OPT_BULB_TYPE, 8);   // Hearts
    Select(IDC_OPT_SAVER_TYPE, 6);
    SendDlgItemMessageA(dialog, IDC_OPT_RATE, TBM_SETPOS, TRUE, 4);
    for (int id : {IDC_OPT_BURNT_OUT, IDC_OPT_MISSING, IDC_OPT_MORE_LIGHTS, IDC_OPT_ZOOM, IDC_OPT_SOUND,
                   IDC_OPT_START_OPTIONS, IDC_OPT_KEY_LIGHTS, IDC_OPT_SAVER_ENABLE, IDC_OPT_NO_FLICKER})
        Click(id);
    Press(IDC_OPT_POWER);
    Press(IDC_OPT_APPLY);
    EXPECT_FALSE(Enabled(dialog, IDC_OPT_APPLY));
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
    EXPECT_TRUE(IsWindowVisible(dialog) && optionsOpen);
    const std::pair<const char*, const char*> expected[] = {
        {"Mode", "1"}, {"Color", "2"}, {"Rate", "4"}, {"BulbType", "7"}, {"SSType", "6"}, {"BurnedOut", "1"},
        {"MissingBulbs", "1"}, {"NotSoMany", "0"}, {"Zoom", "1"}, {"Sound", "1"}, {"StartOptions", "1"},
        {"KeyLights", "1"}, {"ScreenSaver", "1"}, {"NoFlicker", "1"}, {"Power", "0"}, {"IdleProcess", "1"},
        {"OwnWindow", "0"}, {"Music", "0"}, {"Broken", "0"}, {"ChangeLights", "0"}};
    for (const auto& kv : expected) EXPECT_EQ(Ini(kv.first), kv.second) << kv.first;
    // The string takes the new bulbs at once.
    EXPECT_EQ(effectiveBulbType, 7);
}

TEST_F(OptionsTest, MusicIsTouchedOnlyWhenMusicPowerOrPlaylistChanged) {
    MidiFiles files({"carol.mid", "bells.mid"});
    Open({{"Music", "0"}, {"Power", "1"}}, {{"NumEntries", "1"}, {"MIDI1", "carol.mid"}});
    // A restart deletes "Current" before the first entry starts (which writes it again),
    // so a planted value tells whether it happened.
    testenv::WriteIni("Music", "Current", "5");
    Press(IDC_OPT_APPLY);
    EXPECT_EQ(Music("Current"), "5");
    // Music switched on: the playlist is written from the ticks, the music starts over,
    // and again on a second Apply, as the change counts against the opening state.
    Click(IDC_OPT_MUSIC);
    EXPECT_TRUE(Enabled(dialog, IDC_OPT_PLAYLIST));
    SendDlgItemMessageA(dialog, IDC_OPT_PLAYLIST, LB_SETSEL, TRUE, 0);      // bells.mid too
    for (int i = 0; i < 2; ++i) {
        testenv::WriteIni("Music", "Current", "5");
        Press(IDC_OPT_APPLY);
        EXPECT_NE(Music("Current"), "5");
    }
    EXPECT_EQ(Music("NumEntries") + Music("MIDI1") + Music("MIDI2"), "2bells.midcarol.mid");

    // A playlist change alone restarts it; with nothing ticked the user is told and music goes off.
    Open({{"Music", "1"}, {"Power", "1"}}, {{"NumEntries", "1"}, {"MIDI1", "carol.mid"}});
    testenv::WriteIni("Music", "Current", "5");
    SendDlgItemMessageA(dialog, IDC_OPT_PLAYLIST, LB_SETSEL, FALSE, 1);
    Notify(IDC_OPT_PLAYLIST, LBN_SELCHANGE);
    EXPECT_EQ(musicListChanged, 1);
    ModalAnswerer box("Lumenkin v2.1");
    Press(IDC_OPT_APPLY);
    EXPECT_EQ(box.answered, 1);
    EXPECT_EQ(box.lastText, "No music has been selected, so music will be turned off.|");
    EXPECT_EQ(Ini("Music") + Music("NumEntries"), "00");
    EXPECT_FALSE(Checked(dialog, IDC_OPT_MUSIC) || Enabled(dialog, IDC_OPT_PLAYLIST));
    EXPECT_EQ(musicListChanged, 0);
    EXPECT_EQ(Music("Current"), "5");   // stopped, and not started again
}

TEST_F(OptionsTest, EveryWayOfCancellingReloadsTheFile) {
    const auto cancels = {
        +[](HWND d) { SendMessageA(d, WM_COMMAND, IDCANCEL, 0); },
        +[](HWND d) {
            MSG esc{GetDlgItem(d, IDOK), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
            IsDialogMessageA(d, &esc);
        },
        +[](HWND d) { SendMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); },
        +[](HWND d) { SendMessageA(d, WM_SYSCOMMAND, SC_MINIMIZE, 0); },
    };
    Open({{"SSType", "1"}, {"ScreenSaver", "1"}});
    for (auto cancel : cancels) {
        Reopen();
        Select(IDC_OPT_SAVER_TYPE, 4);
        {
            // Setup takes the type into the record at once.
            ModalAnswerer setup("Lumenkin v2.1 Screen Saver Setup");
            Press(IDC_OPT_SAVER_SETUP);
        }
        EXPECT_EQ(settings.SSType, 4);
        Click(IDC_OPT_MODE_FIRST);
        cancel(dialog);
        testenv::Pump();
        EXPECT_FALSE(optionsOpen || optionsDialog || IsWindowVisible(dialog));
        EXPECT_EQ(settings.SSType, 1);
        EXPECT_EQ(Ini("SSType") + Ini("Mode"), "13");
    }
}

TEST_F(OptionsTest, OkWithThePowerOffWarnsUntilToldNotTo) {
    Open({{"Power", "1"}, {"WarnPower", "1"}});
    Press(IDC_OPT_POWER);
    EXPECT_EQ(dialogPower, 0);
    EXPECT_EQ(ItemText(dialog, IDC_OPT_POWER_LABEL), "Off");
    Press(IDC_OPT_APPLY);           // Apply alone never warns
    {
        ModalAnswerer warning("Lumenkin v2.1", IDC_WARNPOWER_NOTAGAIN);
        Press(IDOK);
        EXPECT_EQ(warning.answered, 1);
        EXPECT_TRUE(warning.hadTickBox);
    }
    EXPECT_FALSE(optionsOpen);
    EXPECT_EQ(Ini("Power") + Ini("WarnPower"), "00");   // the tick saved at once
    Reopen();
    EXPECT_EQ(ItemText(dialog, IDC_OPT_POWER_LABEL), "Off");
    ModalAnswerer none("Lumenkin v2.1");
    Press(IDOK);
    EXPECT_EQ(none.answered, 0);
}
