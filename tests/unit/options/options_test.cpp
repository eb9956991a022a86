// The Options dialog: opening, Apply and OK, the music restart rule, the commands and slider, the ways it
// closes, the flash preview, and the hand-drawn lists and switch.
#include "options_fixture.h"

using namespace optest;

namespace {

// Each box and the key it stands for; "&More Lights" shows NotSoMany's opposite.
const std::pair<int, const char*> kBoxes[] = {
    {IDC_OPT_MUSIC, "Music"}, {IDC_OPT_SAVER_ENABLE, "ScreenSaver"}, {IDC_OPT_BURNT_OUT, "BurnedOut"}, {IDC_OPT_BROKEN, "Broken"},
    {IDC_OPT_MISSING, "MissingBulbs"}, {IDC_OPT_CHANGE_BULBS, "ChangeLights"}, {IDC_OPT_MORE_LIGHTS, "NotSoMany"}, {IDC_OPT_ZOOM, "Zoom"},
    {IDC_OPT_SOUND, "Sound"}, {IDC_OPT_START_OPTIONS, "StartOptions"}, {IDC_OPT_KEY_LIGHTS, "KeyLights"}, {IDC_OPT_IDLE, "IdleProcess"},
    {IDC_OPT_OWN_WINDOW, "OwnWindow"}, {IDC_OPT_NO_FLICKER, "NoFlicker"}};
// Four states of the dialog: Mode, Rate, Color, SSType, Power; box i ticked in state s when bit s of i + 1 is set.
const int kStates[][5] = {{1, 4, -1, 6, 1}, {5, 0, 9, 0, 0}, {0, 3, 0, 5, 1}, {2, 1, 3, 1, 0}};
const char *const kKeys[] = {"Mode", "Rate", "Color", "SSType", "Power"}, *const kRateNames[] = {"Very Slow", "Slow", "Medium", "Fast", "Very Fast"};
bool Ticked(int box, int s) { return (box + 1) >> s & 1; }
const char* Stored(int box, int s) { return Ticked(box, s) != (kBoxes[box].first == IDC_OPT_MORE_LIGHTS) ? "1" : "0"; }

struct Canvas {   // a 32-bit memory canvas, white at first, in the font of `fontOf`; compared bit for bit
    int w, h;
    HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    HGDIOBJ previous = SelectObject(dc, CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    Canvas(int width, int height, HWND fontOf = nullptr) : w(width), h(height) {
        PatBlt(dc, 0, 0, w, h, WHITENESS), SelectObject(dc, GetStockObject(DC_PEN));
        if (fontOf) SelectObject(dc, HGDIOBJ(SendMessageA(fontOf, WM_GETFONT, 0, 0)));
    }
    ~Canvas() { DeleteObject(SelectObject(dc, previous)), DeleteDC(dc); }
    bool operator==(const Canvas& o) const { return GdiFlush(), std::memcmp(bits, o.bits, w * h * 4) == 0; }
    void Face(COLORREF back, COLORREF ink, int left, const char* text) {   // `back` all over, `text` from `left` on one centred line
        RECT all{0, 0, w, h}, label{left, 0, w, h};
        SetDCBrushColor(dc, back), FillRect(dc, &all, HBRUSH(GetStockObject(DC_BRUSH))), SetBkColor(dc, back), SetTextColor(dc, ink);
        DrawTextA(dc, text, -1, &label, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX);
    }
    void Blit(const char* picture, int x, int y, int cw, int ch, int sx, int sy) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, LoadBitmapA(GetModuleHandleA(nullptr), picture));
        BitBlt(dc, x, y, cw, ch, source, sx, sy, SRCCOPY), DeleteObject(SelectObject(source, old)), DeleteDC(source);
    }
    Canvas& DrawnBy(HWND dialog, int id, UINT type, UINT action, bool selected) {   // the items: Bells, Red & Green, the first file
        DRAWITEMSTRUCT d{type, UINT(id), id == IDC_OPT_BULB_TYPE ? 5u : id == IDC_OPT_COLOR ? 8u : 0u, action,
                         selected ? UINT(ODS_SELECTED) : 0u, GetDlgItem(dialog, id), dc, {0, 0, w, h}, 0};
        return SendMessageA(dialog, WM_DRAWITEM, id, LPARAM(&d)), *this;
    }
};

}  // namespace

