// The saver setup dialog, made from its template and driven with messages.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/settings.h"
#include "dialogs/context_tips.h"
#include "resource.h"
#include "saver/saver_setup_dlg.h"
#include "support/test_env.h"

static std::string Text(HWND dialog, int id) {
    char text[256] = "";
    return std::string(text, GetDlgItemTextA(dialog, id, text, sizeof text));
}

TEST(SetupDialog, ShowsTheSettingsAndStoresThemOnlyOnOkWithADelayOf1To60) {
    const struct { int id; LONG* setting; } checks[] = {{IDC_SSSETUP_MOUSE_MOVE, &settings.SSMouseMove},
        {IDC_SSSETUP_MOUSE_CLICK, &settings.SSMouseClick}, {IDC_SSSETUP_IGNORE_WINSS, &settings.IgnoreWinSS}};
    // As typed, the minutes stored (0: refused), the button pressed, and the one box checked at the start.
    const struct { const char* typed; LONG minutes; int end, on; } rows[] = {
        {"60", 60, IDOK, 0}, {"1", 1, IDOK, 1}, {" 7", 7, IDOK, 2}, {"7 minutes", 7, IDOK, 0}, {"1e2", 1, IDOK, 0},
        {"+9", 9, IDOK, 0}, {"9", 0, IDCANCEL, 1}, {"61", 0, IDOK, 0}, {"0", 0, IDOK, 0}, {"-5", 0, IDOK, 0},
        {"abc", 0, IDOK, 0}, {"", 0, IDOK, 0}, {"4294967297", 0, IDOK, 0}, {"99999999999", 0, IDOK, 0},
    };
    appInstance = GetModuleHandleA(nullptr);
    for (const auto& row : rows) {
        settings.Zoom = 0, settings.SSDelay = 5;
        std::strcpy(settings.SSMsg, "Merry");
        for (const auto& check : checks) *check.setting = &check == &checks[row.on];
        HWND dialog = CreateDialogParamA(appInstance, kSaverSetupTemplate, nullptr, SaverSetupDlgProc, 0);
        EXPECT_TRUE(Text(dialog, IDC_SSSETUP_DELAY) == "5" && Text(dialog, IDC_SSSETUP_MESSAGE) == "Merry" &&
                    GetFocus() == GetDlgItem(dialog, IDC_SSSETUP_DELAY));
        for (const auto& check : checks) {   // each box shows its own setting; then all are turned over
            EXPECT_EQ(IsDlgButtonChecked(dialog, check.id), UINT(&check == &checks[row.on])) << check.id;
            SendDlgItemMessageA(dialog, check.id, BM_CLICK, 0, 0);
        }
        SetDlgItemTextA(dialog, IDC_SSSETUP_DELAY, row.typed);
        SetDlgItemTextA(dialog, IDC_SSSETUP_MESSAGE, "Happy Holidays to all of you, and a good new year");
        SetFocus(GetDlgItem(dialog, IDOK));
        testenv::BoxAnswerer boxes;
        boxes.keep = dialog;
        SendMessageA(dialog, WM_COMMAND, row.end, (LPARAM)GetDlgItem(dialog, row.end));
        const bool stored = row.minutes != 0, refused = !stored && row.end == IDOK;
        const std::string refusal = "Lumenkin v2.1|Timeout must be between 1 and 60 minutes.";
        EXPECT_EQ(boxes.seen, std::vector<std::string>(refused, refusal));
        EXPECT_TRUE(settings.SSDelay == (stored ? row.minutes : 5) && IsWindowVisible(dialog) == refused) << row.typed;
        for (const auto& check : checks) EXPECT_EQ(*check.setting, (&check == &checks[row.on]) != stored) << row.typed;
        EXPECT_STREQ(settings.SSMsg, stored ? "Happy Holidays to all of you, a" : "Merry") << "cut to 31 characters";
        EXPECT_EQ(saverSetupTips.tooltip == nullptr, !refused) << "the tips go with the dialog";
        EXPECT_TRUE(!refused || (GetFocus() == GetDlgItem(dialog, IDC_SSSETUP_DELAY) &&
                                 Text(dialog, IDC_SSSETUP_DELAY) == row.typed)) << "refused, it stays as it was left";
        DestroyWindow(dialog);
    }
}
