// The About, background-colour and warning dialogs, driven by messages.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "app/app.h"
#include "app/settings.h"
#include "dialogs/about_dlg.h"
#include "dialogs/back_color_dlg.h"
#include "dialogs/warn_music_dlg.h"
#include "dialogs/warn_power_dlg.h"
#include "dialogs/zoom.h"
#include "resource.h"
#include "support/test_env.h"

namespace {

// A modeless copy of a dialog template, destroyed with the object.
struct Dialog {
    HWND window;
    Dialog(const char* name, DLGPROC proc)
        : window(CreateDialogParamA(GetModuleHandleA(nullptr), name, nullptr, proc, 0)) {}
    ~Dialog() { DestroyWindow(window); }
    void Press(int id) { SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(window, id))); }
};

}  // namespace

// About zooms when it opens and when it closes; ShowAbout raises the open one, as a second would block.
TEST(SmallDialogs, AboutShowsTheBuildLineOpensOnceAndZoomsBothWays) {
    for (LONG zoom : {1, 0}) {
        const unsigned zooms = zoomAnimationsRun;
        settings.Zoom = zoom;
        Dialog about("AboutDlg", AboutDlgProc);
        char line[64] = "";
        GetDlgItemTextA(about.window, IDC_ABOUT_BUILD, line, sizeof line);
        EXPECT_STREQ(line, "Build Date: 960813");
        ShowAbout(nullptr);
        EXPECT_TRUE(aboutOpen && aboutDialog == about.window);
        EXPECT_EQ(GetForegroundWindow(), about.window);
        about.Press(zoom ? IDOK : IDCANCEL);
        EXPECT_FALSE(aboutOpen || aboutDialog || IsWindowVisible(about.window));
        EXPECT_EQ(zoomAnimationsRun - zooms, zoom ? 2u : 0u);
    }
    // Going down with its owner, without a button.
    Dialog("AboutDlg", AboutDlgProc);
    EXPECT_EQ(aboutDialog, nullptr);
}

// Grey under every text; About in navy, the warnings in black but the power warning's red title.
TEST(SmallDialogs, ControlColoursAreGreyWithTheirOwnInk) {
    const std::tuple<const char*, DLGPROC, UINT, int, COLORREF> rows[] = {
        {"AboutDlg", AboutDlgProc, WM_CTLCOLORDLG, 0, RGB(0, 0, 127)},
        {"AboutDlg", AboutDlgProc, WM_CTLCOLORSTATIC, IDC_ABOUT_BUILD, RGB(0, 0, 127)},
        {"WarnMusicDlg", WarnMusicDlgProc, WM_CTLCOLORSTATIC, 0, RGB(0, 0, 0)},
        {"WarnPowerDlg", WarnPowerDlgProc, WM_CTLCOLORSTATIC, IDC_WARNPOWER_TITLE, RGB(255, 0, 0)},
        {"WarnPowerDlg", WarnPowerDlgProc, WM_CTLCOLORSTATIC, IDC_WARNPOWER_NOTAGAIN, GetSysColor(COLOR_WINDOWTEXT)}};
    settings.Zoom = 0;
    for (auto [name, proc, message, control, ink] : rows) {
        Dialog dialog(name, proc);
        HDC dc = GetDC(dialog.window);
        SetTextColor(dc, 1);
        HWND item = GetDlgItem(dialog.window, control);
        const LRESULT brush = SendMessageA(dialog.window, message, WPARAM(dc), LPARAM(item));
        EXPECT_EQ(brush, LRESULT(GetStockObject(LTGRAY_BRUSH))) << name << control;
        EXPECT_EQ(GetTextColor(dc), ink) << name << control;
        EXPECT_EQ(GetBkColor(dc), RGB(192, 192, 192)) << name << control;
        ReleaseDC(dialog.window, dc);
    }
}