TEST_F(OptionsTest, OpeningStepsAndEachControlShowingItsSettingAndApplyHandingItBack) {
    MidiFiles files({"a.mid"});
    musicListChanged = 1;
    Open({{"BulbType", "-1"}}, {{"NumEntries", "1"}, {"MIDI1", "a.mid"}});
    char text[64] = "";   // the system menu's About item
    GetMenuStringA(GetSystemMenu(dialog, FALSE), 1000, text, sizeof text, MF_BYCOMMAND);
    EXPECT_TRUE(optionsOpen && optionsDialog == dialog && optionsTips.dialog == dialog && !musicListChanged);
    EXPECT_EQ(Label(IDC_OPT_VERSION) + "|" + text, "2..1|&About Lumenkin...");
    for (auto [message, want] : {std::pair{TBM_GETRANGEMIN, 0}, {TBM_GETRANGEMAX, 4}, {TBM_GETNUMTICS, 5}, {TBM_GETLINESIZE, 1}, {TBM_GETPAGESIZE, 1}})
        EXPECT_EQ(Item(IDC_OPT_RATE, message), want) << message;
    std::string items;   // lists filled from the string table until a string is missing; item heights from the pickers
    for (int id : {IDC_OPT_BULB_TYPE, IDC_OPT_SAVER_TYPE, IDC_OPT_COLOR})
        for (LRESULT i : {LRESULT{0}, Item(id, CB_GETCOUNT) - 1}) items += std::to_string(i) + (Item(id, CB_GETLBTEXT, i, LPARAM(text)), text) + "|";
    EXPECT_EQ(items, "0Random|21Holly|0Falling Snow|6Sparks!|0LightRandom:Random|10TheBlues:Blues|");
    EXPECT_EQ(Item(IDC_OPT_BULB_TYPE, CB_GETITEMHEIGHT) * 100 + Item(IDC_OPT_COLOR, CB_GETITEMHEIGHT) + Item(IDC_OPT_PLAYLIST, LB_GETITEMHEIGHT), 3654);
    HDC dc = GetDC(dialog);   // the grey of the dialog, its buttons and its texts
    for (UINT message : {WM_CTLCOLORDLG, WM_CTLCOLORBTN, WM_CTLCOLORSTATIC})
        EXPECT_TRUE(SendMessageA(dialog, message, WPARAM(dc), 0) == LRESULT(GetStockObject(LTGRAY_BRUSH)) && GetBkColor(dc) == RGB(192, 192, 192));
    dialogRate = -100, previewTicks = 0, ReleaseDC(dialog, dc), testenv::Pump(600);   // timer 1 ticks the preview every 50 ms
    EXPECT_TRUE(previewTicks >= 2 && KillTimer(dialog, 1)) << previewTicks;
    for (int s = 0; s < 4; ++s) {
        const auto [mode, rate, color, ssType, power] = kStates[s];
        CheckRadioButton(dialog, IDC_OPT_MODE_FIRST, IDC_OPT_MODE_LAST, IDC_OPT_MODE_FIRST + mode), Item(IDC_OPT_RATE, TBM_SETPOS, TRUE, rate);
        Item(IDC_OPT_COLOR, CB_SETCURSEL, color + 1), Item(IDC_OPT_SAVER_TYPE, CB_SETCURSEL, ssType);
        for (int i = 0; i < 14; ++i) Tick(kBoxes[i].first, Ticked(i, s));
        if (dialogPower != power) Press(IDC_OPT_POWER);
        Press(IDC_OPT_APPLY);
        EXPECT_TRUE(GetFocus() == GetDlgItem(dialog, IDOK) && !Enabled(IDC_OPT_APPLY));
        for (int i = 0; i < 14; ++i) EXPECT_EQ(Ini(kBoxes[i].second), Stored(i, s)) << kBoxes[i].second << s;
        for (int k = 0; k < 5; ++k) EXPECT_EQ(Ini(kKeys[k]) + Ini("BulbType"), std::to_string(kStates[s][k]) + "-1") << kKeys[k];
        const unsigned zooms = zoomAnimationsRun;
        Reopen();
        for (int m = 0; m < 6; ++m) EXPECT_EQ(Checked(IDC_OPT_MODE_FIRST + m), m == mode) << s;
        for (int i = 0; i < 14; ++i) EXPECT_EQ(Checked(kBoxes[i].first), Ticked(i, s)) << kBoxes[i].second << s;
        EXPECT_TRUE(previewMode == mode && dialogRate == rate && dialogPower == power && zoomAnimationsRun - zooms == Ticked(7, s));
        EXPECT_EQ(Label(IDC_OPT_RATE_NAME) + "|" + Label(IDC_OPT_POWER_LABEL), std::string(kRateNames[rate]) + (power ? "|On" : "|Off"));
        EXPECT_EQ(std::vector<LRESULT>({Item(IDC_OPT_RATE, TBM_GETPOS), Item(IDC_OPT_COLOR, CB_GETCURSEL), Item(IDC_OPT_SAVER_TYPE, CB_GETCURSEL),
                                        Item(IDC_OPT_BULB_TYPE, CB_GETCURSEL)}), std::vector<LRESULT>({rate, color + 1, ssType, 0}));
        // The music list follows Music, Test and Setup the saver; Apply waits for a change; two boxes are never the user's to change.
        EXPECT_EQ(Enabled(IDC_OPT_PLAYLIST) * 100 + Enabled(IDC_OPT_SAVER_TEST) * 10 + Enabled(IDC_OPT_SAVER_SETUP), Ticked(0, s) * 100 + Ticked(1, s) * 11);
        EXPECT_FALSE(Enabled(IDC_OPT_APPLY) || Enabled(IDC_OPT_IDLE) || Enabled(IDC_OPT_OWN_WINDOW)) << s;
    }
}

