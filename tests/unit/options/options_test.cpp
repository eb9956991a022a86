// The Options dialog: opening, Apply and OK, the music restart rule, commands, slider, and the ways it closes.
#include "options_fixture.h"

using namespace optest;

namespace {

// Each box and the key it stands for; "&More Lights" shows NotSoMany's opposite.
const std::pair<int, const char*> kBoxes[] = {
    {IDC_OPT_MUSIC, "Music"}, {IDC_OPT_SAVER_ENABLE, "ScreenSaver"}, {IDC_OPT_BURNT_OUT, "BurnedOut"}, {IDC_OPT_BROKEN, "Broken"},
    {IDC_OPT_MISSING, "MissingBulbs"}, {IDC_OPT_CHANGE_BULBS, "ChangeLights"}, {IDC_OPT_MORE_LIGHTS, "NotSoMany"}, {IDC_OPT_ZOOM, "Zoom"},
    {IDC_OPT_SOUND, "Sound"}, {IDC_OPT_START_OPTIONS, "StartOptions"}, {IDC_OPT_KEY_LIGHTS, "KeyLights"}, {IDC_OPT_IDLE, "IdleProcess"},
    {IDC_OPT_OWN_WINDOW, "OwnWindow"}, {IDC_OPT_NO_FLICKER, "NoFlicker"}};
// Five states of the dialog: Mode, Rate, Color, SSType, Power, and box i ticked in state s > 0 when bit
// s - 1 of i + 1 is set (state 0: when bit 0 is clear), so any two boxes differ in some applied state.
const int kStates[][5] = {{4, 1, 7, 3, 0}, {1, 4, -1, 6, 1}, {5, 0, 9, 0, 0}, {0, 3, 0, 5, 1}, {2, 2, 3, 1, 0}};
const char* const kKeys[] = {"Mode", "Rate", "Color", "SSType", "Power"};
bool Ticked(int box, int s) { return ((box + 1) >> (s ? s - 1 : 0) & 1) != (s == 0); }
const char* Stored(int box, int s) { return Ticked(box, s) != (kBoxes[box].first == IDC_OPT_MORE_LIGHTS) ? "1" : "0"; }

}  // namespace

