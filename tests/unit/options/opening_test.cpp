// Opening the Options dialog: every control shows the settings it stands for.
#include <windows.h>
#include <commctrl.h>

#include "app/app.h"
#include "app/commands.h"
#include "app/settings.h"
#include "dialogs/context_tips.h"
#include "dialogs/options_dlg.h"
#include "dialogs/preview.h"
#include "options_fixture.h"
#include "resource.h"
#include "shell/tray.h"

using namespace optest;

namespace {

LRESULT Item(HWND dialog, int id, UINT message, WPARAM wParam = 0) {
    return SendDlgItemMessageA(dialog, id, message, wParam, 0);
}

}  // namespace

TEST_F(OptionsTest, OpeningShowsEverySetting) {
    MidiFiles files({"carol.mid", "bells.mid", "Sleigh.mid"});
    Open({{"Mode", "4"}, {"Color", "7"}, {"Rate", "1"}, {"BulbType", "0"}, {"Broken", "1"}, {"BurnedOut", "1"},
          {"SSType", "3"}, {"Power", "0"}, {"Music", "1"}, {"NotSoMany", "0"}, {"MissingBulbs", "1"},
          {"ScreenSaver", "1"}, {"NoFlicker", "1"}, {"StartOptions", "1"}, {"IdleProcess", "1"},
          {"KeyLights", "1"}, {"OwnWindow", "1"}, {"Zoom", "0"}, {"Sound", "0"}},
         // Names match without regard to case; a file no longer in the folder is skipped.
         {{"NumEntries", "3"}, {"MIDI1", "SLEIGH.MID"}, {"MIDI2", "gone.mid"}, {"MIDI3", "bells.mid"}});
    EXPECT_TRUE(optionsOpen);
    EXPECT_EQ(optionsDialog, dialog);
    for (int id = IDC_OPT_MODE_FIRST; id <= IDC_OPT_MODE_LAST; ++id)
        EXPECT_EQ(Checked(dialog, id), id == IDC_OPT_MODE_FIRST + 4) << id;
    EXPECT_EQ(previewMode, 4);
    EXPECT_EQ(Item(dialog, IDC_OPT_BULB_TYPE, CB_GETCOUNT), 22);
    EXPECT_EQ(Item(dialog, IDC_OPT_BULB_TYPE, CB_GETCURSEL), 1);
    EXPECT_EQ(Item(dialog, IDC_OPT_COLOR, CB_GETCOUNT), 11);
    EXPECT_EQ(Item(dialog, IDC_OPT_COLOR, CB_GETCURSEL), 8);
    EXPECT_EQ(Item(dialog, IDC_OPT_SAVER_TYPE, CB_GETCOUNT), 7);
    EXPECT_EQ(Item(dialog, IDC_OPT_SAVER_TYPE, CB_GETCURSEL), 3);
    EXPECT_EQ(Item(dialog, IDC_OPT_RATE, TBM_GETPOS), 1);
    EXPECT_EQ(Item(dialog, IDC_OPT_RATE, TBM_GETRANGEMAX), 4);
    EXPECT_EQ(ItemText(dialog, IDC_OPT_RATE_NAME), "Slow");
    EXPECT_EQ(ItemText(dialog, IDC_OPT_POWER_LABEL), "Off");
    EXPECT_EQ(dialogPower, 0);
    EXPECT_EQ(ItemText(dialog, IDC_OPT_VERSION), "2..1");
    EXPECT_EQ(ItemText(dialog, IDC_OPT_SPARE_LABEL), "");
    for (int id : {IDC_OPT_BURNT_OUT, IDC_OPT_BROKEN, IDC_OPT_MUSIC, IDC_OPT_MORE_LIGHTS, IDC_OPT_MISSING,
                   IDC_OPT_SAVER_ENABLE, IDC_OPT_NO_FLICKER, IDC_OPT_START_OPTIONS, IDC_OPT_IDLE, IDC_OPT_KEY_LIGHTS,
                   IDC_OPT_OWN_WINDOW})
        EXPECT_TRUE(Checked(dialog, id)) << id;
    for (int id : {IDC_OPT_CHANGE_BULBS, IDC_OPT_ZOOM, IDC_OPT_SOUND}) EXPECT_FALSE(Checked(dialog, id)) << id;
    // Shown but never the user's to change; Apply waits for a change.
    EXPECT_FALSE(Enabled(dialog, IDC_OPT_IDLE));
    EXPECT_FALSE(Enabled(dialog, IDC_OPT_OWN_WINDOW));
    EXPECT_FALSE(Enabled(dialog, IDC_OPT_APPLY));
    EXPECT_TRUE(Enabled(dialog, IDC_OPT_SAVER_TEST));
    EXPECT_TRUE(Enabled(dialog, IDC_OPT_SAVER_SETUP));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_OPT_BULB_ICON)));
    // The music list: the files sorted, the playlist's files ticked, the missing one skipped.
    HWND list = GetDlgItem(dialog, IDC_OPT_PLAYLIST);
    ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 3);
    char name[64];
    SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(name));
    EXPECT_STREQ(name, "bells.mid");
    EXPECT_EQ(SendMessageA(list, LB_GETSELCOUNT, 0, 0), 2);
    EXPECT_GT(SendMessageA(list, LB_GETSEL, 0, 0), 0);
    EXPECT_EQ(SendMessageA(list, LB_GETSEL, 1, 0), 0);
    EXPECT_TRUE(Enabled(dialog, IDC_OPT_PLAYLIST));
    SendMessageA(dialog, WM_NOWPLAYING, 0, reinterpret_cast<LPARAM>("bells.mid"));
    EXPECT_EQ(ItemText(dialog, IDC_OPT_NOW_PLAYING), "Playing: bells.mid");
    // Tips over the controls for as long as the dialog is open.
    EXPECT_EQ(optionsTips.dialog, dialog);
    EXPECT_NE(optionsTips.hook, nullptr);
}