TEST_F(OptionsTest, PlayingLabelAndMusicBoxAtOpening) {
    const struct { bool files, device; const char *music, *song, *label; bool box, list; const char* stored; } rows[] = {
        {true, true, "1", "", "Playing: |x-x", true, true, "1"}, {true, true, "1", "carol.mid", "Playing: carol.mid|x-x", true, true, "1"},
        {true, true, "0", "carol.mid", "Playing: <nothing>|x-x", true, false, "0"},   // first row: no song started yet in this run
        {false, true, "1", "", "No MIDI files found.|", false, false, "0"}, {false, true, "0", "", "No MIDI files found.|", false, false, "0"},
        {true, false, "1", "", "Playing: |x-x", false, false, "0"}};
    for (const auto& r : rows) {   // the files sorted, the playlist's ticked: names match without regard to case, a missing one is skipped
        MidiFiles files(r.files ? Strings{"carol.mid", "Sleigh.mid", "bells.mid"} : Strings{});
        currentSong = r.song, currentSongError.clear();
        Open({{"Music", r.music}}, {{"NumEntries", "3"}, {"MIDI1", "SLEIGH.MID"}, {"MIDI2", "gone.mid"}, {"MIDI3", "bells.mid"}}, r.device);
        std::string shown = Label(IDC_OPT_NOW_PLAYING) + "|";
        for (int i = 0; i < Item(IDC_OPT_PLAYLIST, LB_GETCOUNT); ++i) shown += Item(IDC_OPT_PLAYLIST, LB_GETSEL, i) > 0 ? "x" : "-";
        EXPECT_TRUE(shown == r.label && Enabled(IDC_OPT_MUSIC) == r.box && Enabled(IDC_OPT_PLAYLIST) == r.list) << shown;
        EXPECT_EQ((Press(IDOK), Ini("Music")), r.stored) << r.label;   // what the box said
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
        Open({{"Music", r.music}, {"Power", r.power}}, {{"NumEntries", "3"}, {"MIDI1", "a.mid"}, {"MIDI2", "b.mid"}, {"MIDI3", "c.mid"}});
        MIDIStop(), testenv::WriteIni(kMusicSection, "Current", "1"), MIDIPlayNext(mainWindow);   // b.mid plays: "Current" is 2 of 3
        if (r.change == IDC_OPT_PLAYLIST) Item(IDC_OPT_PLAYLIST, LB_SETSEL, FALSE, 0);
        if (r.change) Tick(r.change, !Checked(r.change)), Press(r.change, r.change == IDC_OPT_PLAYLIST ? LBN_SELCHANGE : BN_CLICKED);
        EXPECT_EQ(musicListChanged, r.change == IDC_OPT_PLAYLIST);
        Press(IDC_OPT_APPLY);
        EXPECT_EQ(currentSong + Ini("Current", kMusicSection) + Ini("NumEntries", kMusicSection), r.after) << r.change;
        EXPECT_TRUE(bPlaying == r.playing && !musicListChanged) << r.change;
    }
    Item(IDC_OPT_PLAYLIST, LB_SETSEL, FALSE, -1), Press(IDC_OPT_APPLY), MIDIStop();   // nothing ticked: the user is told, music goes off
    EXPECT_EQ(std::exchange(boxes.seen, {}), Strings{"Lumenkin v2.1|No music has been selected, so music will be turned off."});
    EXPECT_EQ(Ini("Music") + Ini("NumEntries", kMusicSection) + std::to_string(Checked(IDC_OPT_MUSIC) + Enabled(IDC_OPT_PLAYLIST)), "000");
}

