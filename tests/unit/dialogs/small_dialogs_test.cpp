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
    void Press(int id) { SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(window, id))); }
};

}  // namespace

TEST(SmallDialogs, AboutShowsTheBuildLineOpensOnceAndZoomsBothWays) {
    for (LONG zoom : {1, 0}) {
        const unsigned zooms = zoomAnimationsRun;
        Dialog about("AboutDlg", (settings.Zoom = zoom, AboutDlgProc));
        char line[64] = "";   // ShowAbout raises the open one; a second would block
        EXPECT_TRUE(GetDlgItemTextA(about.window, IDC_ABOUT_BUILD, line, sizeof line) && line == std::string("Build Date: 960813"));
        EXPECT_TRUE((ShowAbout(nullptr), aboutOpen) && aboutDialog == about.window && GetForegroundWindow() == about.window);
        about.Press(zoom ? IDOK : IDCANCEL);   // zooms when it opens and when it closes
        EXPECT_TRUE(!aboutOpen && !aboutDialog && !IsWindowVisible(about.window) && zoomAnimationsRun - zooms == (zoom ? 2u : 0u));
    }
    Dialog("AboutDlg", AboutDlgProc);   // going down with its owner, without a button
    EXPECT_FALSE(aboutOpen || aboutDialog);
}

TEST(SmallDialogs, ControlColoursAreGreyWithTheirOwnInk) {   // About in navy, the warnings in black but the power warning's red title
    for (auto [name, proc, message, control, ink] : {std::tuple{"AboutDlg", &AboutDlgProc, WM_CTLCOLORDLG, 0, RGB(0, 0, 127)},
             {"AboutDlg", AboutDlgProc, WM_CTLCOLORSTATIC, IDC_ABOUT_BUILD, RGB(0, 0, 127)}, {"WarnMusicDlg", WarnMusicDlgProc, WM_CTLCOLORSTATIC, 0, 0ul},
             {"WarnPowerDlg", WarnPowerDlgProc, WM_CTLCOLORSTATIC, IDC_WARNPOWER_TITLE, RGB(255, 0, 0)},
             {"WarnPowerDlg", WarnPowerDlgProc, WM_CTLCOLORSTATIC, IDC_WARNPOWER_NOTAGAIN, GetSysColor(COLOR_WINDOWTEXT)}}) {
        Dialog dialog(name, (settings.Zoom = 0, proc));
        HDC dc = GetDC(dialog.window);
        const LRESULT brush = (SetTextColor(dc, 1), SendMessageA(dialog.window, message, WPARAM(dc), LPARAM(GetDlgItem(dialog.window, control))));
        EXPECT_TRUE(brush == LRESULT(GetStockObject(LTGRAY_BRUSH)) && GetTextColor(dc) == ink && GetBkColor(dc) == RGB(192, 192, 192)) << name << control;
        ReleaseDC(dialog.window, dc);
    }
}

TEST(SmallDialogs, BackColorChoicesCancelAndColourTable) {
    testenv::RemoveIni();
    for (auto [stored, radio, shown, choose, item, after] : {std::tuple{1, IDC_BACKCOLOR_CUSTOM, 0, IDC_BACKCOLOR_CUSTOM, 5, "none1"},
             {0, IDC_BACKCOLOR_DESKTOP, -1, IDC_BACKCOLOR_CUSTOM, 2, "33"}, {6, IDC_BACKCOLOR_CUSTOM, 5, IDC_BACKCOLOR_DESKTOP, 4, "00"},
             {9, IDC_BACKCOLOR_CUSTOM, -1, IDC_BACKCOLOR_CUSTOM, -1, "00"}}) {   // BackColor kept, shown, chosen and stored; the first row cancels
        const unsigned zooms = zoomAnimationsRun;
        Dialog dialog("SelectBackColorDlg", (settings.BackColor = stored, settings.Zoom = stored == 6, SelectBackColorDlgProc));
        const auto list = [&](UINT message, WPARAM wParam = 0) { return SendDlgItemMessageA(dialog.window, IDC_BACKCOLOR_LIST, message, wParam, 0); };
        EXPECT_TRUE(IsDlgButtonChecked(dialog.window, radio) && list(CB_GETCOUNT) == 6 && list(CB_GETCURSEL) == shown) << stored;
        CheckRadioButton(dialog.window, IDC_BACKCOLOR_DESKTOP, IDC_BACKCOLOR_CUSTOM, choose), list(CB_SETCURSEL, item), dialog.Press(stored == 1 ? 2 : 1);
        EXPECT_EQ(testenv::ReadIni("Settings", "BackColor", "none") + std::to_string(settings.BackColor), after) << stored;
        EXPECT_EQ(zoomAnimationsRun - zooms, stored == 6 ? 1u : 0u);
    }
    const COLORREF colours[] = {0, 0, RGB(127, 127, 127), RGB(192, 192, 192), RGB(255, 255, 255), RGB(0, 0, 127), RGB(0, 0, 255)};
    HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, CreateCompatibleBitmap(screen, 20, 10));
    for (int item = -1; item < 6; ++item) {   // item n shows BackColor n + 1's colour; a face with no item (-1) shows black
        DrawColorItem(dc, RECT{0, 0, 20, 10}, item, item % 2 ? ODA_DRAWENTIRE : ODA_SELECT, 0);
        EXPECT_EQ(GetPixel(dc, 10, 5), colours[item + 1]) << item;
    }
    DeleteObject(SelectObject(dc, old)), DeleteDC(dc), ReleaseDC(nullptr, screen), testenv::RemoveIni();
}

TEST(SmallDialogs, WarningBoxesDecideTheirSetting) {
    for (int tick = 0; tick < 4; ++tick) {   // ticked or not, OK or Cancel
        settings.WarnMusic = settings.WarnPower = 1, settings.Zoom = 0;
        Dialog music("WarnMusicDlg", WarnMusicDlgProc), power("WarnPowerDlg", WarnPowerDlgProc);
        CheckDlgButton(music.window, IDC_WARNMUSIC_NOTAGAIN, tick / 2), CheckDlgButton(power.window, IDC_WARNPOWER_NOTAGAIN, tick / 2);
        music.Press(tick % 2 ? IDOK : IDCANCEL), power.Press(tick % 2 ? IDOK : IDCANCEL);
        EXPECT_EQ(settings.WarnMusic * 10 + settings.WarnPower, tick / 2 ? 0 : 11) << tick;
    }
    const unsigned zooms = (settings.Zoom = settings.WarnPower = 1, zoomAnimationsRun);   // the power warning ends on OK or Cancel only,
    Dialog music("WarnMusicDlg", WarnMusicDlgProc), power("WarnPowerDlg", WarnPowerDlgProc);   // the music warning zooms both ways
    ShowWindow(power.window, SW_SHOW), power.Press(IDC_WARNPOWER_NOTAGAIN), music.Press(IDOK);
    EXPECT_TRUE(IsWindowVisible(power.window) && settings.WarnPower == 1 && zoomAnimationsRun - zooms == 2);
}