TEST_F(OptionsTest, EachControlShowsItsSettingAndApplyHandsItBack) {
    const char* const rateNames[] = {"Very Slow", "Slow", "Medium", "Fast", "Very Fast"};
    MidiFiles files({"a.mid"});
    Open({{"BulbType", "-1"}}, {{"NumEntries", "1"}, {"MIDI1", "a.mid"}});
    for (int i = 0; i < 14; ++i) testenv::WriteIni(kSettingsSection, kBoxes[i].second, Stored(i, 0));
    for (int k = 0; k < 5; ++k) testenv::WriteIni(kSettingsSection, kKeys[k], std::to_string(kStates[0][k]).c_str());
    LoadSettings();
    for (int s = 0; s < 5; ++s) {
        const auto [mode, rate, color, ssType, power] = kStates[s];
        if (s > 0) {
            CheckRadioButton(dialog, IDC_OPT_MODE_FIRST, IDC_OPT_MODE_LAST, IDC_OPT_MODE_FIRST + mode);
            Item(IDC_OPT_RATE, TBM_SETPOS, TRUE, rate), Item(IDC_OPT_COLOR, CB_SETCURSEL, color + 1), Item(IDC_OPT_SAVER_TYPE, CB_SETCURSEL, ssType);
            for (int i = 0; i < 14; ++i) Tick(kBoxes[i].first, Ticked(i, s));
            if (dialogPower != power) Press(IDC_OPT_POWER);
            Press(IDC_OPT_APPLY);
            EXPECT_TRUE(GetFocus() == GetDlgItem(dialog, IDOK) && !Enabled(IDC_OPT_APPLY));
            for (int i = 0; i < 14; ++i) EXPECT_EQ(Ini(kBoxes[i].second), Stored(i, s)) << kBoxes[i].second << s;
            for (int k = 0; k < 5; ++k) EXPECT_EQ(Ini(kKeys[k]) + Ini("BulbType"), std::to_string(kStates[s][k]) + "-1") << kKeys[k] << s;
        }
        const unsigned zooms = zoomAnimationsRun;
        Reopen();
        EXPECT_EQ(zoomAnimationsRun - zooms, Ticked(7, s) ? 1u : 0u) << s;
        for (int m = 0; m < 6; ++m) EXPECT_EQ(Checked(IDC_OPT_MODE_FIRST + m), m == mode) << s;
        for (int i = 0; i < 14; ++i) EXPECT_EQ(Checked(kBoxes[i].first), Ticked(i, s)) << kBoxes[i].second << s;
        EXPECT_TRUE(previewMode == mode && dialogRate == rate && dialogPower == power && Item(IDC_OPT_RATE, TBM_GETPOS) == rate) << s;
        EXPECT_EQ(Label(IDC_OPT_RATE_NAME) + "|" + Label(IDC_OPT_POWER_LABEL), std::string(rateNames[rate]) + (power ? "|On" : "|Off"));
        EXPECT_EQ(Item(IDC_OPT_COLOR, CB_GETCURSEL) * 100 + Item(IDC_OPT_SAVER_TYPE, CB_GETCURSEL) * 10 + Item(IDC_OPT_BULB_TYPE, CB_GETCURSEL),
                  (color + 1) * 100 + ssType * 10) << s;
        // The music list follows Music, Test and Setup the saver; Apply waits for a change.
        EXPECT_TRUE(Enabled(IDC_OPT_PLAYLIST) == Ticked(0, s) && Enabled(IDC_OPT_SAVER_TEST) == Ticked(1, s) && Enabled(IDC_OPT_SAVER_SETUP) == Ticked(1, s));
        EXPECT_FALSE(Enabled(IDC_OPT_APPLY) || Enabled(IDC_OPT_IDLE) || Enabled(IDC_OPT_OWN_WINDOW)) << s;
    }
}

TEST_F(OptionsTest, OpeningStepsListsColoursAndTimer) {
    musicListChanged = 1;
    Open();
    EXPECT_TRUE(optionsOpen && optionsDialog == dialog && optionsTips.dialog == dialog && !musicListChanged);
    char text[64] = "";   // the system menu's About item
    GetMenuStringA(GetSystemMenu(dialog, FALSE), 1000, text, sizeof text, MF_BYCOMMAND);
    EXPECT_EQ(Label(IDC_OPT_VERSION) + "|" + text, "2..1|&About Lumenkin...");
    for (auto [message, want] : {std::pair{TBM_GETRANGEMIN, 0}, {TBM_GETRANGEMAX, 4}, {TBM_GETNUMTICS, 5}, {TBM_GETLINESIZE, 1}, {TBM_GETPAGESIZE, 1}})
        EXPECT_EQ(Item(IDC_OPT_RATE, message), want) << message;
    // Lists filled from the string table until a string is missing; item heights from the pickers.
    std::string items;
    for (auto [id, i] : {std::pair{IDC_OPT_BULB_TYPE, 0}, {IDC_OPT_BULB_TYPE, 21}, {IDC_OPT_SAVER_TYPE, 0}, {IDC_OPT_SAVER_TYPE, 6}})
        items += (Item(id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text)), text) + std::string("|");
    for (int i = 0; i < 11; ++i) items += (Item(IDC_OPT_COLOR, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text)), text) + std::string("|");
    EXPECT_EQ(items, "Random|Holly|Falling Snow|Sparks!|LightRandom:Random|Light10:Purple|Light11:Blue|Light12:Red|Light13:Green|"
                     "Light14:Yellow|Light15:Indigo|Light16:White|RedGreen:Red & Green|Light11:Colored|TheBlues:Blues|");
    EXPECT_EQ(Item(IDC_OPT_BULB_TYPE, CB_GETCOUNT) * 100 + Item(IDC_OPT_SAVER_TYPE, CB_GETCOUNT) * 10 + Item(IDC_OPT_COLOR, CB_GETCOUNT), 2281);
    EXPECT_EQ(Item(IDC_OPT_BULB_TYPE, CB_GETITEMHEIGHT) * 100 + Item(IDC_OPT_COLOR, CB_GETITEMHEIGHT) + Item(IDC_OPT_PLAYLIST, LB_GETITEMHEIGHT), 3654);
    HDC dc = GetDC(dialog);
    for (auto [message, ink] : {std::pair{WM_CTLCOLORDLG, RGB(0, 0, 0)}, {WM_CTLCOLORBTN, RGB(0, 0, 0)}, {WM_CTLCOLORSTATIC, GetSysColor(COLOR_WINDOWTEXT)}}) {
        SetTextColor(dc, RGB(1, 2, 3));
        EXPECT_EQ(SendMessageA(dialog, message, reinterpret_cast<WPARAM>(dc), 0), reinterpret_cast<LRESULT>(GetStockObject(LTGRAY_BRUSH)));
        EXPECT_EQ(std::pair(GetTextColor(dc), GetBkColor(dc)), std::pair(ink, RGB(192, 192, 192))) << message;
    }
    ReleaseDC(dialog, dc);
    // Timer 1 every 50 ms: a count that cannot wrap (far below the slowest rate) over half a second.
    dialogRate = -100, previewTicks = 0;
    const DWORD start = GetTickCount();
    testenv::Pump(500);
    const int ticks = previewTicks, elapsed = static_cast<int>(GetTickCount() - start);
    EXPECT_TRUE(ticks >= elapsed / 200 && ticks <= elapsed / 50 + 2 && KillTimer(dialog, 1)) << ticks << " in " << elapsed << " ms";
}

