// Opening the Options dialog: every control is filled from the settings record.
#include <cstdio>
#include <string>

#include <windows.h>
#include <commctrl.h>

#include "app/app.h"
#include "app/commands.h"
#include "app/settings.h"
#include "app/text.h"
#include "dialogs/context_tips.h"
#include "dialogs/dialog_helpers.h"
#include "dialogs/options_dlg.h"
#include "dialogs/options_handlers.h"
#include "dialogs/options_playlist.h"
#include "dialogs/pickers.h"
#include "dialogs/preview.h"
#include "dialogs/zoom.h"
#include "resource.h"
#include "sound/music.h"

namespace {

constexpr int kListTextChars = 64;      // every list item and label read from the string table
constexpr int kLowestRate = 0, kHighestRate = 4;

void Check(HWND dialog, int id, LONG on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }

void Enable(HWND dialog, int id, bool on) { EnableWindow(GetDlgItem(dialog, id), on); }

// Adds strings first, first + 1, ... to a combo box until one is missing.
void FillComboFromStrings(HWND combo, UINT first) {
    char text[kListTextChars];
    for (UINT id = first; LoadStringA(appInstance, id, text, sizeof text) > 0; ++id)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

// The closed list shows its choice as large as a list item, icon and all.
void SetSelectionFieldHeight(HWND combo) {
    SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), kPickerItemHeight);
}

void SetLabelFromString(HWND dialog, int id, UINT stringId) {
    char text[kListTextChars] = "";
    LoadStringA(appInstance, stringId, text, sizeof text);
    SetDlgItemTextA(dialog, id, text);
}

void FillBulbTypes(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_OPT_BULB_TYPE);
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(smallFont), FALSE);
    SetSelectionFieldHeight(list);
    FillComboFromStrings(list, IDS_BULB_TYPE_NAME_FIRST);
    SendMessageA(list, CB_SETCURSEL, settings.BulbType + 1, 0);
    UpdateBulbTypeBoxes(dialog, settings.BulbType + 1);
}

void AddAboutToSystemMenu(HWND dialog) {
    HMENU menu = GetSystemMenu(dialog, FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kCmdAbout, LoadText(IDS_MENU_ABOUT).c_str());
}

void ShowMusicChoice(HWND dialog) {
    Check(dialog, IDC_OPT_MUSIC, settings.Music);
    musicAtOpen = settings.Music;
    if (!midiDevicePresent) {
        Enable(dialog, IDC_OPT_MUSIC, false);
        Check(dialog, IDC_OPT_MUSIC, 0);
        Enable(dialog, IDC_OPT_PLAYLIST, false);
    }
}

// False when the program's folder holds no MIDI file: music is then off in memory.
bool ShowPlaylist(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_OPT_PLAYLIST);
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(smallFont), FALSE);
    if (FillPlaylist(dialog, IDC_OPT_PLAYLIST)) return true;
    Enable(dialog, IDC_OPT_MUSIC, false);
    Check(dialog, IDC_OPT_MUSIC, 0);
    Enable(dialog, IDC_OPT_PLAYLIST, false);
    settings.Music = 0;
    SetDlgItemTextA(dialog, IDC_OPT_NOW_PLAYING, LoadText(IDS_OPT_NO_MIDI_FILES).c_str());
    return false;
}

void ShowRate(HWND dialog) {
    dialogRate = settings.Rate;
    HWND slider = GetDlgItem(dialog, IDC_OPT_RATE);
    SendMessageA(slider, TBM_SETRANGE, FALSE, MAKELPARAM(kLowestRate, kHighestRate));
    SendMessageA(slider, TBM_SETTICFREQ, 1, 0);
    SendMessageA(slider, TBM_SETLINESIZE, 0, 1);
    SendMessageA(slider, TBM_SETPAGESIZE, 0, 1);
    SendMessageA(slider, TBM_SETPOS, TRUE, settings.Rate);
    SetLabelFromString(dialog, IDC_OPT_RATE_NAME, IDS_RATE_NAME_FIRST + settings.Rate);
}

