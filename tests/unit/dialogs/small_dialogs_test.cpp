// The About, background-colour and warning dialogs, driven by messages.
#include <gtest/gtest.h>

#include <string>

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

struct Dialog {   // a modeless copy of a dialog template, destroyed with the object
    HWND window;
    Dialog(const char* name, DLGPROC proc) : window(CreateDialogParamA(GetModuleHandleA(nullptr), name, nullptr, proc, 0)) {}
    ~Dialog() { DestroyWindow(window); }
    void Press(int id) { SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id))); }
    void Tick(int id) { CheckDlgButton(window, id, BST_CHECKED); }
    LRESULT Item(int id, UINT message, WPARAM wParam = 0) { return SendDlgItemMessageA(window, id, message, wParam, 0); }
};

class SmallDialogs : public ::testing::Test {
protected:
    void SetUp() override { testenv::RemoveIni(); settings = Settings{}; }
    void TearDown() override { testenv::RemoveIni(); }
};

}  // namespace

TEST_F(SmallDialogs, AboutShowsTheBuildLineOpensOnceAndZoomsBothWays) {
    for (LONG zoom : {0, 1}) {
        settings.Zoom = zoom;
        const unsigned zooms = zoomAnimationsRun;
        Dialog about("AboutDlg", AboutDlgProc);
        char line[64] = "";
        GetDlgItemTextA(about.window, IDC_ABOUT_BUILD, line, sizeof line);
        EXPECT_STREQ(line, "Build Date: 960813");
        ShowAbout(nullptr);   // raises the open one; a second dialog would block here
        EXPECT_TRUE(aboutOpen && aboutDialog == about.window && GetForegroundWindow() == about.window);
        about.Press(zoom ? IDOK : IDCANCEL);
        EXPECT_FALSE(aboutOpen || aboutDialog);
        EXPECT_EQ(zoomAnimationsRun - zooms, zoom ? 2u : 0u);     // opening and closing
    }
    Dialog("AboutDlg", AboutDlgProc);   // going down with its owner, without a button
    EXPECT_FALSE(aboutOpen || aboutDialog);
}

TEST_F(SmallDialogs, ControlColours) {
    const COLORREF grey = RGB(192, 192, 192), text = GetSysColor(COLOR_WINDOWTEXT);
    const struct { const char* name; DLGPROC proc; UINT message; int control; COLORREF ink; } rows[] = {
        {"AboutDlg", AboutDlgProc, WM_CTLCOLORDLG, 0, RGB(0, 0, 127)}, {"AboutDlg", AboutDlgProc, WM_CTLCOLORSTATIC, IDC_ABOUT_BUILD, RGB(0, 0, 127)},
        {"WarnMusicDlg", WarnMusicDlgProc, WM_CTLCOLORDLG, 0, 0}, {"WarnMusicDlg", WarnMusicDlgProc, WM_CTLCOLORSTATIC, IDC_WARNMUSIC_NOTAGAIN, 0},
        {"WarnPowerDlg", WarnPowerDlgProc, WM_CTLCOLORDLG, 0, 0}, {"WarnPowerDlg", WarnPowerDlgProc, WM_CTLCOLORBTN, IDOK, 0},
        {"WarnPowerDlg", WarnPowerDlgProc, WM_CTLCOLORSTATIC, IDC_WARNPOWER_TITLE, RGB(255, 0, 0)},
        {"WarnPowerDlg", WarnPowerDlgProc, WM_CTLCOLORSTATIC, IDC_WARNPOWER_NOTAGAIN, text}};
    for (const auto& r : rows) {
        Dialog dialog(r.name, r.proc);
        HDC dc = GetDC(dialog.window);
        SetTextColor(dc, RGB(1, 2, 3));
        const LRESULT brush = SendMessageA(dialog.window, r.message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(GetDlgItem(dialog.window, r.control)));
        EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetStockObject(LTGRAY_BRUSH))) << r.name << r.message;
        EXPECT_EQ(std::pair(GetTextColor(dc), GetBkColor(dc)), std::pair(r.ink, grey)) << r.name << r.message << " " << r.control;
        ReleaseDC(dialog.window, dc);
    }
}