TEST_F(OptionsTest, PlayingLabelAndMusicBoxAtOpening) {
    const struct { bool files, device; const char *music, *song, *label; bool box, list; const char* stored; } rows[] = {
        {true, true, "1", "", "Playing: |x-x", true, true, "1"},      // no song started yet in this run
        {true, true, "1", "carol.mid", "Playing: carol.mid|x-x", true, true, "1"}, {true, true, "0", "carol.mid", "Playing: <nothing>|x-x", true, false, "0"},
        {false, true, "1", "", "No MIDI files found.|", false, false, "0"}, {false, true, "0", "", "No MIDI files found.|", false, false, "0"},
        {true, false, "1", "", "Playing: |x-x", false, false, "0"}};
    for (const auto& r : rows) {   // the files sorted, the playlist's ticked: names match without regard to case, a missing one is skipped
        MidiFiles files(r.files ? Strings{"carol.mid", "Sleigh.mid", "bells.mid"} : Strings{});
        currentSong = r.song, currentSongError.clear();
        Open({{"Music", r.music}}, {{"NumEntries", "3"}, {"MIDI1", "SLEIGH.MID"}, {"MIDI2", "gone.mid"}, {"MIDI3", "bells.mid"}}, r.device);
        std::string shown = Label(IDC_OPT_NOW_PLAYING) + "|";
        for (int i = 0; i < Item(IDC_OPT_PLAYLIST, LB_GETCOUNT); ++i) shown += Item(IDC_OPT_PLAYLIST, LB_GETSEL, i) > 0 ? "x" : "-";
        EXPECT_EQ(shown, r.label);
        EXPECT_TRUE(Enabled(IDC_OPT_MUSIC) == r.box && Enabled(IDC_OPT_PLAYLIST) == r.list) << r.label;
        Press(IDOK);
        EXPECT_EQ(Ini("Music"), r.stored) << r.label;
    }
}