void ShowSaver(HWND dialog) {
    Check(dialog, IDC_OPT_SAVER_ENABLE, settings.ScreenSaver);
    Enable(dialog, IDC_OPT_SAVER_TEST, settings.ScreenSaver);
    Enable(dialog, IDC_OPT_SAVER_SETUP, settings.ScreenSaver);
}

void ShowFirstSong(HWND dialog, bool filesFound) {
    if (settings.Music) {
        MIDIShowCurrent();
        return;
    }
    Enable(dialog, IDC_OPT_PLAYLIST, false);
    if (filesFound) ShowNowPlaying(dialog, LoadText(IDS_OPT_NOTHING_PLAYING).c_str());
}

void SetDialogClassIcon(HWND dialog) {
    SetClassLongPtrA(dialog, GCLP_HICON, reinterpret_cast<LONG_PTR>(LoadIconA(appInstance, "AAAIcon")));
}

}  // namespace

INT_PTR OnOptionsInit(HWND dialog) {
    optionsDialog = dialog;
    optionsOpen = true;
    ResetSwitchPictureComplaint();
    CenterDialog(dialog);
    ZoomDialogOpen(dialog);
    SetDlgItemTextA(dialog, IDC_OPT_SPARE_LABEL, "");
    CheckRadioButton(dialog, IDC_OPT_MODE_FIRST, IDC_OPT_MODE_LAST, IDC_OPT_MODE_FIRST + settings.Mode);
    previewMode = settings.Mode;
    PreviewStart(settings.Mode);
    Check(dialog, IDC_OPT_BURNT_OUT, settings.BurnedOut);
    Check(dialog, IDC_OPT_BROKEN, settings.Broken);
    Check(dialog, IDC_OPT_CHANGE_BULBS, settings.ChangeLights);
    FillBulbTypes(dialog);
    FillComboFromStrings(GetDlgItem(dialog, IDC_OPT_SAVER_TYPE), IDS_SAVER_TYPE_NAME_FIRST);
    SendDlgItemMessageA(dialog, IDC_OPT_SAVER_TYPE, CB_SETCURSEL, settings.SSType, 0);
    AddAboutToSystemMenu(dialog);
    ShowMusicChoice(dialog);
    Check(dialog, IDC_OPT_OWN_WINDOW, settings.OwnWindow);
    ownWindowAtOpen = settings.OwnWindow;
    powerAtOpen = settings.Power;
    SetLabelFromString(dialog, IDC_OPT_POWER_LABEL, IDS_POWER_LABEL_FIRST + settings.Power);
    Check(dialog, IDC_OPT_MORE_LIGHTS, !settings.NotSoMany);
    SetSelectionFieldHeight(GetDlgItem(dialog, IDC_OPT_COLOR));
    FillComboFromStrings(GetDlgItem(dialog, IDC_OPT_COLOR), IDS_OPT_COLOR_ITEM_FIRST);
    SendDlgItemMessageA(dialog, IDC_OPT_COLOR, CB_SETCURSEL, settings.Color + 1, 0);
    const bool filesFound = ShowPlaylist(dialog);
    ShowRate(dialog);
    Check(dialog, IDC_OPT_IDLE, settings.IdleProcess);
    Check(dialog, IDC_OPT_MISSING, settings.MissingBulbs);
    ShowSaver(dialog);
    Check(dialog, IDC_OPT_ZOOM, settings.Zoom);
    Check(dialog, IDC_OPT_SOUND, settings.Sound);
    BringToFront(dialog);
    CreateContextTips(optionsTips, dialog);
    dialogPower = settings.Power;
    Check(dialog, IDC_OPT_START_OPTIONS, settings.StartOptions);
    Enable(dialog, IDC_OPT_APPLY, false);
    SetTimer(dialog, kPreviewTimerId, kPreviewTimerMs, nullptr);
    musicListChanged = 0;
    Check(dialog, IDC_OPT_KEY_LIGHTS, settings.KeyLights);
    SetDialogClassIcon(dialog);
    ShowFirstSong(dialog, filesFound);
    if (HasText(IDS_OPT_VERSION)) SetDlgItemTextA(dialog, IDC_OPT_VERSION, LoadText(IDS_OPT_VERSION).c_str());
    Check(dialog, IDC_OPT_NO_FLICKER, settings.NoFlicker);
    return TRUE;
}
