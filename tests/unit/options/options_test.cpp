// The Options dialog: opening, Apply and OK, the music restart rule, the commands and slider, the ways it
// closes, the flash preview, and the hand-drawn lists and switch.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/app.h"
#include "app/commands.h"
#include "app/settings.h"
#include "dialogs/context_tips.h"
#include "dialogs/options_dlg.h"
#include "dialogs/preview.h"
#include "dialogs/zoom.h"
#include "lights/bulb_catalogue.h"
#include "resource.h"
#include "saver/saver.h"
#include "sound/music.h"
#include "sound/sound_effects.h"
#include "support/test_env.h"

namespace {

using Strings = std::vector<std::string>;
using Pairs = std::vector<std::pair<const char*, const char*>>;
const std::initializer_list<Pairs::value_type> kQuiet = {{"Zoom", "0"}, {"Sound", "0"}};

std::string Text(HWND window) {
    char text[2048] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Files with these names beside the test program (and its settings file) while the object lives.
struct MidiFiles {
    Strings names;
    static std::string Path(const std::string& name) {
        std::string ini = testenv::IniPath();
        return ini.erase(ini.rfind('\\') + 1) + name;
    }
    explicit MidiFiles(Strings n) : names(std::move(n)) {
        for (auto& name : names) std::ofstream(Path(name)) << "MThd";
    }
    ~MidiFiles() {
        for (auto& name : names) DeleteFileA(Path(name).c_str());
    }
};

// A started program with the Options dialog open modelessly (no zoom, no sound); an unexpected box fails the test.
class OptionsTest : public ::testing::Test {
protected:
    void TearDown() override {
        DestroyWindow(dialog);
        spine.reset();
        EXPECT_EQ(boxes.seen, Strings{});
    }
    void Open(const Pairs& extra = {}, const Pairs& playlist = {}, bool midiDevice = true) {
        spine.reset();
        spine = std::make_unique<testenv::Spine>(kQuiet);
        for (const auto& [key, value] : extra) testenv::WriteIni(kSettingsSection, key, value);
        for (const auto& [key, value] : playlist) testenv::WriteIni(kMusicSection, key, value);
        LoadSettings();
        Reopen(midiDevice);
    }
    void Reopen(bool midiDevice = true) {
        DestroyWindow(dialog);
        midiDevicePresent = midiDevice;
        dialog = CreateDialogParamA(appInstance, "OptionsDlg", mainWindow, OptionsDlgProc, 0);
        ShowWindow(dialog, SW_SHOW);
        testenv::Pump();
    }
    void Press(int id, int code = 0) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), LPARAM(GetDlgItem(dialog, id)));
    }
    LRESULT Item(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
    }
    void Tick(int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }
    bool Checked(int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
    bool Enabled(int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
    std::string Label(int id) { return Text(GetDlgItem(dialog, id)); }
    static std::string Ini(const char* key, const char* section = kSettingsSection) {
        return testenv::ReadIni(section, key);
    }
    HWND dialog = nullptr;
    std::unique_ptr<testenv::Spine> spine;
    testenv::BoxAnswerer boxes;
};

// Each box and the key it stands for; "&More Lights" shows NotSoMany's opposite.
const std::pair<int, const char*> kBoxes[] = {
    {IDC_OPT_MUSIC, "Music"}, {IDC_OPT_SAVER_ENABLE, "ScreenSaver"}, {IDC_OPT_BURNT_OUT, "BurnedOut"},
    {IDC_OPT_BROKEN, "Broken"}, {IDC_OPT_MISSING, "MissingBulbs"}, {IDC_OPT_CHANGE_BULBS, "ChangeLights"},
    {IDC_OPT_MORE_LIGHTS, "NotSoMany"}, {IDC_OPT_ZOOM, "Zoom"}, {IDC_OPT_SOUND, "Sound"},
    {IDC_OPT_START_OPTIONS, "StartOptions"}, {IDC_OPT_KEY_LIGHTS, "KeyLights"}, {IDC_OPT_IDLE, "IdleProcess"},
    {IDC_OPT_OWN_WINDOW, "OwnWindow"}, {IDC_OPT_NO_FLICKER, "NoFlicker"}};
// Four states of the dialog: Mode, Rate, Color, SSType, Power; box i is ticked in state s when bit s of i + 1 is set.
const int kStates[][5] = {{1, 4, -1, 6, 1}, {5, 0, 9, 0, 0}, {0, 3, 0, 5, 1}, {2, 1, 3, 1, 0}};
const char* const kKeys[] = {"Mode", "Rate", "Color", "SSType", "Power"};
const char* const kRateNames[] = {"Very Slow", "Slow", "Medium", "Fast", "Very Fast"};
bool Ticked(int box, int s) { return (box + 1) >> s & 1; }
const char* Stored(int box, int s) { return Ticked(box, s) != (kBoxes[box].first == IDC_OPT_MORE_LIGHTS) ? "1" : "0"; }

// A memory DC on a screen-compatible bitmap in colour `back`; `picture` drawn at (x, y) when given.
struct Surface {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ previous;
    Surface(int w, int h, const char* picture = nullptr, int x = 0, int y = 0, COLORREF back = 0)
        : previous(SelectObject(dc, CreateCompatibleBitmap(screen, w, h))) {
        const RECT all{0, 0, w, h};
        SetBkColor(dc, back);
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
        HICON icon = picture ? HICON(LoadImageA(appInstance, picture, IMAGE_ICON, 32, 32, 0)) : nullptr;
        HBITMAP bitmap = picture && !icon ? LoadBitmapA(appInstance, picture) : nullptr;
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, bitmap);
        if (bitmap) BitBlt(dc, x, y, w, h, source, 0, 0, SRCCOPY);
        if (icon) DrawIconEx(dc, x, y, icon, 32, 32, 0, nullptr, DI_NORMAL);
        DeleteObject(SelectObject(source, old));
        DeleteDC(source);
        if (icon) DestroyIcon(icon);
    }
    ~Surface() {
        DeleteObject(SelectObject(dc, previous));
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }
    // The item the dialog draws for control `id`: item 5 of the bulb types (Bells), 8 of the colours (Red & Green).
    Surface& DrawnBy(HWND dialog, int id, UINT type, UINT action, bool selected, RECT area) {
        const UINT item = id == IDC_OPT_BULB_TYPE ? 5 : id == IDC_OPT_COLOR ? 8 : 0;
        const UINT state = selected ? ODS_SELECTED : 0;
        DRAWITEMSTRUCT d{type, UINT(id), item, action, state, GetDlgItem(dialog, id), dc, area, 0};
        SendMessageA(dialog, WM_DRAWITEM, id, LPARAM(&d));
        return *this;
    }
    // Whether colour `c` is in columns [from, to) of rows [top, bottom).
    bool Has(COLORREF c, int from, int to, int top, int bottom) {
        for (int x = from; x < to; ++x) {
            for (int y = top; y < bottom; ++y) {
                if (GetPixel(dc, x, y) == c) return true;
            }
        }
        return false;
    }
};

}  // namespace