TEST_F(OptionsTest, OpeningShowsTheOppositeSettings) {
    MidiFiles files({"carol.mid"});
    Open({{"Mode", "0"}, {"Color", "-1"}, {"BulbType", "-1"}, {"ChangeLights", "1"}, {"Music", "0"},
          {"NotSoMany", "1"}, {"ScreenSaver", "0"}});
    EXPECT_TRUE(Checked(dialog, IDC_OPT_MODE_FIRST));
    EXPECT_EQ(Item(dialog, IDC_OPT_BULB_TYPE, CB_GETCURSEL), 0);
    EXPECT_EQ(Item(dialog, IDC_OPT_COLOR, CB_GETCURSEL), 0);
    EXPECT_TRUE(Checked(dialog, IDC_OPT_CHANGE_BULBS) && Enabled(dialog, IDC_OPT_CHANGE_BULBS));
    EXPECT_FALSE(Checked(dialog, IDC_OPT_MORE_LIGHTS));
    EXPECT_FALSE(Enabled(dialog, IDC_OPT_SAVER_TEST) || Enabled(dialog, IDC_OPT_SAVER_SETUP));
    EXPECT_FALSE(Enabled(dialog, IDC_OPT_PLAYLIST));
    EXPECT_EQ(ItemText(dialog, IDC_OPT_NOW_PLAYING), "Playing: <nothing>");
}

TEST_F(OptionsTest, WithoutMidiDeviceOrFilesMusicCannotBeChosen) {
    MidiFiles files({"carol.mid"});
    Open({{"Music", "1"}}, {}, /*midiDevice=*/false);
    EXPECT_FALSE(Checked(dialog, IDC_OPT_MUSIC));
    EXPECT_FALSE(Enabled(dialog, IDC_OPT_MUSIC));
    EXPECT_FALSE(Enabled(dialog, IDC_OPT_PLAYLIST));
    // OK then stores the music as off.
    Press(IDOK);
    EXPECT_EQ(Ini("Music"), "0");
}

