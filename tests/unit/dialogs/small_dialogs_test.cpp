// The About, background-colour and no-MIDI warning dialogs, driven by messages.
#include <gtest/gtest.h>

#include <string>

#include "app/app.h"
#include "app/settings.h"
#include "dialogs/about_dlg.h"
#include "dialogs/back_color_dlg.h"
#include "dialogs/warn_music_dlg.h"
#include "dialogs/zoom.h"
#include "resource.h"
#include "support/test_env.h"

namespace {

HWND Open(const char* name, DLGPROC proc) { return CreateDialogParamA(appInstance, name, nullptr, proc, 0); }
void Press(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }

class SmallDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::RemoveIni();
        settings = Settings{};
    }
    void TearDown() override { testenv::RemoveIni(); }
};

}  // namespace

TEST_F(SmallDialogs, AboutShowsTheBuildLineAndOpensOnce) {
    HWND about = Open("AboutDlg", AboutDlgProc);
    ASSERT_NE(about, nullptr);
    char line[64] = "";
    GetDlgItemTextA(about, IDC_ABOUT_BUILD, line, sizeof line);
    EXPECT_STREQ(line, "Build Date: 960813");
    ShowAbout(nullptr);  // raises the open one; a new dialog would block here
    EXPECT_EQ(GetForegroundWindow(), about);
    Press(about, IDCANCEL);
    EXPECT_FALSE(aboutOpen || aboutDialog);
    DestroyWindow(about);
    about = Open("AboutDlg", AboutDlgProc);
    DestroyWindow(about);  // going down with its owner, without a button
    EXPECT_FALSE(aboutOpen || aboutDialog);
}

TEST_F(SmallDialogs, BackColorChoicesAndCancel) {
    const struct { LONG stored; int radio; LRESULT shown; int choose; int item; LONG expected; } cases[] = {
        {0, IDC_BACKCOLOR_DESKTOP, CB_ERR, IDC_BACKCOLOR_CUSTOM, 2, 3},
        {6, IDC_BACKCOLOR_CUSTOM, 5, IDC_BACKCOLOR_DESKTOP, 4, 0},       // the list is ignored then
        {9, IDC_BACKCOLOR_CUSTOM, CB_ERR, IDC_BACKCOLOR_CUSTOM, -1, 0},  // "Custom:" with nothing chosen
    };
    for (const auto& c : cases) {
        settings.BackColor = c.stored;
        HWND dialog = Open("SelectBackColorDlg", SelectBackColorDlgProc);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(IsDlgButtonChecked(dialog, c.radio), BST_CHECKED) << c.stored;
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_BACKCOLOR_LIST, CB_GETCURSEL, 0, 0), c.shown) << c.stored;
        Click(dialog, c.choose);
        SendDlgItemMessageA(dialog, IDC_BACKCOLOR_LIST, CB_SETCURSEL, c.item, 0);
        Press(dialog, IDOK);
        EXPECT_EQ(testenv::ReadIni("Settings", "BackColor"), std::to_string(c.expected));
        DestroyWindow(dialog);
    }
    settings.BackColor = 2;
    SaveSettings();
    const std::string before = testenv::IniText();
    HWND dialog = Open("SelectBackColorDlg", SelectBackColorDlgProc);
    SendDlgItemMessageA(dialog, IDC_BACKCOLOR_LIST, CB_SETCURSEL, 5, 0);
    Click(dialog, IDC_BACKCOLOR_DESKTOP);
    Press(dialog, IDCANCEL);
    EXPECT_EQ(settings.BackColor, 2);
    EXPECT_EQ(testenv::IniText(), before);
    DestroyWindow(dialog);
}

TEST_F(SmallDialogs, WarningTickDecidesWarnMusic) {
    for (bool tick : {true, false})
        for (int button : {IDOK, IDCANCEL}) {
            settings.WarnMusic = 1;
            HWND warn = Open("WarnMusicDlg", WarnMusicDlgProc);
            ASSERT_NE(warn, nullptr);
            if (tick) Click(warn, IDC_WARNMUSIC_NOTAGAIN);
            Press(warn, button);
            EXPECT_EQ(settings.WarnMusic, tick ? 0 : 1) << tick << button;
            DestroyWindow(warn);
        }
}

TEST_F(SmallDialogs, ZoomRunsOnlyWhenSwitchedOn) {
    for (LONG zoom : {0, 1}) {
        settings.Zoom = zoom;
        const unsigned before = zoomAnimationsRun;
        HWND dialog = Open("AboutDlg", AboutDlgProc);
        Press(dialog, IDCANCEL);
        EXPECT_EQ(zoomAnimationsRun - before, zoom ? 2u : 0u);  // opening and closing
        DestroyWindow(dialog);
    }
}
