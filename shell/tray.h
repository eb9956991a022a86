// The icon in the taskbar's notification area and its menu.
#pragma once
#include <windows.h>
#include <shellapi.h>

// The program's only tray icon.
constexpr UINT kTrayIconId = 4762;
// The tip holds at most this many characters, terminator included.
constexpr int kTrayTipSize = 32;

enum class TrayAction { Add, Delete };

// Loaded once at start-up and kept until the program ends.
extern HICON trayIcon;              // "trayIcon" at the small-icon size; shared, never destroyed
extern char trayTip[kTrayTipSize];  // string 4500

void TrayLoadResources();
void TrayAddIcon(HWND window);
void TrayRemoveIcon(HWND window);

// The record handed to the shell for this window and action.
NOTIFYICONDATAA TrayRecord(HWND window, TrayAction action);
// Hands the record to the shell; gives the shell's answer (which nobody needs to check).
BOOL TrayNotify(HWND window, TrayAction action);

// A mouse event on the icon, as the shell reports it to the main window.
void TrayOnCallback(WPARAM iconId, LPARAM mouseMessage);

// The tray menu as it stands now: title, About, Options (greyed while the Options
// dialog is open) and Remove Lights. The caller destroys it.
HMENU TrayBuildMenu();
// Builds the menu and tracks it at the cursor, owned by `owner`; returns when it closes.
void TrayShowMenu(HWND owner);

// True for the message the shell broadcasts when its taskbar is created anew (after
// the shell restarts); the icon must then be added again.
bool TrayIsTaskbarCreated(UINT message);
