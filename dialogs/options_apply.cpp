// Applying, closing and quitting the Options dialog.
#include <windows.h>
#include <commctrl.h>

#include "app/app.h"
#include "app/commands.h"
#include "app/settings.h"
#include "app/text.h"
#include "dialogs/context_tips.h"
#include "dialogs/options_dlg.h"
#include "dialogs/options_handlers.h"
#include "dialogs/options_playlist.h"
#include "dialogs/preview.h"
#include "dialogs/warn_power_dlg.h"
#include "lights/bulb_catalogue.h"
#include "lights/flash_engine.h"
#include "lights/light_string.h"
#include "resource.h"
#include "saver/saver.h"
#include "sound/music.h"

namespace {

constexpr int kModeCount = IDC_OPT_MODE_LAST - IDC_OPT_MODE_FIRST + 1;

LONG Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0; }

LONG Selection(HWND dialog, int id) { return static_cast<LONG>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0)); }

void ReadControls(HWND dialog) {
    for (int mode = 0; mode < kModeCount; ++mode)
        if (Checked(dialog, IDC_OPT_MODE_FIRST + mode)) settings.Mode = mode;
    settings.Color = Selection(dialog, IDC_OPT_COLOR) - 1;
    settings.Rate = static_cast<LONG>(SendDlgItemMessageA(dialog, IDC_OPT_RATE, TBM_GETPOS, 0, 0));
    settings.BulbType = Selection(dialog, IDC_OPT_BULB_TYPE) - 1;
    settings.SSType = Selection(dialog, IDC_OPT_SAVER_TYPE);
    settings.Broken = Checked(dialog, IDC_OPT_BROKEN);
    settings.ChangeLights = Checked(dialog, IDC_OPT_CHANGE_BULBS);
    settings.BurnedOut = Checked(dialog, IDC_OPT_BURNT_OUT);
    settings.OwnWindow = Checked(dialog, IDC_OPT_OWN_WINDOW);
    settings.Music = Checked(dialog, IDC_OPT_MUSIC);
    settings.ScreenSaver = Checked(dialog, IDC_OPT_SAVER_ENABLE);
    settings.Zoom = Checked(dialog, IDC_OPT_ZOOM);
    settings.Sound = Checked(dialog, IDC_OPT_SOUND);
    settings.StartOptions = Checked(dialog, IDC_OPT_START_OPTIONS);
    settings.KeyLights = Checked(dialog, IDC_OPT_KEY_LIGHTS);
    settings.IdleProcess = Checked(dialog, IDC_OPT_IDLE);
    settings.NoFlicker = Checked(dialog, IDC_OPT_NO_FLICKER);
    settings.MissingBulbs = Checked(dialog, IDC_OPT_MISSING);
    settings.NotSoMany = Checked(dialog, IDC_OPT_MORE_LIGHTS) ? 0 : 1;
    settings.Power = dialogPower;
}

void StorePlaylist(HWND dialog) {
    const int count = WritePlaylistEntries(GetDlgItem(dialog, IDC_OPT_PLAYLIST));
    if (count == 0) {
        ShowMessage(dialog, LoadText(IDS_OPT_NO_MUSIC_SELECTED).c_str());
        settings.Music = 0;
        CheckDlgButton(dialog, IDC_OPT_MUSIC, BST_UNCHECKED);
        EnableWindow(GetDlgItem(dialog, IDC_OPT_PLAYLIST), FALSE);
    }
    WritePlaylistCount(count);
}

// The music starts again from the first entry when anything about it changed.
void RestartMusicIfChanged() {
    if (settings.Music == musicAtOpen && settings.Power == powerAtOpen && !musicListChanged) return;
    MIDIStop();
    if (settings.Music && settings.Power) {
        WriteProfileValue(kMusicSection, "Current", nullptr);
        MIDIPlayNext(mainWindow);
    }
}

void Forget() {
    optionsOpen = false;
    optionsDialog = nullptr;
}

}  // namespace

void ApplyOptions(HWND dialog, bool ok) {
    KeyClick();
    if (!ok) {
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDOK)), TRUE);
        EnableWindow(GetDlgItem(dialog, IDC_OPT_APPLY), FALSE);
    }
    ReadControls(dialog);
    if (settings.Music) StorePlaylist(dialog);
    SaveSettings();
    LoadBulbSet();
    RefreshDesktop();
    PaintString();
    StopFlashTimer();
    StartFlashTimer();
    RestartMusicIfChanged();
    musicListChanged = 0;
    if (settings.OwnWindow != ownWindowAtOpen) ApplyOwnWindowSetting();
    if (!ok) return;
    if (!settings.Power) ShowPowerWarning(dialog);
    CloseOptions(dialog, false);
}

void CloseOptions(HWND dialog, bool cancel) {
    if (cancel) {
        KeyClick();
        LoadSettings();
    }
    NoteActivity();
    RemoveContextTips(optionsTips);
    KillTimer(dialog, kPreviewTimerId);
    EndDialog(dialog, 1);
    // Whatever ended the dialog, the desktop repaints the place it covered.
    RefreshDesktop();
    Forget();
}

void QuitOptions(HWND dialog) {
    KeyClick();
    RemoveContextTips(optionsTips);
    PostMessageA(mainWindow, WM_SYSCOMMAND, kCmdRemoveLights, 0);
    KillTimer(dialog, kPreviewTimerId);
    EndDialog(dialog, 0);
    Forget();
}

void OnOptionsDestroy(HWND dialog) {
    // Also when the dialog goes down with its owner, so a later request opens a new one.
    if (optionsDialog != dialog) return;
    RemoveContextTips(optionsTips);
    KillTimer(dialog, kPreviewTimerId);
    Forget();
}