TEST_F(OptionsTest, OpeningShowsEverySettingAndApplyHandsItBack) {
    MidiFiles files({"a.mid"});
    musicListChanged = 1;
    Open({{"BulbType", "-1"}}, {{"NumEntries", "1"}, {"MIDI1", "a.mid"}});
    EXPECT_TRUE(optionsOpen);
    EXPECT_EQ(optionsDialog, dialog);
    EXPECT_FALSE(musicListChanged);
    EXPECT_EQ(Label(IDC_OPT_VERSION), "2..1");
    char text[64] = "";
    GetMenuStringA(GetSystemMenu(dialog, FALSE), 1000, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "&About Lumenkin...");
    const std::pair<UINT, int> slider[] = {
        {TBM_GETRANGEMIN, 0}, {TBM_GETRANGEMAX, 4}, {TBM_GETNUMTICS, 5}, {TBM_GETLINESIZE, 1}, {TBM_GETPAGESIZE, 1}};
    for (auto [message, want] : slider) EXPECT_EQ(Item(IDC_OPT_RATE, message), want) << message;
    // Lists filled from the string table until a string is missing, with their first items; item heights.
    const std::tuple<int, UINT, LRESULT> lists[] = {
        {IDC_OPT_BULB_TYPE, CB_GETCOUNT, 22}, {IDC_OPT_SAVER_TYPE, CB_GETCOUNT, 7}, {IDC_OPT_COLOR, CB_GETCOUNT, 11},
        {IDC_OPT_BULB_TYPE, CB_GETITEMHEIGHT, 36}, {IDC_OPT_COLOR, CB_GETITEMHEIGHT, 36},
        {IDC_OPT_PLAYLIST, LB_GETITEMHEIGHT, 18}};
    for (auto [id, message, want] : lists) EXPECT_EQ(Item(id, message), want) << id << " " << message;
    for (auto [id, first] : {std::pair{IDC_OPT_BULB_TYPE, "Random"}, {IDC_OPT_SAVER_TYPE, "Falling Snow"}}) {
        Item(id, CB_GETLBTEXT, 0, LPARAM(text));
        EXPECT_STREQ(text, first);
    }
    // The grey of the dialog, its buttons and its texts.
    HDC dc = GetDC(dialog);
    for (UINT message : {WM_CTLCOLORDLG, WM_CTLCOLORBTN, WM_CTLCOLORSTATIC}) {
        EXPECT_EQ(SendMessageA(dialog, message, WPARAM(dc), 0), LRESULT(GetStockObject(LTGRAY_BRUSH))) << message;
        EXPECT_EQ(GetBkColor(dc), RGB(192, 192, 192)) << message;
    }
    ReleaseDC(dialog, dc);
    // Timer 1 ticks the preview every 50 ms; at this rate no tick draws.
    dialogRate = -100;
    previewTicks = 0;
    testenv::Pump(600);
    EXPECT_GE(previewTicks, 2);
    EXPECT_TRUE(KillTimer(dialog, 1));
    for (int s = 0; s < 4; ++s) {
        const auto [mode, rate, color, ssType, power] = kStates[s];
        CheckRadioButton(dialog, IDC_OPT_MODE_FIRST, IDC_OPT_MODE_LAST, IDC_OPT_MODE_FIRST + mode);
        Item(IDC_OPT_RATE, TBM_SETPOS, TRUE, rate);
        Item(IDC_OPT_COLOR, CB_SETCURSEL, color + 1);
        Item(IDC_OPT_SAVER_TYPE, CB_SETCURSEL, ssType);
        for (int i = 0; i < 14; ++i) Tick(kBoxes[i].first, Ticked(i, s));
        if (dialogPower != power) Press(IDC_OPT_POWER);
        Press(IDC_OPT_APPLY);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
        EXPECT_FALSE(Enabled(IDC_OPT_APPLY));
        for (int i = 0; i < 14; ++i) EXPECT_EQ(Ini(kBoxes[i].second), Stored(i, s)) << kBoxes[i].second << s;
        for (int k = 0; k < 5; ++k) EXPECT_EQ(Ini(kKeys[k]), std::to_string(kStates[s][k])) << kKeys[k];
        EXPECT_EQ(Ini("BulbType"), "-1");
        const unsigned zooms = zoomAnimationsRun;
        Reopen();
        EXPECT_EQ(zoomAnimationsRun - zooms, Ticked(7, s) ? 1u : 0u);
        for (int m = 0; m < 6; ++m) EXPECT_EQ(Checked(IDC_OPT_MODE_FIRST + m), m == mode) << s;
        for (int i = 0; i < 14; ++i) EXPECT_EQ(Checked(kBoxes[i].first), Ticked(i, s)) << kBoxes[i].second << s;
        EXPECT_EQ(previewMode, mode);
        EXPECT_EQ(dialogRate, rate);
        EXPECT_EQ(dialogPower, power);
        EXPECT_EQ(Label(IDC_OPT_RATE_NAME), kRateNames[rate]);
        EXPECT_EQ(Label(IDC_OPT_POWER_LABEL), power ? "On" : "Off");
        const std::tuple<int, UINT, LRESULT> shown[] = {{IDC_OPT_RATE, TBM_GETPOS, rate},
            {IDC_OPT_COLOR, CB_GETCURSEL, color + 1}, {IDC_OPT_SAVER_TYPE, CB_GETCURSEL, ssType},
            {IDC_OPT_BULB_TYPE, CB_GETCURSEL, 0}};
        for (auto [id, message, want] : shown) EXPECT_EQ(Item(id, message), want) << id << " " << s;
        // The music list follows Music, Test and Setup the saver; Apply and two boxes are never the user's to change.
        const std::pair<int, bool> enabled[] = {{IDC_OPT_PLAYLIST, Ticked(0, s)}, {IDC_OPT_SAVER_TEST, Ticked(1, s)},
            {IDC_OPT_SAVER_SETUP, Ticked(1, s)}, {IDC_OPT_APPLY, false}, {IDC_OPT_IDLE, false},
            {IDC_OPT_OWN_WINDOW, false}};
        for (auto [id, want] : enabled) EXPECT_EQ(Enabled(id), want) << id << " " << s;
    }
}