TEST_F(OptionsTest, BulbTypeDecidesBrokenAndChangeBulbs) {
    Open({{"BulbType", "5"}, {"Broken", "1"}, {"ChangeLights", "1"}});
    const auto look = [&](int id) { return std::string(!Enabled(id) ? (Checked(id) ? "bad" : "grey") : Checked(id) ? "on" : "off"); };
    // Bells as opened, Random; a drop-down and the music list's change do not count; another list re-runs the rule: Normal; Round.
    for (auto [sender, bulbItem, code, want] : {std::tuple{0, 6, 0, "grey grey"}, {IDC_OPT_BULB_TYPE, 0, CBN_SELCHANGE, "off off"},
             {IDC_OPT_BULB_TYPE, 2, CBN_DROPDOWN, "on on"}, {IDC_OPT_PLAYLIST, 2, LBN_SELCHANGE, "on on"},
             {IDC_OPT_COLOR, 1, CBN_SELCHANGE, "on grey"}, {IDC_OPT_BULB_TYPE, 2, CBN_SELCHANGE, "grey grey"}}) {
        if (Item(IDC_OPT_BULB_TYPE, CB_SETCURSEL, bulbItem), sender) Press(sender, code);
        EXPECT_EQ(look(IDC_OPT_BROKEN) + " " + look(IDC_OPT_CHANGE_BULBS), want) << sender << " " << code;
        Tick(IDC_OPT_BROKEN, Enabled(IDC_OPT_BROKEN)), Tick(IDC_OPT_CHANGE_BULBS, Enabled(IDC_OPT_CHANGE_BULBS));
    }
    Press(IDOK);   // the string takes the bulbs at once
    EXPECT_EQ(Ini("BulbType") + Ini("Broken") + Ini("ChangeLights") + std::to_string(effectiveBulbType), "1001");
}