TEST_F(SmallDialogs, BackColorChoicesCancelAndColourTable) {
    const struct { LONG stored; int radio; LRESULT shown; int choose, item; const char* expected; } rows[] = {
        {1, IDC_BACKCOLOR_CUSTOM, 0, IDC_BACKCOLOR_CUSTOM, 5, "6"}, {0, IDC_BACKCOLOR_DESKTOP, CB_ERR, IDC_BACKCOLOR_CUSTOM, 2, "3"},
        {6, IDC_BACKCOLOR_CUSTOM, 5, IDC_BACKCOLOR_DESKTOP, 4, "0"}, {9, IDC_BACKCOLOR_CUSTOM, CB_ERR, IDC_BACKCOLOR_CUSTOM, -1, "0"}};
    for (const auto& r : rows) {
        settings.BackColor = r.stored;
        settings.Zoom = r.stored == 6;
        const unsigned zooms = zoomAnimationsRun;
        Dialog dialog("SelectBackColorDlg", SelectBackColorDlgProc);
        EXPECT_EQ(zoomAnimationsRun - zooms, r.stored == 6 ? 1u : 0u);
        EXPECT_TRUE(IsDlgButtonChecked(dialog.window, r.radio) && dialog.Item(IDC_BACKCOLOR_LIST, CB_GETCOUNT) == 6) << r.stored;
        EXPECT_EQ(dialog.Item(IDC_BACKCOLOR_LIST, CB_GETCURSEL), r.shown) << r.stored;
        CheckRadioButton(dialog.window, IDC_BACKCOLOR_DESKTOP, IDC_BACKCOLOR_CUSTOM, r.choose);
        dialog.Item(IDC_BACKCOLOR_LIST, CB_SETCURSEL, r.item);
        dialog.Press(r.stored == 1 ? IDCANCEL : IDOK);       // Cancel changes nothing
        EXPECT_EQ(testenv::ReadIni("Settings", "BackColor", "none"), r.stored == 1 ? "none" : r.expected) << r.stored;
        EXPECT_EQ(settings.BackColor, r.stored == 1 ? 1 : std::stol(r.expected));
    }
    // Item n shows BackColor n + 1's colour; a face with no item (-1) shows black.
    const COLORREF colours[] = {0, 0, RGB(127, 127, 127), RGB(192, 192, 192), RGB(255, 255, 255), RGB(0, 0, 127), RGB(0, 0, 255)};
    HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 20, 10);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (int item = -1; item < 6; ++item) {
        DrawColorItem(dc, RECT{0, 0, 20, 10}, item, item % 2 ? ODA_DRAWENTIRE : ODA_SELECT, 0);
        EXPECT_EQ(GetPixel(dc, 10, 5), colours[item + 1]) << item;
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

TEST_F(SmallDialogs, WarningBoxesDecideTheirSetting) {
    for (bool tick : {true, false}) {
        for (int button : {IDOK, IDCANCEL}) {
            settings.WarnMusic = settings.WarnPower = 1;
            Dialog music("WarnMusicDlg", WarnMusicDlgProc), power("WarnPowerDlg", WarnPowerDlgProc);
            if (tick) music.Tick(IDC_WARNMUSIC_NOTAGAIN), power.Tick(IDC_WARNPOWER_NOTAGAIN);
            music.Press(button);
            power.Press(button);
            EXPECT_EQ(settings.WarnMusic * 10 + settings.WarnPower, tick ? 0 : 11) << tick << button;
            EXPECT_FALSE(IsWindowVisible(music.window) || IsWindowVisible(power.window));
        }
    }
    // The power warning ends only on OK or Cancel; the music warning zooms both ways.
    settings.Zoom = 1;
    const unsigned zooms = zoomAnimationsRun;
    Dialog music("WarnMusicDlg", WarnMusicDlgProc), power("WarnPowerDlg", WarnPowerDlgProc);
    ShowWindow(power.window, SW_SHOW);
    power.Press(IDC_WARNPOWER_NOTAGAIN);
    music.Press(IDOK);
    EXPECT_TRUE(IsWindowVisible(power.window) && settings.WarnPower == 1);
    EXPECT_EQ(zoomAnimationsRun - zooms, 2u);
}