// The playlist's entries are ticked among the files, sorted: names match without regard to case, a missing one
// is skipped. OK stores what the Music box said.
TEST_F(OptionsTest, PlayingLabelAndMusicBoxAtOpening) {
    const struct {
        bool files, device;
        const char *music, *song, *label, *ticks;
        bool box, list;
        const char* stored;
    } rows[] = {
        {true, true, "1", "", "Playing: ", "x-x", true, true, "1"},
        {true, true, "1", "carol.mid", "Playing: carol.mid", "x-x", true, true, "1"},
        {true, true, "0", "carol.mid", "Playing: <nothing>", "x-x", true, false, "0"},
        {false, true, "1", "", "No MIDI files found.", "", false, false, "0"},
        {false, true, "0", "", "No MIDI files found.", "", false, false, "0"},
        {true, false, "1", "", "Playing: ", "x-x", false, false, "0"}};
    const Pairs playlist = {
        {"NumEntries", "3"}, {"MIDI1", "SLEIGH.MID"}, {"MIDI2", "gone.mid"}, {"MIDI3", "bells.mid"}};
    for (const auto& r : rows) {
        MidiFiles files(r.files ? Strings{"carol.mid", "Sleigh.mid", "bells.mid"} : Strings{});
        currentSong = r.song;
        currentSongError.clear();
        Open({{"Music", r.music}}, playlist, r.device);
        std::string ticks;
        for (int i = 0; i < Item(IDC_OPT_PLAYLIST, LB_GETCOUNT); ++i)
            ticks += Item(IDC_OPT_PLAYLIST, LB_GETSEL, i) > 0 ? "x" : "-";
        EXPECT_EQ(Label(IDC_OPT_NOW_PLAYING), r.label);
        EXPECT_EQ(ticks, r.ticks) << r.label;
        EXPECT_EQ(Enabled(IDC_OPT_MUSIC), r.box) << r.label;
        EXPECT_EQ(Enabled(IDC_OPT_PLAYLIST), r.list) << r.label;
        Press(IDOK);
        EXPECT_EQ(Ini("Music"), r.stored) << r.label;
    }
}