TEST_F(OptionsTest, SliderCodesAndEveryCommandEnableApplyNoteActivityAndClickAsTheirRowsSay) {
    Open({{"ScreenSaver", "1"}, {"SSType", "5"}, {"Rate", "2"}});
    for (auto [code, thumb, rate] : {std::tuple{TB_LINEDOWN, 0, 3}, {TB_PAGEDOWN, 0, 4}, {TB_LINEDOWN, 0, 4}, {TB_TOP, 0, 0}, {TB_LINEUP, 0, 0},
             {TB_BOTTOM, 0, 4}, {TB_PAGEUP, 0, 3}, {TB_THUMBTRACK, 1, 1}, {TB_THUMBPOSITION, 2, 2}, {TB_ENDTRACK, 4, 2}, {TB_LINEUP, 0, 1}}) {
        EnableWindow(GetDlgItem(dialog, IDC_OPT_APPLY), FALSE);   // then the rate after each code
        SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(code, thumb), LPARAM(GetDlgItem(dialog, IDC_OPT_RATE)));
        EXPECT_EQ(dialogRate * 100 + Item(IDC_OPT_RATE, TBM_GETPOS) * 10 + Enabled(IDC_OPT_APPLY), rate * 110 + 1) << code;
    }
    SetFocus(GetDlgItem(dialog, IDC_OPT_RATE)), Item(IDC_OPT_RATE, WM_KEYDOWN, VK_RIGHT);   // a key moves it one place, no more
    EXPECT_EQ(Label(IDC_OPT_RATE_NAME) + std::to_string(dialogRate * 10 + settings.Rate), "Medium22");   // the setting waits for Apply
    const auto row = [&](int id, int code, bool click) {   // a key click leaves its sound held
        EnableWindow(GetDlgItem(dialog, IDC_OPT_APPLY), FALSE), lastActivityTick = 0, heldEffect = nullptr, Press(id, code), StopSaver();
        EXPECT_TRUE(Enabled(IDC_OPT_APPLY) && lastActivityTick && !heldEffect == !click) << id;
    };
    settings.Sound = 1;
    for (int id : {101, 102, 103, 104, 105, 106, 135, 136, 137, 147, 159, 160, 163, 170, 174, 1008, 146, 153, 400, 154, 166, 9, 1000}) row(id, 0, 1);
    for (int id : {IDC_OPT_OWN_WINDOW, IDC_OPT_NO_FLICKER}) row(id, 0, false);
    for (int id : {IDC_OPT_BULB_TYPE, IDC_OPT_COLOR, IDC_OPT_PLAYLIST, IDC_OPT_SAVER_TYPE}) row(id, 1, false);
    SendMessageA(dialog, WM_SYSCOMMAND, kCmdAbout, 0);   // the system menu's About
    const Strings seen = std::exchange(boxes.seen, {});   // Setup, Help (its first line), About twice
    EXPECT_EQ(seen.size() < 4 ? "" : seen[0].substr(0, 32) + seen[1].substr(0, 73) + seen[2].substr(0, 17) + seen[3].substr(0, 17),
              "Lumenkin v2.1 Screen Saver SetupLumenkin v2.1|Select various settings for the Lumenkin and press OK/ApplyAbout Lumenkin...About Lumenkin...");
    for (int m = 0; m < 6; ++m) {   // mode buttons start the preview in their mode; Some Flash keeps the picture
        const int start[] = {0xFF, (std::srand(5), std::rand() % 256), 0xFF, 0x11, 0x55, 0x12};
        previewPattern = 0x12, std::srand(5), Press(IDC_OPT_MODE_FIRST + m);
        EXPECT_EQ(previewMode * 1000 + previewPattern, m * 1000 + start[m]) << m;
    }
    for (bool on : {true, false}) {   // "&Play Music" opens the list, "Enable" Test and Setup; the switch flips the power shown
        Tick(IDC_OPT_MUSIC, on), Tick(IDC_OPT_SAVER_ENABLE, on), Press(IDC_OPT_MUSIC), Press(IDC_OPT_SAVER_ENABLE), Press(IDC_OPT_POWER);
        const int shown = dialogPower * 1000 + Enabled(IDC_OPT_PLAYLIST) * 100 + Enabled(IDC_OPT_SAVER_TEST) * 10 + Enabled(IDC_OPT_SAVER_SETUP);
        EXPECT_EQ(Label(IDC_OPT_POWER_LABEL) + std::to_string(shown), on ? "On1111" : "Off0");   // the rows above left the power off
    }
    StopSaver(), Item(IDC_OPT_SAVER_TYPE, CB_SETCURSEL, 2), Press(IDC_OPT_SAVER_SETUP);   // Setup (as Test below) takes the saver type at once
    EXPECT_TRUE(settings.SSType == 2 && std::exchange(boxes.seen, {}).size() == 1);
}

