// The Options dialog's commands: buttons, lists, the power switch and the rate slider.
#include <cstdio>
#include <string>

#include <windows.h>
#include <commctrl.h>

#include "app/app.h"
#include "app/commands.h"
#include "app/settings.h"
#include "app/text.h"
#include "dialogs/options_dlg.h"
#include "dialogs/options_handlers.h"
#include "dialogs/preview.h"
#include "resource.h"
#include "saver/saver.h"
#include "saver/saver_setup_dlg.h"
#include "sound/sound_effects.h"

namespace {

constexpr const char kKeyClickSound[] = "Keyclick";
constexpr int kLabelChars = 64;
constexpr int kHelpChars = 2048;

void Enable(HWND dialog, int id, bool on) { EnableWindow(GetDlgItem(dialog, id), on); }

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SetLabelFromString(HWND dialog, int id, UINT stringId) {
    char text[kLabelChars] = "";
    LoadStringA(appInstance, stringId, text, sizeof text);
    SetDlgItemTextA(dialog, id, text);
}

void OnModeButton(HWND dialog, int id) {
    (void)dialog;
    KeyClick();
    previewMode = id - IDC_OPT_MODE_FIRST;
    PreviewStart(previewMode);
}

void OnPlayMusic(HWND dialog) {
    KeyClick();
    Enable(dialog, IDC_OPT_PLAYLIST, Checked(dialog, IDC_OPT_MUSIC));
}

void OnSaverEnable(HWND dialog) {
    KeyClick();
    const bool on = Checked(dialog, IDC_OPT_SAVER_ENABLE);
    Enable(dialog, IDC_OPT_SAVER_TEST, on);
    Enable(dialog, IDC_OPT_SAVER_SETUP, on);
}

void TakeSaverType(HWND dialog) {
    KeyClick();
    settings.SSType = static_cast<LONG>(SendDlgItemMessageA(dialog, IDC_OPT_SAVER_TYPE, CB_GETCURSEL, 0, 0));
}

void OnPowerSwitch(HWND dialog) {
    KeyClick();
    dialogPower = 1 - dialogPower;
    HWND button = GetDlgItem(dialog, IDC_OPT_POWER);
    InvalidateRect(button, nullptr, FALSE);
    UpdateWindow(button);
    SetLabelFromString(dialog, IDC_OPT_POWER_LABEL, IDS_POWER_LABEL_FIRST + dialogPower);
}

void OnHelp(HWND dialog) {
    KeyClick();
    // The help text is longer than the usual text buffer.
    char text[kHelpChars] = "";
    LoadStringA(appInstance, IDS_OPT_HELP, text, sizeof text);
    ShowMessage(dialog, text);
}

void OnAbout(HWND dialog) {
    KeyClick();
    ShowAbout(dialog);
}

void OnSelectionChange(HWND dialog, int id) {
    if (id == IDC_OPT_PLAYLIST)
        musicListChanged = 1;
    else
        UpdateBulbTypeBoxes(dialog, static_cast<int>(SendDlgItemMessageA(dialog, IDC_OPT_BULB_TYPE, CB_GETCURSEL, 0, 0)));
}

}  // namespace

void KeyClick() { PlaySoundEffect(kKeyClickSound); }

void ShowNowPlaying(HWND dialog, const char* song) {
    char line[kLabelChars + MAX_PATH];
    std::snprintf(line, sizeof line, LoadText(IDS_OPT_PLAYING_FORMAT).c_str(), song ? song : "");
    SetDlgItemTextA(dialog, IDC_OPT_NOW_PLAYING, line);
}

void UpdateBulbTypeBoxes(HWND dialog, int selection) {
    if (selection > 1) {
        CheckDlgButton(dialog, IDC_OPT_BROKEN, BST_UNCHECKED);
        Enable(dialog, IDC_OPT_BROKEN, false);
    } else {
        Enable(dialog, IDC_OPT_BROKEN, true);
    }
    if (selection != 0) {
        CheckDlgButton(dialog, IDC_OPT_CHANGE_BULBS, BST_UNCHECKED);
        Enable(dialog, IDC_OPT_CHANGE_BULBS, false);
    } else {
        Enable(dialog, IDC_OPT_CHANGE_BULBS, true);
    }
}