// Apply starts the playlist again at entry 1 exactly when Music, Power or the playlist changed.
TEST_F(OptionsTest, ApplyRestartsTheMusicOnlyAfterAChange) {
    MidiFiles files({"a.mid", "b.mid", "c.mid"});
    // The song playing after Apply, then "Current" and "NumEntries".
    const struct { const char *music, *power; int change; const char* after; bool playing; } rows[] = {
        {"1", "1", 0, "b.mid23", true},
        {"0", "1", IDC_OPT_MUSIC, "a.mid13", true},
        {"1", "0", IDC_OPT_POWER, "a.mid13", true},
        {"1", "1", IDC_OPT_PLAYLIST, "b.mid12", true},
        {"1", "1", IDC_OPT_MUSIC, "b.mid23", false},
        {"1", "1", IDC_OPT_POWER, "b.mid23", false}};
    const Pairs playlist = {{"NumEntries", "3"}, {"MIDI1", "a.mid"}, {"MIDI2", "b.mid"}, {"MIDI3", "c.mid"}};
    for (const auto& r : rows) {
        Open({{"Music", r.music}, {"Power", r.power}}, playlist);
        // b.mid plays: "Current" is 2 of 3, so a restart is not hidden by the list wrapping.
        MIDIStop();
        testenv::WriteIni(kMusicSection, "Current", "1");
        MIDIPlayNext(mainWindow);
        // The playlist row unticks a.mid.
        if (r.change == IDC_OPT_PLAYLIST) Item(IDC_OPT_PLAYLIST, LB_SETSEL, FALSE, 0);
        if (r.change) Tick(r.change, !Checked(r.change));
        if (r.change) Press(r.change, r.change == IDC_OPT_PLAYLIST ? LBN_SELCHANGE : BN_CLICKED);
        EXPECT_EQ(musicListChanged, r.change == IDC_OPT_PLAYLIST);
        Press(IDC_OPT_APPLY);
        EXPECT_EQ(currentSong + Ini("Current", kMusicSection) + Ini("NumEntries", kMusicSection), r.after) << r.change;
        EXPECT_EQ(bPlaying, r.playing) << r.change;
        EXPECT_FALSE(musicListChanged);
    }
    // Nothing ticked: the user is told, and music goes off.
    Item(IDC_OPT_PLAYLIST, LB_SETSEL, FALSE, -1);
    Press(IDC_OPT_APPLY);
    MIDIStop();
    const std::string told = "Lumenkin v2.1|No music has been selected, so music will be turned off.";
    EXPECT_EQ(std::exchange(boxes.seen, {}), Strings{told});
    EXPECT_EQ(Ini("Music"), "0");
    EXPECT_EQ(Ini("NumEntries", kMusicSection), "0");
    EXPECT_FALSE(Checked(IDC_OPT_MUSIC));
    EXPECT_FALSE(Enabled(IDC_OPT_PLAYLIST));
}