TEST_F(OptionsTest, CancellingAnyWayReloadsTheFileQuitPostsRemoveLightsAndOkWarnsWithThePowerOff) {
    Open({{"SSType", "1"}, {"ScreenSaver", "1"}, {"Mode", "3"}, {"WarnPower", "1"}});
    const std::string before = testenv::IniText();
    for (const auto& [message, command, quit] : {std::tuple{WM_COMMAND, IDCANCEL, false}, {WM_SYSCOMMAND, SC_CLOSE, false},
                                                 {WM_SYSCOMMAND, SC_MINIMIZE, false}, {WM_COMMAND, IDC_OPT_QUIT, true}}) {
        Reopen(), Item(IDC_OPT_SAVER_TYPE, CB_SETCURSEL, 4), Press(IDC_OPT_SAVER_TEST), StopSaver();   // the saver type is taken at once
        Item(IDC_OPT_MODE_FIRST, BM_CLICK), settings.Sound = 1, heldEffect = nullptr, SendMessageA(dialog, message, command, 0);
        if (!quit) testenv::Pump();   // what the dialog posted itself; Quit's own post would end the program
        EXPECT_FALSE(optionsOpen || optionsDialog || IsWindowVisible(dialog) || optionsTips.tooltip || KillTimer(dialog, 1));
        MSG posted{};   // clicked, nothing saved, and only Quit keeps the record as it was
        PeekMessageA(&posted, mainWindow, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE);
        EXPECT_EQ(settings.SSType * 100000 + (testenv::IniText() == before) * 10000 + !heldEffect + posted.wParam * 10 + posted.lParam,
                  quit ? 410000u + 10030 : 110000u) << command;
    }
    // OK with the power off shows the power warning, Apply never; its tick is saved at once, so a later OK does not warn.
    boxes.tick = IDC_WARNPOWER_NOTAGAIN;
    Reopen(), Press(IDC_OPT_POWER), Press(IDC_OPT_APPLY), Press(IDOK);
    EXPECT_EQ(Ini("Power") + Ini("WarnPower") + std::to_string(optionsOpen), "000");
    Reopen(), Press(IDOK);
    const Strings seen = std::exchange(boxes.seen, {});
    EXPECT_TRUE(seen.size() == 1 && seen[0].rfind("Lumenkin v2.1|", 0) == 0);
}

TEST(Preview, EachModeStartsAndStepsItsOwnWayAtItsRate) {
    for (int mode = 0; mode < 6; ++mode) {
        const int r = (std::srand(9), std::rand() % 256), start[] = {0xFF, r, 0xFF, 0x11, 0x55, 0x12}, step[] = {0xFF, r, 0xED, 0x12, 0xED, r | 0xDA};
        EXPECT_EQ((std::srand(9), PreviewStartPattern(mode, 0x12)), start[mode]) << mode;
        EXPECT_EQ((std::srand(9), PreviewStepPattern(mode, 0x12)) * 1000 + PreviewAfterDraw(mode, 0x88), step[mode] * 1000 + (mode == 3 ? 0x11 : 0x88));
    }
    for (int rate = 0, n = 0, ticks[] = {12, 9, 6, 3, 1}; rate <= 4; ++rate, n = 0) {   // ticks per step; the chase moves on after drawing
        for (dialogRate = rate, previewMode = 3, previewPattern = 0x11, previewTicks = 0; previewPattern == 0x11 && n < 100; ++n) PreviewTick(nullptr);
        EXPECT_EQ(n * 1000 + previewPattern, ticks[rate] * 1000 + 0x22) << rate;
    }
}