TEST_F(OptionsTest, WithoutMidiFilesTheLabelSaysSo) {
    Open({{"Music", "1"}});
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_OPT_PLAYLIST, LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(ItemText(dialog, IDC_OPT_NOW_PLAYING), "No MIDI files found.");
    EXPECT_FALSE(Enabled(dialog, IDC_OPT_MUSIC));
    EXPECT_FALSE(Enabled(dialog, IDC_OPT_PLAYLIST));
    EXPECT_EQ(settings.Music, 0);           // in memory only
    EXPECT_EQ(Ini("Music"), "1");
}

TEST_F(OptionsTest, BulbTypeDecidesBrokenAndChangeBulbs) {
    Open({{"BulbType", "5"}, {"Broken", "1"}, {"ChangeLights", "1"}});
    EXPECT_FALSE(Checked(dialog, IDC_OPT_BROKEN));
    EXPECT_FALSE(Enabled(dialog, IDC_OPT_BROKEN));
    EXPECT_FALSE(Checked(dialog, IDC_OPT_CHANGE_BULBS));
    EXPECT_FALSE(Enabled(dialog, IDC_OPT_CHANGE_BULBS));
    Select(IDC_OPT_BULB_TYPE, 1);   // Normal
    EXPECT_TRUE(Enabled(dialog, IDC_OPT_BROKEN));
    EXPECT_FALSE(Enabled(dialog, IDC_OPT_CHANGE_BULBS));
    Select(IDC_OPT_BULB_TYPE, 0);   // Random
    EXPECT_TRUE(Enabled(dialog, IDC_OPT_BROKEN));
    EXPECT_TRUE(Enabled(dialog, IDC_OPT_CHANGE_BULBS));
    Select(IDC_OPT_BULB_TYPE, 6);   // Bells again
    Press(IDOK);
    EXPECT_EQ(Ini("BulbType"), "5");
    EXPECT_EQ(Ini("Broken"), "0");
    EXPECT_EQ(Ini("ChangeLights"), "0");
}

TEST_F(OptionsTest, TipsAnswerForTheControlsAndGoWithTheDialog) {
    Open();
    NMTTDISPINFOA request{};
    request.hdr.code = TTN_NEEDTEXTA;
    request.hdr.idFrom = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, IDC_OPT_SAVER_TEST));
    SendMessageA(dialog, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    ASSERT_NE(request.lpszText, nullptr);
    EXPECT_STREQ(request.lpszText, "Test the screen saver");
    Press(IDCANCEL);
    EXPECT_EQ(optionsTips.hook, nullptr);
    EXPECT_EQ(optionsTips.tooltip, nullptr);
}

TEST_F(OptionsTest, ShowOptionsOnlyRaisesTheOpenDialogAndTheTrayGreysOptions) {
    Open();
    DestroyWindow(dialog);
    dialog = nullptr;
    ASSERT_FALSE(optionsOpen);
    // The modal dialog runs inside ShowOptions; a timer asks again from within it.
    static int dialogsSeen;
    static bool optionsGreyed;
    dialogsSeen = 0;
    optionsGreyed = false;
    UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
        if (!optionsOpen) return;
        KillTimer(nullptr, id);
        HWND open = optionsDialog;
        ShowOptions(mainWindow);    // a second request
        EXPECT_EQ(optionsDialog, open);
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND w, LPARAM) -> BOOL {
                if (IsWindowVisible(w) && Text(w) == "Options") ++dialogsSeen;
                return TRUE;
            },
            0);
        HMENU menu = TrayBuildMenu();
        optionsGreyed = GetMenuState(menu, static_cast<UINT>(kCmdOptions), MF_BYCOMMAND) & MF_GRAYED;
        DestroyMenu(menu);
        PostMessageA(open, WM_COMMAND, IDCANCEL, 0);
    });
    ShowOptions(mainWindow);
    KillTimer(nullptr, timer);
    EXPECT_EQ(dialogsSeen, 1);
    EXPECT_TRUE(optionsGreyed);
    EXPECT_FALSE(optionsOpen);
    EXPECT_EQ(optionsDialog, nullptr);
    HMENU menu = TrayBuildMenu();
    EXPECT_FALSE(GetMenuState(menu, static_cast<UINT>(kCmdOptions), MF_BYCOMMAND) & MF_GRAYED);
    DestroyMenu(menu);
}