TEST_F(OptionsTest, BulbTypeDecidesBrokenAndChangeBulbs) {
    Open({{"BulbType", "5"}, {"Broken", "1"}, {"ChangeLights", "1"}});
    const auto look = [&](int id) {
        if (!Enabled(id)) return Checked(id) ? "bad" : "grey";
        return Checked(id) ? "on" : "off";
    };
    // Bells as opened; Random; a drop-down and the music list's change do not count; another list re-runs the
    // rule: Normal; Round. The boxes are ticked again after each row.
    const std::tuple<int, int, int, const char*, const char*> rows[] = {
        {0, 6, 0, "grey", "grey"},
        {IDC_OPT_BULB_TYPE, 0, CBN_SELCHANGE, "off", "off"},
        {IDC_OPT_BULB_TYPE, 2, CBN_DROPDOWN, "on", "on"},
        {IDC_OPT_PLAYLIST, 2, LBN_SELCHANGE, "on", "on"},
        {IDC_OPT_COLOR, 1, CBN_SELCHANGE, "on", "grey"},
        {IDC_OPT_BULB_TYPE, 2, CBN_SELCHANGE, "grey", "grey"}};
    for (auto [sender, bulbItem, code, broken, change] : rows) {
        Item(IDC_OPT_BULB_TYPE, CB_SETCURSEL, bulbItem);
        if (sender) Press(sender, code);
        EXPECT_STREQ(look(IDC_OPT_BROKEN), broken) << sender << " " << code;
        EXPECT_STREQ(look(IDC_OPT_CHANGE_BULBS), change) << sender << " " << code;
        Tick(IDC_OPT_BROKEN, Enabled(IDC_OPT_BROKEN));
        Tick(IDC_OPT_CHANGE_BULBS, Enabled(IDC_OPT_CHANGE_BULBS));
    }
    // OK: the string takes the bulbs at once.
    Press(IDOK);
    EXPECT_EQ(Ini("BulbType") + Ini("Broken") + Ini("ChangeLights"), "100");
    EXPECT_EQ(effectiveBulbType, 1);
}

