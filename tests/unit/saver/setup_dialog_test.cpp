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

namespace {

class SetupDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        appInstance = GetModuleHandleA(nullptr);
        settings.Zoom = settings.SSMouseClick = 0;
        settings.SSDelay = 5;
        settings.SSMouseMove = settings.IgnoreWinSS = 1;
        std::strcpy(settings.SSMsg, "Merry");
        saved_ = settings;
        dialog_ = CreateDialogParamA(appInstance, kSaverSetupTemplate, nullptr, SaverSetupDlgProc, 0);
        ASSERT_NE(dialog_, nullptr);
    }
    void TearDown() override {
        DestroyWindow(dialog_);
        RemoveContextTips(saverSetupTips);
    }
    std::string Text(int id) const {
        char text[256] = "";
        GetDlgItemTextA(dialog_, id, text, sizeof text);
        return text;
    }
    void Press(int id) const { SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog_, id)); }
    void Click(int id) const { SendDlgItemMessageA(dialog_, id, BM_CLICK, 0, 0); }
    void ChangeEverything(const char* delay) const {
        SetDlgItemTextA(dialog_, IDC_SSSETUP_DELAY, delay);
        for (int id : {IDC_SSSETUP_MOUSE_MOVE, IDC_SSSETUP_MOUSE_CLICK, IDC_SSSETUP_IGNORE_WINSS}) Click(id);
        SetDlgItemTextA(dialog_, IDC_SSSETUP_MESSAGE, "Happy Holidays to all of you, and a good new year");
    }
    bool NothingStored() const {
        return settings.SSDelay == saved_.SSDelay && settings.SSMouseMove == saved_.SSMouseMove &&
               settings.SSMouseClick == saved_.SSMouseClick && settings.IgnoreWinSS == saved_.IgnoreWinSS &&
               std::strcmp(settings.SSMsg, saved_.SSMsg) == 0;
    }
    HWND dialog_ = nullptr;
    Settings saved_{};
};

}  // namespace

TEST_F(SetupDialogTest, OpensWithTheSettingsAndItsTips) {
    EXPECT_EQ(Text(IDC_SSSETUP_DELAY), "5");
    EXPECT_EQ(Text(IDC_SSSETUP_MESSAGE), "Merry");
    EXPECT_TRUE(IsDlgButtonChecked(dialog_, IDC_SSSETUP_MOUSE_MOVE) && IsDlgButtonChecked(dialog_, IDC_SSSETUP_IGNORE_WINSS));
    EXPECT_FALSE(IsDlgButtonChecked(dialog_, IDC_SSSETUP_MOUSE_CLICK));
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog_, IDC_SSSETUP_DELAY));
    NMTTDISPINFOA request{};
    request.hdr = {saverSetupTips.tooltip, reinterpret_cast<UINT_PTR>(GetDlgItem(dialog_, IDC_SSSETUP_DELAY)), TTN_NEEDTEXTA};
    SendMessageA(dialog_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    EXPECT_STREQ(request.lpszText, "Set timeout");
    ChangeEverything("9");
    Press(IDCANCEL);
    EXPECT_FALSE(IsWindowVisible(dialog_));
    EXPECT_TRUE(NothingStored()) << "Cancel stores nothing";
    EXPECT_TRUE(saverSetupTips.tooltip == nullptr && saverSetupTips.hook == nullptr) << "the tips go with the dialog";
}

TEST_F(SetupDialogTest, AcceptedDelaysAreReadUpToTheFirstNonDigit) {
    ChangeEverything("60");
    Press(IDOK);
    EXPECT_FALSE(IsWindowVisible(dialog_));
    EXPECT_TRUE(settings.SSDelay == 60 && settings.SSMouseMove == 0 && settings.SSMouseClick == 1 && settings.IgnoreWinSS == 0);
    EXPECT_STREQ(settings.SSMsg, "Happy Holidays to all of you, a") << "cut to 31 characters";
    const struct { const char* typed; LONG minutes; } accepted[] = {{"1", 1}, {" 7", 7}, {"7 minutes", 7}, {"1e2", 1}, {"+9", 9}};
    for (const auto& delay : accepted) {
        TearDown();
        SetUp();
        SetDlgItemTextA(dialog_, IDC_SSSETUP_DELAY, delay.typed);
        Press(IDOK);
        EXPECT_FALSE(IsWindowVisible(dialog_)) << delay.typed;
        EXPECT_EQ(settings.SSDelay, delay.minutes) << delay.typed;
    }
}

TEST_F(SetupDialogTest, ABadDelayIsRefusedAndNothingIsStored) {
    ChangeEverything("");
    for (const char* typed : {"61", "0", "-5", "abc", "", "4294967297", "99999999999"}) {
        SetDlgItemTextA(dialog_, IDC_SSSETUP_DELAY, typed);
        SetFocus(GetDlgItem(dialog_, IDOK));
        {
            savertest::MessageBoxAnswerer answerer;
            Press(IDOK);
            EXPECT_EQ(answerer.answered(), std::vector<std::string>{"Lumenkin v2.1|Timeout must be between 1 and 60 minutes."})
                << typed;
        }
        EXPECT_TRUE(IsWindowVisible(dialog_) && NothingStored()) << typed;
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog_, IDC_SSSETUP_DELAY)) << typed;
        EXPECT_EQ(Text(IDC_SSSETUP_DELAY), typed) << "the entries stay as typed";
        EXPECT_NE(saverSetupTips.tooltip, nullptr);
    }
    SetDlgItemTextA(dialog_, IDC_SSSETUP_DELAY, "3");
    Press(IDOK);
    EXPECT_TRUE(settings.SSDelay == 3 && settings.SSMouseClick == 1 && !IsWindowVisible(dialog_));
}