void OnOptionsCommand(HWND dialog, int id, int code, HWND) {
    Enable(dialog, IDC_OPT_APPLY, true);
    NoteActivity();
    switch (id) {
    case IDC_OPT_MODE_FIRST + 0:
    case IDC_OPT_MODE_FIRST + 1:
    case IDC_OPT_MODE_FIRST + 2:
    case IDC_OPT_MODE_FIRST + 3:
    case IDC_OPT_MODE_FIRST + 4:
    case IDC_OPT_MODE_FIRST + 5:
        OnModeButton(dialog, id);
        break;
    case IDC_OPT_BURNT_OUT:
    case IDC_OPT_BROKEN:
    case IDC_OPT_MISSING:
    case IDC_OPT_MORE_LIGHTS:
    case IDC_OPT_ZOOM:
    case IDC_OPT_SOUND:
    case IDC_OPT_START_OPTIONS:
    case IDC_OPT_KEY_LIGHTS:
    case IDC_OPT_IDLE:
    case IDC_OPT_CHANGE_BULBS:
        KeyClick();     // the box's new state is read at Apply or OK
        break;
    case IDC_OPT_MUSIC:
        OnPlayMusic(dialog);
        break;
    case IDC_OPT_SAVER_ENABLE:
        OnSaverEnable(dialog);
        break;
    case IDC_OPT_SAVER_TEST:
        TakeSaverType(dialog);
        StartSaver();
        break;
    case IDC_OPT_SAVER_SETUP:
        TakeSaverType(dialog);
        ShowSaverSetup(dialog, settings.SSType);
        break;
    case IDC_OPT_POWER:
        OnPowerSwitch(dialog);
        break;
    case IDC_OPT_HELP:
        OnHelp(dialog);
        break;
    case kCmdAbout:
        OnAbout(dialog);
        break;
    case IDOK:
        ApplyOptions(dialog, true);
        break;
    case IDC_OPT_APPLY:
        ApplyOptions(dialog, false);
        break;
    case IDCANCEL:
        CloseOptions(dialog, true);
        break;
    case IDC_OPT_QUIT:
        QuitOptions(dialog);
        break;
    default:
        if (code == CBN_SELCHANGE) OnSelectionChange(dialog, id);     // LBN_SELCHANGE alike
        break;
    }
}

int RateAfterScroll(int code, int before, int thumb, int low, int high) {
    switch (code) {
    case TB_LINEUP:
    case TB_PAGEUP: return before - 1 < low ? low : before - 1;
    case TB_LINEDOWN:
    case TB_PAGEDOWN: return before + 1 > high ? high : before + 1;
    case TB_THUMBPOSITION:
    case TB_THUMBTRACK: return thumb;
    case TB_TOP: return low;
    case TB_BOTTOM: return high;
    default: return before;
    }
}

void OnOptionsRateScroll(HWND dialog, WPARAM wParam) {
    Enable(dialog, IDC_OPT_APPLY, true);
    HWND slider = GetDlgItem(dialog, IDC_OPT_RATE);
    const int low = static_cast<int>(SendMessageA(slider, TBM_GETRANGEMIN, 0, 0));
    const int high = static_cast<int>(SendMessageA(slider, TBM_GETRANGEMAX, 0, 0));
    // Steps count from the rate shown before this scroll: the slider has already moved
    // itself by the time it reports a key press or a click on its channel.
    dialogRate = RateAfterScroll(LOWORD(wParam), dialogRate, static_cast<short>(HIWORD(wParam)), low, high);
    SendMessageA(slider, TBM_SETPOS, TRUE, dialogRate);
    SetLabelFromString(dialog, IDC_OPT_RATE_NAME, IDS_RATE_NAME_FIRST + dialogRate);
}
