// The warning shown when the Options dialog is closed with the power off.
#pragma once
#include <windows.h>

// Runs the warning modally unless WarnPower is off, then saves the box's answer.
void ShowPowerWarning(HWND owner);

INT_PTR CALLBACK WarnPowerDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