TEST_F(OptionsTest, SliderAndEveryCommandDoWhatTheirRowsSay) {
    Open({{"ScreenSaver", "1"}, {"SSType", "5"}, {"Rate", "2"}});
    // Each scroll code with its thumb position, and the rate after it.
    const std::tuple<int, int, int> scrolls[] = {
        {TB_LINEDOWN, 0, 3}, {TB_PAGEDOWN, 0, 4}, {TB_LINEDOWN, 0, 4}, {TB_TOP, 0, 0},
        {TB_LINEUP, 0, 0}, {TB_BOTTOM, 0, 4}, {TB_PAGEUP, 0, 3}, {TB_THUMBTRACK, 1, 1},
        {TB_THUMBPOSITION, 2, 2}, {TB_ENDTRACK, 4, 2}, {TB_LINEUP, 0, 1}};
    for (auto [code, thumb, rate] : scrolls) {
        EnableWindow(GetDlgItem(dialog, IDC_OPT_APPLY), FALSE);
        SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(code, thumb), LPARAM(GetDlgItem(dialog, IDC_OPT_RATE)));
        EXPECT_EQ(dialogRate, rate) << code;
        EXPECT_EQ(Item(IDC_OPT_RATE, TBM_GETPOS), rate) << code;
        EXPECT_TRUE(Enabled(IDC_OPT_APPLY)) << code;
    }
    // A key moves the slider one place, no more; the setting waits for Apply.
    SetFocus(GetDlgItem(dialog, IDC_OPT_RATE));
    Item(IDC_OPT_RATE, WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(Label(IDC_OPT_RATE_NAME), "Medium");
    EXPECT_EQ(dialogRate, 2);
    EXPECT_EQ(settings.Rate, 2);
    // Every command enables Apply and notes activity; a key click leaves its sound held.
    const auto row = [&](int id, int code, bool click) {
        EnableWindow(GetDlgItem(dialog, IDC_OPT_APPLY), FALSE);
        lastActivityTick = 0;
        heldEffect = nullptr;
        Press(id, code);
        StopSaver();
        EXPECT_TRUE(Enabled(IDC_OPT_APPLY)) << id;
        EXPECT_NE(lastActivityTick, 0u) << id;
        EXPECT_EQ(heldEffect != nullptr, click) << id;
    };
    settings.Sound = 1;
    for (int id : {101, 102, 103, 104, 105, 106, 135, 136, 137, 147, 159, 160, 163, 170, 174, 1008}) row(id, 0, true);
    for (int id : {146, 153, 400, 154, 166, 9, 1000}) row(id, 0, true);
    for (int id : {IDC_OPT_OWN_WINDOW, IDC_OPT_NO_FLICKER}) row(id, 0, false);
    for (int id : {IDC_OPT_BULB_TYPE, IDC_OPT_COLOR, IDC_OPT_PLAYLIST, IDC_OPT_SAVER_TYPE}) row(id, 1, false);
    // The rows showed Setup, Help and About; the system menu's About shows it too.
    SendMessageA(dialog, WM_SYSCOMMAND, kCmdAbout, 0);
    const Strings seen = std::exchange(boxes.seen, {});
    const char* const captions[] = {"Lumenkin v2.1 Screen Saver Setup", "Lumenkin v2.1|Select various settings for the",
                                    "About Lumenkin...", "About Lumenkin..."};
    ASSERT_EQ(seen.size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(seen[i].rfind(captions[i], 0), 0u) << seen[i];
    // Mode buttons start the preview in their mode; Random's start is pinned below, Some Flash keeps the picture.
    const int start[] = {0xFF, 0, 0xFF, 0x11, 0x55, 0x12};
    for (int m = 0; m < 6; ++m) {
        previewPattern = 0x12;
        Press(IDC_OPT_MODE_FIRST + m);
        EXPECT_EQ(previewMode, m);
        EXPECT_TRUE(m == 1 || previewPattern == start[m]) << m;
    }
    // "&Play Music" opens the list, "Enable" Test and Setup; the switch flips the power the rows above left off.
    for (bool on : {true, false}) {
        Tick(IDC_OPT_MUSIC, on);
        Tick(IDC_OPT_SAVER_ENABLE, on);
        Press(IDC_OPT_MUSIC);
        Press(IDC_OPT_SAVER_ENABLE);
        Press(IDC_OPT_POWER);
        EXPECT_EQ(dialogPower, on);
        EXPECT_EQ(Label(IDC_OPT_POWER_LABEL), on ? "On" : "Off");
        for (int id : {IDC_OPT_PLAYLIST, IDC_OPT_SAVER_TEST, IDC_OPT_SAVER_SETUP}) EXPECT_EQ(Enabled(id), on) << id;
    }
    // Setup (as Test below) takes the saver type at once.
    StopSaver();
    Item(IDC_OPT_SAVER_TYPE, CB_SETCURSEL, 2);
    Press(IDC_OPT_SAVER_SETUP);
    EXPECT_EQ(settings.SSType, 2);
    EXPECT_EQ(std::exchange(boxes.seen, {}).size(), 1u);
}

// Every way of cancelling clicks and reloads the file; Quit keeps the record and posts "Remove Lights".
TEST_F(OptionsTest, CancellingAnyWayReloadsTheFileQuitPostsRemoveLightsAndOkWarnsWithThePowerOff) {
    Open({{"SSType", "1"}, {"ScreenSaver", "1"}, {"Mode", "3"}, {"WarnPower", "1"}});
    const std::string before = testenv::IniText();
    const std::tuple<UINT, WPARAM, bool> ways[] = {
        {WM_COMMAND, IDCANCEL, false}, {WM_SYSCOMMAND, SC_CLOSE, false},
        {WM_SYSCOMMAND, SC_MINIMIZE, false}, {WM_COMMAND, IDC_OPT_QUIT, true}};
    for (const auto& [message, command, quit] : ways) {
        // Test takes the saver type at once.
        Reopen();
        Item(IDC_OPT_SAVER_TYPE, CB_SETCURSEL, 4);
        Press(IDC_OPT_SAVER_TEST);
        StopSaver();
        Item(IDC_OPT_MODE_FIRST, BM_CLICK);
        settings.Sound = 1;
        heldEffect = nullptr;
        SendMessageA(dialog, message, command, 0);
        // What the dialog posted itself; Quit's own post would end the program.
        if (!quit) testenv::Pump();
        // Closed, forgotten, its tips and preview timer gone.
        EXPECT_FALSE(optionsOpen || optionsDialog || IsWindowVisible(dialog)) << command;
        EXPECT_FALSE(optionsTips.tooltip || KillTimer(dialog, 1)) << command;
        MSG posted{};
        PeekMessageA(&posted, mainWindow, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE);
        EXPECT_EQ(posted.wParam, quit ? 1003u : 0u) << command;
        EXPECT_EQ(settings.SSType, quit ? 4 : 1) << command;
        EXPECT_EQ(testenv::IniText(), before) << command;
        EXPECT_NE(heldEffect, nullptr) << command;
    }
    // OK with the power off shows the power warning, Apply never; its tick is saved at once, so a later OK is quiet.
    boxes.tick = IDC_WARNPOWER_NOTAGAIN;
    Reopen();
    Press(IDC_OPT_POWER);
    Press(IDC_OPT_APPLY);
    Press(IDOK);
    EXPECT_EQ(Ini("Power") + Ini("WarnPower"), "00");
    EXPECT_FALSE(optionsOpen);
    Reopen();
    Press(IDOK);
    const Strings seen = std::exchange(boxes.seen, {});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].rfind("Lumenkin v2.1|", 0), 0u);
}