// Apply starts the playlist again at entry 1 exactly when Music, Power or the playlist changed.
TEST_F(OptionsTest, ApplyRestartsTheMusicOnlyAfterAChange) {
    MidiFiles files({"a.mid", "b.mid", "c.mid"});
    const struct { const char *music, *power; int change; const char* after; bool playing; } rows[] = {   // song, Current, NumEntries
        {"1", "1", 0, "b.mid23", true}, {"0", "1", IDC_OPT_MUSIC, "a.mid13", true}, {"1", "0", IDC_OPT_POWER, "a.mid13", true},
        {"1", "1", IDC_OPT_PLAYLIST, "b.mid12", true},                                 // a.mid unticked
        {"1", "1", IDC_OPT_MUSIC, "b.mid23", false}, {"1", "1", IDC_OPT_POWER, "b.mid23", false}};
    for (const auto& r : rows) {
        Open({{"Music", r.music}, {"Power", r.power}}, {{"NumEntries", "3"}, {"MIDI1", "a.mid"}, {"MIDI2", "b.mid"}, {"MIDI3", "c.mid"}, {"Current", "1"}});
        MIDIStop(), MIDIPlayNext(mainWindow);   // b.mid plays: "Current" is 2 of 3, where wrapping cannot hide a restart
        if (r.change == IDC_OPT_PLAYLIST) Item(IDC_OPT_PLAYLIST, LB_SETSEL, FALSE, 0);
        if (r.change) Tick(r.change, !Checked(r.change)), Press(r.change, r.change == IDC_OPT_PLAYLIST ? LBN_SELCHANGE : BN_CLICKED);
        EXPECT_EQ(musicListChanged, r.change == IDC_OPT_PLAYLIST);
        Press(IDC_OPT_APPLY);
        EXPECT_EQ(currentSong + Ini("Current", kMusicSection) + Ini("NumEntries", kMusicSection), r.after) << r.change;
        EXPECT_TRUE(bPlaying == r.playing && !musicListChanged) << r.change;
    }
    // Music on with nothing ticked: the user is told, and the music goes off with an empty list.
    Item(IDC_OPT_PLAYLIST, LB_SETSEL, FALSE, -1);
    Answerer box;
    Press(IDC_OPT_APPLY);
    EXPECT_EQ(box.seen, Strings{"Lumenkin v2.1|No music has been selected, so music will be turned off."});
    EXPECT_EQ(Ini("Music") + Ini("NumEntries", kMusicSection) + std::to_string(Checked(IDC_OPT_MUSIC) + Enabled(IDC_OPT_PLAYLIST)), "000");
    MIDIStop();
}

TEST_F(OptionsTest, BulbTypeDecidesBrokenAndChangeBulbs) {
    Open({{"BulbType", "5"}, {"Broken", "1"}, {"ChangeLights", "1"}});
    const auto look = [&](int id) { return std::string(!Enabled(id) ? (Checked(id) ? "bad" : "grey") : Checked(id) ? "on" : "off"); };
    const struct { int sender, bulbItem, code; const char* want; } rows[] = {
        {0, 6, 0, "grey grey"}, {IDC_OPT_BULB_TYPE, 0, CBN_SELCHANGE, "off off"}, {IDC_OPT_BULB_TYPE, 2, CBN_DROPDOWN, "on on"},
        {IDC_OPT_PLAYLIST, 2, LBN_SELCHANGE, "on on"}, {IDC_OPT_COLOR, 1, CBN_SELCHANGE, "on grey"}, {IDC_OPT_BULB_TYPE, 2, CBN_SELCHANGE, "grey grey"}};
    for (const auto& r : rows) {   // Bells as opened, Random; a drop-down and the music list's change do not count; Normal, Round
        Item(IDC_OPT_BULB_TYPE, CB_SETCURSEL, r.bulbItem);
        if (r.sender) Press(r.sender, r.code);
        EXPECT_EQ(look(IDC_OPT_BROKEN) + " " + look(IDC_OPT_CHANGE_BULBS), r.want) << r.sender << " " << r.code;
        for (int id : {IDC_OPT_BROKEN, IDC_OPT_CHANGE_BULBS}) Tick(id, Enabled(id));
    }
    Press(IDOK);
    EXPECT_EQ(Ini("BulbType") + Ini("Broken") + Ini("ChangeLights") + std::to_string(effectiveBulbType), "1001");   // the string takes them at once
}

