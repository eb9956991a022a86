// The screen saver's setup dialog.
#pragma once
#include <windows.h>

// Runs the setup dialog modally; one setup serves every effect.
void ShowSaverSetup(HWND owner, int saverType);
