// Opening the Options dialog: every control shows the settings it stands for.
#include <windows.h>
#include <commctrl.h>

#include "app/commands.h"
#include "dialogs/context_tips.h"
#include "dialogs/preview.h"
#include "options_fixture.h"
#include "resource.h"
#include "shell/tray.h"

using namespace optest;

namespace {
LRESULT Item(HWND dialog, int id, UINT message, WPARAM wParam = 0) { return SendDlgItemMessageA(dialog, id, message, wParam, 0); }
bool TrayOptionsGreyed() {
    HMENU menu = TrayBuildMenu();
    const bool greyed = GetMenuState(menu, static_cast<UINT>(kCmdOptions), MF_BYCOMMAND) & MF_GRAYED;
    DestroyMenu(menu);
    return greyed;
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
    EXPECT_EQ(Item(dialog, IDC_OPT_BULB_TYPE, CB_GETCURSEL), 1);
    EXPECT_EQ(Item(dialog, IDC_OPT_COLOR, CB_GETCURSEL), 8);
    EXPECT_EQ(Item(dialog, IDC_OPT_SAVER_TYPE, CB_GETCURSEL), 3);
    EXPECT_EQ(Item(dialog, IDC_OPT_RATE, TBM_GETPOS), 1);
    EXPECT_EQ(ItemText(dialog, IDC_OPT_RATE_NAME), "Slow");
    EXPECT_EQ(ItemText(dialog, IDC_OPT_POWER_LABEL), "Off");
    EXPECT_EQ(dialogPower, 0);
    for (int id : {IDC_OPT_BURNT_OUT, IDC_OPT_BROKEN, IDC_OPT_MUSIC, IDC_OPT_MORE_LIGHTS, IDC_OPT_MISSING,
                   IDC_OPT_SAVER_ENABLE, IDC_OPT_NO_FLICKER, IDC_OPT_START_OPTIONS, IDC_OPT_IDLE, IDC_OPT_KEY_LIGHTS,
                   IDC_OPT_OWN_WINDOW})
        EXPECT_TRUE(Checked(dialog, id)) << id;
    for (int id : {IDC_OPT_CHANGE_BULBS, IDC_OPT_ZOOM, IDC_OPT_SOUND}) EXPECT_FALSE(Checked(dialog, id)) << id;
    // Shown but never the user's to change; Apply waits for a change.
    for (int id : {IDC_OPT_IDLE, IDC_OPT_OWN_WINDOW, IDC_OPT_APPLY}) EXPECT_FALSE(Enabled(dialog, id)) << id;
    for (int id : {IDC_OPT_SAVER_TEST, IDC_OPT_SAVER_SETUP, IDC_OPT_PLAYLIST}) EXPECT_TRUE(Enabled(dialog, id)) << id;
    // The music list: the files sorted, the playlist's files ticked.
    HWND list = GetDlgItem(dialog, IDC_OPT_PLAYLIST);
    ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 3);
    char name[64];
    SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(name));
    EXPECT_STREQ(name, "bells.mid");
    EXPECT_EQ(SendMessageA(list, LB_GETSELCOUNT, 0, 0), 2);
    EXPECT_GT(SendMessageA(list, LB_GETSEL, 0, 0), 0);
    EXPECT_EQ(SendMessageA(list, LB_GETSEL, 1, 0), 0);
    SendMessageA(dialog, WM_NOWPLAYING, 0, reinterpret_cast<LPARAM>("bells.mid"));
    EXPECT_EQ(ItemText(dialog, IDC_OPT_NOW_PLAYING), "Playing: bells.mid");
    EXPECT_EQ(optionsTips.dialog, dialog);   // tips over the controls while open
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
    for (int id : {IDC_OPT_SAVER_TEST, IDC_OPT_SAVER_SETUP, IDC_OPT_PLAYLIST}) EXPECT_FALSE(Enabled(dialog, id)) << id;
    EXPECT_EQ(ItemText(dialog, IDC_OPT_NOW_PLAYING), "Playing: <nothing>");
}

TEST_F(OptionsTest, WithoutMidiDeviceOrFilesMusicCannotBeChosen) {
    for (bool device : {false, true}) {
        MidiFiles files(device ? std::vector<std::string>{} : std::vector<std::string>{"carol.mid"});
        Open({{"Music", "1"}}, {}, device);
        EXPECT_FALSE(Checked(dialog, IDC_OPT_MUSIC)) << device;
        EXPECT_FALSE(Enabled(dialog, IDC_OPT_MUSIC) || Enabled(dialog, IDC_OPT_PLAYLIST)) << device;
        if (device) { EXPECT_EQ(ItemText(dialog, IDC_OPT_NOW_PLAYING), "No MIDI files found."); }
        EXPECT_EQ(Ini("Music"), "1");   // off in memory only, until OK stores it
        Press(IDOK);
        EXPECT_EQ(Ini("Music"), "0");
    }
}

TEST_F(OptionsTest, BulbTypeDecidesBrokenAndChangeBulbs) {
    Open({{"BulbType", "5"}, {"Broken", "1"}, {"ChangeLights", "1"}});
    EXPECT_FALSE(Checked(dialog, IDC_OPT_BROKEN) || Checked(dialog, IDC_OPT_CHANGE_BULBS));
    const struct { int item; bool broken, change; } cases[] = {
        {-1, false, false}, {1, true, false}, {0, true, true}, {6, false, false}};   // -1: as opened (Bells)
    for (const auto& c : cases) {
        if (c.item >= 0) Select(IDC_OPT_BULB_TYPE, c.item);
        EXPECT_EQ(Enabled(dialog, IDC_OPT_BROKEN), c.broken) << c.item;
        EXPECT_EQ(Enabled(dialog, IDC_OPT_CHANGE_BULBS), c.change) << c.item;
    }
    Press(IDOK);
    EXPECT_EQ(Ini("BulbType"), "5");
    EXPECT_EQ(Ini("Broken"), "0");
    EXPECT_EQ(Ini("ChangeLights"), "0");
}

TEST_F(OptionsTest, ShowOptionsKeepsTheOpenDialogAndTheTrayGreysOptions) {
    Open();
    DestroyWindow(dialog);
    dialog = nullptr;
    ASSERT_FALSE(optionsOpen);
    // The modal dialog runs inside ShowOptions; a timer asks again from within it.
    static bool greyedWhileOpen;
    greyedWhileOpen = false;
    UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) CALLBACK {
        if (!optionsOpen) return;
        KillTimer(nullptr, id);
        HWND open = optionsDialog;
        ShowOptions(mainWindow);
        EXPECT_EQ(optionsDialog, open);
        greyedWhileOpen = TrayOptionsGreyed();
        PostMessageA(open, WM_COMMAND, IDCANCEL, 0);
    });
    ShowOptions(mainWindow);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(greyedWhileOpen);
    EXPECT_FALSE(optionsOpen || optionsDialog);
    EXPECT_FALSE(TrayOptionsGreyed());
}