TEST_F(OptionsTest, EveryCommandEnablesApplyNotesActivityAndClicksAsItsRowSays) {
    Open({{"ScreenSaver", "1"}, {"SSType", "5"}});
    Clicks clicks;
    Answerer boxes;
    settings.Sound = 1;
    const auto row = [&](int id, int code, int wantClicks) {
        EnableWindow(GetDlgItem(dialog, IDC_OPT_APPLY), FALSE);
        lastActivityTick = Clicks::count = 0;
        Press(id, code);
        EXPECT_TRUE(Enabled(IDC_OPT_APPLY) && lastActivityTick && Clicks::count == wantClicks) << id;
        StopSaver();
    };
    for (int id : {101, 102, 103, 104, 105, 106, 135, 136, 137, 147, 159, 160, 163, 170, 174, 1008, 146, 153, 400, 154, 166, 9, 1000}) row(id, 0, 1);
    for (int id : {IDC_OPT_OWN_WINDOW, IDC_OPT_NO_FLICKER}) row(id, 0, 0);
    for (int id : {IDC_OPT_BULB_TYPE, IDC_OPT_COLOR, IDC_OPT_PLAYLIST, IDC_OPT_SAVER_TYPE}) row(id, 1, 0);
    ASSERT_EQ(boxes.seen.size(), 3u);   // Setup, Help (its first and last lines), About
    EXPECT_EQ(boxes.seen[0].rfind("Lumenkin v2.1 Screen Saver Setup", 0) + boxes.seen[2].rfind("About Lumenkin...", 0), 0u);
    EXPECT_EQ(boxes.seen[1].substr(0, 73) + boxes.seen[1].substr(boxes.seen[1].size() - 58), "Lumenkin v2.1|Select various settings for "
              "the Lumenkin and press OK/Apply keyboard status LEDs and number of lights in the string.\n");
    for (int m = 0; m < 6; ++m) {   // mode buttons start the preview in their mode; Some Flash keeps the picture
        previewPattern = 0x12, std::srand(5), Press(IDC_OPT_MODE_FIRST + m), std::srand(5);
        const int start[] = {0xFF, std::rand() % 256, 0xFF, 0x11, 0x55, 0x12};
        EXPECT_EQ(previewMode * 1000 + previewPattern, m * 1000 + start[m]) << m;
    }
    for (bool on : {true, false}) {   // "&Play Music" opens the list, "Enable" Test and Setup; the switch flips the power shown
        Tick(IDC_OPT_MUSIC, on), Tick(IDC_OPT_SAVER_ENABLE, on);
        for (int id : {IDC_OPT_MUSIC, IDC_OPT_SAVER_ENABLE, IDC_OPT_POWER}) Press(id);
        std::string shown = Label(IDC_OPT_POWER_LABEL) + std::to_string(dialogPower);
        for (int id : {IDC_OPT_PLAYLIST, IDC_OPT_SAVER_TEST, IDC_OPT_SAVER_SETUP}) shown += Enabled(id) ? "+" : "-";
        EXPECT_EQ(shown, on ? "On1+++" : "Off0---");   // the rows above left the power off
    }
    // Test and Setup take the chosen saver type into the settings at once.
    Item(IDC_OPT_SAVER_TYPE, CB_SETCURSEL, 5), Press(IDC_OPT_SAVER_TEST);
    EXPECT_TRUE(saverRunning && settings.SSType == 5);
    StopSaver(), Item(IDC_OPT_SAVER_TYPE, CB_SETCURSEL, 2), Press(IDC_OPT_SAVER_SETUP);
    EXPECT_EQ(settings.SSType, 2);
}