TEST(Preview, EachModeStartsAndStepsItsOwnWayAtItsRate) {
    std::srand(9);
    const int r = std::rand() % 256;
    // Mode: start picture from 0x12, the step from 0x12, and what drawing 0x88 leaves.
    const int rows[][4] = {{0xFF, 0xFF, 0x88}, {r, r, 0x88}, {0xFF, 0xED, 0x88}, {0x11, 0x12, 0x11},
                           {0x55, 0xED, 0x88}, {0x12, r | 0xDA, 0x88}};
    for (int mode = 0; mode < 6; ++mode) {
        std::srand(9);
        EXPECT_EQ(PreviewStartPattern(mode, 0x12), rows[mode][0]) << mode;
        std::srand(9);
        EXPECT_EQ(PreviewStepPattern(mode, 0x12), rows[mode][1]) << mode;
        EXPECT_EQ(PreviewAfterDraw(mode, 0x88), rows[mode][2]) << mode;
    }
    // Ticks per step at each rate; the chase moves on after drawing.
    const int ticks[] = {12, 9, 6, 3, 1};
    for (int rate = 0; rate <= 4; ++rate) {
        dialogRate = rate;
        previewMode = 3;
        previewPattern = 0x11;
        previewTicks = 0;
        int n = 0;
        for (; previewPattern == 0x11 && n < 100; ++n) PreviewTick(nullptr);
        EXPECT_EQ(n, ticks[rate]) << rate;
        EXPECT_EQ(previewPattern, 0x22) << rate;
    }
}

