// The saver setup dialog, created from its template and driven with messages.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/app.h"
#include "app/settings.h"
#include "dialogs/context_tips.h"
#include "resource.h"
#include "saver/saver_setup_dlg.h"
#include "saver_test_util.h"

using savertest::MessageBoxAnswerer;

namespace {

class SetupDialogTest : public ::testing::Test {
protected:
    void SetUp() override { Open(); }
    void TearDown() override { Close(); }

    // A fresh dialog over the settings the tests start from.
    void Open() {
        Close();
        appInstance = GetModuleHandleA(nullptr);
        settings.Zoom = 0;
        settings.SSDelay = 5;
        settings.SSMouseMove = 1;
        settings.SSMouseClick = 0;
        settings.IgnoreWinSS = 1;
        std::strcpy(settings.SSMsg, "Merry");
        saved_ = settings;
        dialog_ = CreateDialogParamA(appInstance, kSaverSetupTemplate, nullptr, SaverSetupDlgProc, 0);
        ASSERT_NE(dialog_, nullptr);
    }
    void Close() {
        if (dialog_ && IsWindow(dialog_)) DestroyWindow(dialog_);
        dialog_ = nullptr;
        RemoveContextTips(saverSetupTips);
    }

    std::string Text(int id) const {
        char text[256] = "";
        GetDlgItemTextA(dialog_, id, text, sizeof text);
        return text;
    }
    bool Checked(int id) const { return IsDlgButtonChecked(dialog_, id) == BST_CHECKED; }
    void Press(int id) const {
        SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog_, id)));
    }
    void Click(int id) const { SendDlgItemMessageA(dialog_, id, BM_CLICK, 0, 0); }
    bool Closed() const { return !IsWindowVisible(dialog_); }
    // Settings the dialog stores, compared with those before it opened.
    bool NothingStored() const {
        return settings.SSDelay == saved_.SSDelay && settings.SSMouseMove == saved_.SSMouseMove &&
               settings.SSMouseClick == saved_.SSMouseClick && settings.IgnoreWinSS == saved_.IgnoreWinSS &&
               std::strcmp(settings.SSMsg, saved_.SSMsg) == 0;
    }

    HWND dialog_ = nullptr;
    Settings saved_{};
};

}  // namespace

