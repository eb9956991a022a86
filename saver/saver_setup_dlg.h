// The screen saver's setup dialog: delay, what ends the saver, and its message.
#pragma once
#include <windows.h>

constexpr const char kSaverSetupTemplate[] = "SSSetupDlg";
constexpr int kSaverDelayMin = 1;
constexpr int kSaverDelayMax = 60;
constexpr int kSaverTextChars = 32;     // the edits are read into this many characters

// Runs the setup dialog modally; one setup serves every effect, so the type is unused.
// The dialog changes the settings record only; saving is left to the Options dialog.
void ShowSaverSetup(HWND owner, int saverType);

INT_PTR CALLBACK SaverSetupDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