TEST(SmallDialogs, BackColorChoicesCancelAndColourTable) {
    testenv::RemoveIni();
    // BackColor kept; the radio button and list item shown; the button and item chosen; what OK stores (the first
    // row cancels) and keeps. Zoom is on in the third row.
    const std::tuple<int, int, int, int, int, const char*, int> rows[] = {
        {1, IDC_BACKCOLOR_CUSTOM, 0, IDC_BACKCOLOR_CUSTOM, 5, "none", 1},
        {0, IDC_BACKCOLOR_DESKTOP, -1, IDC_BACKCOLOR_CUSTOM, 2, "3", 3},
        {6, IDC_BACKCOLOR_CUSTOM, 5, IDC_BACKCOLOR_DESKTOP, 4, "0", 0},
        {9, IDC_BACKCOLOR_CUSTOM, -1, IDC_BACKCOLOR_CUSTOM, -1, "0", 0}};
    for (auto [stored, radio, shown, choose, item, saved, kept] : rows) {
        const unsigned zooms = zoomAnimationsRun;
        settings.BackColor = stored;
        settings.Zoom = stored == 6;
        Dialog dialog("SelectBackColorDlg", SelectBackColorDlgProc);
        HWND list = GetDlgItem(dialog.window, IDC_BACKCOLOR_LIST);
        EXPECT_TRUE(IsDlgButtonChecked(dialog.window, radio)) << stored;
        EXPECT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 6) << stored;
        EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), shown) << stored;
        CheckRadioButton(dialog.window, IDC_BACKCOLOR_DESKTOP, IDC_BACKCOLOR_CUSTOM, choose);
        SendMessageA(list, CB_SETCURSEL, item, 0);
        dialog.Press(stored == 1 ? IDCANCEL : IDOK);
        EXPECT_EQ(testenv::ReadIni("Settings", "BackColor", "none"), saved) << stored;
        EXPECT_EQ(settings.BackColor, kept) << stored;
        EXPECT_EQ(zoomAnimationsRun - zooms, stored == 6 ? 1u : 0u) << stored;
    }
    // Item n shows BackColor n + 1's colour; a face with no item (-1) shows black.
    const COLORREF colours[] = {0, 0, RGB(127, 127, 127), RGB(192, 192, 192), 0xFFFFFF, RGB(0, 0, 127), 0xFF0000};
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, CreateCompatibleBitmap(screen, 20, 10));
    for (int item = -1; item < 6; ++item) {
        DrawColorItem(dc, RECT{0, 0, 20, 10}, item, item % 2 ? ODA_DRAWENTIRE : ODA_SELECT, 0);
        EXPECT_EQ(GetPixel(dc, 10, 5), colours[item + 1]) << item;
    }
    DeleteObject(SelectObject(dc, old));
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    testenv::RemoveIni();
}

TEST(SmallDialogs, WarningBoxesDecideTheirSetting) {
    // Ticked or not, OK or Cancel: only the tick decides.
    for (int tick = 0; tick < 4; ++tick) {
        settings.WarnMusic = settings.WarnPower = 1;
        settings.Zoom = 0;
        Dialog music("WarnMusicDlg", WarnMusicDlgProc), power("WarnPowerDlg", WarnPowerDlgProc);
        CheckDlgButton(music.window, IDC_WARNMUSIC_NOTAGAIN, tick / 2);
        CheckDlgButton(power.window, IDC_WARNPOWER_NOTAGAIN, tick / 2);
        music.Press(tick % 2 ? IDOK : IDCANCEL);
        power.Press(tick % 2 ? IDOK : IDCANCEL);
        EXPECT_EQ(settings.WarnMusic * 10 + settings.WarnPower, tick / 2 ? 0 : 11) << tick;
    }
    // The power warning ends on OK or Cancel only; the music warning zooms both ways.
    settings.Zoom = settings.WarnPower = 1;
    const unsigned zooms = zoomAnimationsRun;
    Dialog music("WarnMusicDlg", WarnMusicDlgProc), power("WarnPowerDlg", WarnPowerDlgProc);
    ShowWindow(power.window, SW_SHOW);
    power.Press(IDC_WARNPOWER_NOTAGAIN);
    music.Press(IDOK);
    EXPECT_TRUE(IsWindowVisible(power.window));
    EXPECT_EQ(settings.WarnPower, 1);
    EXPECT_EQ(zoomAnimationsRun - zooms, 2u);
}