TEST_F(OptionsTest, PreviewTickListsAndSwitchDrawWhatTheyShow) {
    MidiFiles files({"carol.mid"});
    Open({{"Music", "1"}});
    RECT client, frame;
    GetClientRect(dialog, &client), GetWindowRect(GetDlgItem(dialog, IDC_OPT_PREVIEW), &frame), MapWindowPoints(nullptr, dialog, LPPOINT(&frame), 2);
    Canvas shown(client.right, client.bottom), wanted(client.right, client.bottom);
    HDC dc = GetDC(dialog);
    KillTimer(dialog, 1), BitBlt(wanted.dc, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    previewMode = 3, dialogRate = 4, previewPattern = 0x59, PreviewTick(dialog);   // the chase draws, then moves on
    BitBlt(shown.dc, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY), ReleaseDC(dialog, dc);
    // "BulbSeq" cells of 11 x 10: off at x 0, on at x 11; the green row on top for odd bulbs, the red below for even ones.
    const int x = (frame.left + frame.right) / 2 - 44, y = (frame.top + frame.bottom) / 2 - 5;
    for (int i = 0; i < 8; ++i) wanted.Blit("BulbSeq", x + 11 * i, y, 11, 10, (0x59 >> i & 1) ? 11 : 0, i % 2 ? 0 : 10);
    EXPECT_TRUE(shown == wanted && previewPattern == 0xB2);
    HWND music = GetDlgItem(dialog, IDC_OPT_PLAYLIST);   // pickers: the icon 3 in and 2 down, the label from 38 in, highlighted when selected
    for (auto [list, selected, icon, label] : {std::tuple{GetDlgItem(dialog, IDC_OPT_BULB_TYPE), true, "Bell11", "Bells"},
                                               {GetDlgItem(dialog, IDC_OPT_COLOR), false, "RedGreen", " Red & Green"}}) {
        Canvas wanted(160, 36, list);
        wanted.Face(GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW), GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT), 38, label);
        HICON picture = HICON(LoadImageA(appInstance, icon, IMAGE_ICON, 32, 32, 0));
        DrawIconEx(wanted.dc, 3, 2, picture, 32, 32, 0, nullptr, DI_NORMAL), DestroyIcon(picture);
        EXPECT_TRUE(Canvas(160, 36, list).DrawnBy(dialog, GetDlgCtrlID(list), ODT_COMBOBOX, ODA_DRAWENTIRE, selected) == wanted) << label;
    }
    // Music list: a 10 x 10 box at (2, 4), crossed when ticked, the name from 16 in; grey when disabled; never highlighted.
    for (int look = 0; look < 4; ++look) {
        const bool enabled = look < 2, ticked = look % 2;
        const COLORREF ink = enabled ? RGB(0, 0, 0) : GetSysColor(COLOR_GRAYTEXT);
        const RECT box{2, 4, 13, 15};
        Canvas wanted(100, 18, music);
        wanted.Face(GetSysColor(COLOR_WINDOW), enabled ? GetSysColor(COLOR_WINDOWTEXT) : ink, 16, "carol.mid");
        SetDCBrushColor(wanted.dc, ink), SetDCPenColor(wanted.dc, ink), FrameRect(wanted.dc, &box, HBRUSH(GetStockObject(DC_BRUSH)));
        for (auto [from, to] : {std::pair{2, 12}, {12, 2}}) if (ticked) MoveToEx(wanted.dc, from, 4, nullptr), LineTo(wanted.dc, to, 14);
        EnableWindow(music, enabled);
        EXPECT_TRUE(Canvas(100, 18, music).DrawnBy(dialog, IDC_OPT_PLAYLIST, ODT_LISTBOX, ODA_SELECT, ticked) == wanted) << look;
    }
    for (int power : {1, 0}) {   // the power switch: "p1400" off, "p1401" on, unscaled from its top-left corner
        Canvas wanted(21, 40);
        wanted.Blit(power ? "P1401" : "P1400", 0, 0, 21, 40, 0, 0), dialogPower = power;
        EXPECT_TRUE(Canvas(21, 40).DrawnBy(dialog, IDC_OPT_POWER, ODT_BUTTON, ODA_DRAWENTIRE, false) == wanted) << power;
    }
}