TEST_F(SetupDialogTest, OpensWithTheSettingsAndTheFocusOnTheDelay) {
    char caption[64] = "";
    GetWindowTextA(dialog_, caption, sizeof caption);
    EXPECT_STREQ(caption, "Lumenkin v2.1 Screen Saver Setup");
    EXPECT_EQ(Text(IDC_SSSETUP_DELAY), "5");
    EXPECT_TRUE(Checked(IDC_SSSETUP_MOUSE_MOVE));
    EXPECT_FALSE(Checked(IDC_SSSETUP_MOUSE_CLICK));
    EXPECT_TRUE(Checked(IDC_SSSETUP_IGNORE_WINSS));
    EXPECT_EQ(Text(IDC_SSSETUP_MESSAGE), "Merry");
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog_, IDC_SSSETUP_DELAY));
    // Centred on the screen.
    RECT place;
    GetWindowRect(dialog_, &place);
    EXPECT_NEAR((place.left + place.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((place.top + place.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST_F(SetupDialogTest, ShowsItsTipsWhileOpen) {
    EXPECT_EQ(saverSetupTips.dialog, dialog_);
    EXPECT_NE(saverSetupTips.tooltip, nullptr);
    NMTTDISPINFOA request{};
    request.hdr.hwndFrom = saverSetupTips.tooltip;
    request.hdr.idFrom = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog_, IDC_SSSETUP_DELAY));
    request.hdr.code = TTN_NEEDTEXTA;
    SendMessageA(dialog_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    ASSERT_NE(request.lpszText, nullptr);
    EXPECT_STREQ(request.lpszText, "Set timeout");
    Press(IDCANCEL);
    EXPECT_EQ(saverSetupTips.tooltip, nullptr) << "the tips go with the dialog";
    EXPECT_EQ(saverSetupTips.hook, nullptr);
}

TEST_F(SetupDialogTest, OkStoresEverythingWithAGoodDelay) {
    SetDlgItemTextA(dialog_, IDC_SSSETUP_DELAY, "60");
    Click(IDC_SSSETUP_MOUSE_MOVE);
    Click(IDC_SSSETUP_MOUSE_CLICK);
    Click(IDC_SSSETUP_IGNORE_WINSS);
    SetDlgItemTextA(dialog_, IDC_SSSETUP_MESSAGE, "Happy Holidays to all of you, and a good new year");
    Press(IDOK);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(settings.SSDelay, 60);
    EXPECT_EQ(settings.SSMouseMove, 0);
    EXPECT_EQ(settings.SSMouseClick, 1);
    EXPECT_EQ(settings.IgnoreWinSS, 0);
    EXPECT_STREQ(settings.SSMsg, "Happy Holidays to all of you, a") << "cut to 31 characters";
    EXPECT_EQ(saverSetupTips.tooltip, nullptr);
}

TEST_F(SetupDialogTest, TheDelayIsReadUpToItsFirstNonDigit) {
    const struct { const char* typed; LONG minutes; } accepted[] = {
        {"1", 1}, {"60", 60}, {" 7", 7}, {"7 minutes", 7}, {"1e2", 1}, {"+9", 9}, {"007", 7},
    };
    for (const auto& delay : accepted) {
        Open();
        SetDlgItemTextA(dialog_, IDC_SSSETUP_DELAY, delay.typed);
        Press(IDOK);
        EXPECT_TRUE(Closed()) << delay.typed;
        EXPECT_EQ(settings.SSDelay, delay.minutes) << delay.typed;
    }
}

TEST_F(SetupDialogTest, ABadDelayIsRefusedAndNothingIsStored) {
    Click(IDC_SSSETUP_MOUSE_CLICK);
    SetDlgItemTextA(dialog_, IDC_SSSETUP_MESSAGE, "changed");
    // One refusal after another: the dialog stays open and usable throughout.
    const char* refused[] = {"61", "0", "-5", "abc", "", "4294967297", "99999999999"};
    for (const char* typed : refused) {
        SetDlgItemTextA(dialog_, IDC_SSSETUP_DELAY, typed);
        SetFocus(GetDlgItem(dialog_, IDOK));
        {
            MessageBoxAnswerer answerer;
            Press(IDOK);
            ASSERT_EQ(answerer.texts().size(), 1u) << typed;
            EXPECT_EQ(answerer.texts()[0], "Timeout must be between 1 and 60 minutes.");
            EXPECT_EQ(answerer.captions()[0], "Lumenkin v2.1");
        }
        EXPECT_FALSE(Closed()) << typed;
        EXPECT_TRUE(NothingStored()) << typed;
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog_, IDC_SSSETUP_DELAY)) << typed;
        EXPECT_EQ(Text(IDC_SSSETUP_DELAY), typed) << "the entries stay as typed";
        EXPECT_TRUE(Checked(IDC_SSSETUP_MOUSE_CLICK));
        EXPECT_EQ(Text(IDC_SSSETUP_MESSAGE), "changed");
        EXPECT_NE(saverSetupTips.tooltip, nullptr) << "the tips stay while the dialog does";
    }
    // Put right, the same dialog takes it all.
    SetDlgItemTextA(dialog_, IDC_SSSETUP_DELAY, "3");
    Press(IDOK);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(settings.SSDelay, 3);
    EXPECT_EQ(settings.SSMouseClick, 1);
    EXPECT_STREQ(settings.SSMsg, "changed");
}

TEST_F(SetupDialogTest, CancelStoresNothing) {
    SetDlgItemTextA(dialog_, IDC_SSSETUP_DELAY, "9");
    Click(IDC_SSSETUP_MOUSE_MOVE);
    Click(IDC_SSSETUP_MOUSE_CLICK);
    Click(IDC_SSSETUP_IGNORE_WINSS);
    SetDlgItemTextA(dialog_, IDC_SSSETUP_MESSAGE, "changed");
    Press(IDCANCEL);
    EXPECT_TRUE(Closed());
    EXPECT_TRUE(NothingStored());
}

namespace {

// Fills in the modal dialog once it is up and presses its OK button.
void CALLBACK AnswerSetup(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowA("#32770", "Lumenkin v2.1 Screen Saver Setup");
    if (!dialog || !IsWindowVisible(dialog)) return;
    KillTimer(nullptr, timer);
    SetDlgItemTextA(dialog, IDC_SSSETUP_DELAY, "12");
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

}  // namespace

TEST_F(SetupDialogTest, ShowSaverSetupRunsTheDialogModally) {
    DestroyWindow(dialog_);
    SetTimer(nullptr, 0, 100, AnswerSetup);
    ShowSaverSetup(nullptr, 3);
    EXPECT_EQ(settings.SSDelay, 12);
    EXPECT_EQ(saverSetupTips.tooltip, nullptr);
}