TEST_F(OptionsTest, SliderScrollCodesMoveTheRate) {
    Open({{"Rate", "2"}});
    const int codes[][3] = {{TB_LINEDOWN, 0, 3}, {TB_PAGEDOWN, 0, 4}, {TB_LINEDOWN, 0, 4}, {TB_TOP, 0, 0}, {TB_LINEUP, 0, 0}, {TB_BOTTOM, 0, 4},
                            {TB_PAGEUP, 0, 3}, {TB_THUMBTRACK, 1, 1}, {TB_THUMBPOSITION, 2, 2}, {TB_ENDTRACK, 4, 2}, {TB_LINEUP, 0, 1}};
    for (auto [code, thumb, rate] : codes) {   // rate after the code
        EnableWindow(GetDlgItem(dialog, IDC_OPT_APPLY), FALSE);
        SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(code, thumb), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_OPT_RATE)));
        EXPECT_EQ(dialogRate * 100 + Item(IDC_OPT_RATE, TBM_GETPOS) * 10 + Enabled(IDC_OPT_APPLY), rate * 110 + 1) << code;
    }
    EXPECT_EQ(Label(IDC_OPT_RATE_NAME) + std::to_string(settings.Rate), "Slow2");   // the setting waits for Apply
    SetFocus(GetDlgItem(dialog, IDC_OPT_RATE)), Item(IDC_OPT_RATE, WM_KEYDOWN, VK_RIGHT);   // a key moves it one place, no more
    EXPECT_EQ(dialogRate * 10 + Item(IDC_OPT_RATE, TBM_GETPOS), 22);
}

TEST_F(OptionsTest, CancellingAnyWayReloadsTheFileAndQuitPostsRemoveLights) {
    Open({{"SSType", "1"}, {"ScreenSaver", "1"}, {"Mode", "3"}});
    const std::string before = testenv::IniText();
    for (const auto& [message, command, quit] : {std::tuple{WM_COMMAND, IDCANCEL, false}, {WM_SYSCOMMAND, SC_CLOSE, false},
                                                 {WM_SYSCOMMAND, SC_MINIMIZE, false}, {WM_COMMAND, IDC_OPT_QUIT, true}}) {
        Reopen();
        Item(IDC_OPT_SAVER_TYPE, CB_SETCURSEL, 4), Press(IDC_OPT_SAVER_TEST), StopSaver();   // the type goes into the record at once
        Item(IDC_OPT_MODE_FIRST, BM_CLICK);
        Clicks clicks;
        settings.Sound = 1;
        SendMessageA(dialog, message, command, 0);
        if (!quit) testenv::Pump();   // what the dialog posted itself; Quit's own post would end the program
        EXPECT_FALSE(optionsOpen || optionsDialog || IsWindowVisible(dialog) || optionsTips.tooltip || KillTimer(dialog, 1));
        EXPECT_EQ(Clicks::count * 10 + settings.SSType + (testenv::IniText() == before), quit ? 15 : 12) << command;   // Quit neither saves nor reloads
        MSG posted{};
        EXPECT_EQ(PeekMessageA(&posted, mainWindow, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE) * 100000 + posted.wParam * 10 + posted.lParam, quit ? 110030u : 0u);
    }
}

TEST_F(OptionsTest, OkWithThePowerOffWarnsUntilToldNotTo) {
    Open({{"Power", "1"}, {"WarnPower", "1"}});
    Answerer warning(IDC_WARNPOWER_NOTAGAIN);
    Press(IDC_OPT_POWER), Press(IDC_OPT_APPLY);   // Apply alone never warns
    EXPECT_TRUE(warning.seen.empty());
    Press(IDOK);
    EXPECT_EQ(warning.seen.size() == 1 ? warning.seen[0].substr(0, 14) : "", "Lumenkin v2.1|");
    EXPECT_EQ(Ini("Power") + Ini("WarnPower") + std::to_string(optionsOpen), "000");   // the tick saved at once
    Reopen(), Press(IDOK);
    EXPECT_EQ(warning.seen.size(), 1u);
}