TEST_F(OptionsTest, PreviewTickListsAndSwitchDrawWhatTheyShow) {
    MidiFiles files({"carol.mid"});
    Open({{"Music", "1"}});
    RECT frame;
    GetWindowRect(GetDlgItem(dialog, IDC_OPT_PREVIEW), &frame);
    MapWindowPoints(nullptr, dialog, LPPOINT(&frame), 2);
    KillTimer(dialog, 1);
    // The chase draws, then moves on: "BulbSeq" cells of 11 x 10, off at x 0, on at x 11; the green row on top for
    // odd bulbs, the red below for even.
    previewMode = 3;
    dialogRate = 4;
    previewPattern = 0x59;
    PreviewTick(dialog);
    EXPECT_EQ(previewPattern, 0xB2);
    Surface cells(22, 20, "BulbSeq");
    const int x = (frame.left + frame.right) / 2 - 44;
    const int y = (frame.top + frame.bottom) / 2 - 5;
    for (int i = 0; i < 8; ++i) {
        const COLORREF cell = GetPixel(cells.dc, (0x59 >> i & 1) ? 16 : 5, i % 2 ? 5 : 15);
        EXPECT_EQ(testenv::WindowPixel(dialog, x + 11 * i + 5, y + 5), cell) << i;
    }
    // Pickers: the icon 3 in and 2 down on the item's colour, the label's ink from 38 in.
    const std::tuple<int, bool, const char*> pickers[] = {{IDC_OPT_BULB_TYPE, true, "Bell11"},
                                                           {IDC_OPT_COLOR, false, "RedGreen"}};
    for (auto [id, selected, icon] : pickers) {
        const COLORREF back = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
        const COLORREF ink = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
        Surface drawn(160, 36);
        drawn.DrawnBy(dialog, id, ODT_COMBOBOX, ODA_DRAWENTIRE, selected, {0, 0, 160, 36});
        Surface wanted(160, 36, icon, 3, 2, back);
        EXPECT_EQ(GetPixel(drawn.dc, 150, 30), back) << icon;
        for (int p = 0; p < 32 * 32; p += 7) {
            const COLORREF want = GetPixel(wanted.dc, 3 + p % 32, 2 + p / 32);
            EXPECT_EQ(GetPixel(drawn.dc, 3 + p % 32, 2 + p / 32), want) << icon << p;
        }
        EXPECT_TRUE(drawn.Has(ink, 38, 60, 0, 36)) << icon;
        EXPECT_FALSE(drawn.Has(ink, 35, 38, 0, 36)) << icon;
    }
    // Music list: a 10 x 10 box at (2, 4), crossed when ticked, the name from 16 in, grey when disabled; never
    // highlighted.
    HWND music = GetDlgItem(dialog, IDC_OPT_PLAYLIST);
    for (int look = 0; look < 4; ++look) {
        const bool enabled = look < 2;
        const bool ticked = look % 2;
        const COLORREF ink = enabled ? GetSysColor(COLOR_WINDOWTEXT) : GetSysColor(COLOR_GRAYTEXT);
        EnableWindow(music, enabled);
        Surface drawn(100, 18);
        drawn.DrawnBy(dialog, IDC_OPT_PLAYLIST, ODT_LISTBOX, ODA_SELECT, ticked, {0, 0, 100, 18});
        EXPECT_EQ(GetPixel(drawn.dc, 90, 9), GetSysColor(COLOR_WINDOW)) << look;
        for (auto [px, py] : {std::pair{2, 4}, {12, 14}, {2, 14}, {12, 4}}) EXPECT_EQ(GetPixel(drawn.dc, px, py), ink);
        EXPECT_EQ(GetPixel(drawn.dc, 7, 9) == ink, ticked) << look;
        EXPECT_EQ(GetPixel(drawn.dc, 7, 5) == ink, false) << look;
        EXPECT_TRUE(drawn.Has(ink, 16, 18, 0, 18)) << look;
        EXPECT_FALSE(drawn.Has(ink, 14, 16, 0, 18)) << look;
    }
    // The power switch: "p1400" off, "p1401" on, unscaled from its top-left corner.
    for (int power : {1, 0}) {
        dialogPower = power;
        Surface drawn(21, 40);
        drawn.DrawnBy(dialog, IDC_OPT_POWER, ODT_BUTTON, ODA_DRAWENTIRE, false, {0, 0, 21, 40});
        Surface wanted(21, 40, power ? "P1401" : "P1400");
        for (int p = 0; p < 21 * 40; p += 5)
            EXPECT_EQ(GetPixel(drawn.dc, p % 21, p / 21), GetPixel(wanted.dc, p % 21, p / 21)) << power << p;
    }
}
