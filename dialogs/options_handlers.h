// What the Options dialog does for each message; the dialog procedure only dispatches.
#pragma once
#include <windows.h>

// WM_INITDIALOG: fills every control from the settings and starts the preview.
INT_PTR OnOptionsInit(HWND dialog);
// WM_COMMAND from a control, the context menu or the keyboard.
void OnOptionsCommand(HWND dialog, int id, int code, HWND control);
// WM_HSCROLL from the rate slider.
void OnOptionsRateScroll(HWND dialog, WPARAM wParam);

// Broken bulbs only for Random and Normal, the five-minute change only for Random.
void UpdateBulbTypeBoxes(HWND dialog, int selection);
// Reads every control into the settings, saves them and brings the lights, the timer,
// the music and the own window in line; OK then closes the dialog.
void ApplyOptions(HWND dialog, bool ok);
// Ends the dialog; Cancel first throws the changes away by reloading the settings file.
void CloseOptions(HWND dialog, bool cancel);
// Ends the dialog and the program, saving nothing.
void QuitOptions(HWND dialog);
// Forgets the dialog when its window goes, however it went.
void OnOptionsDestroy(HWND dialog);

// The slider's new position for a scroll code, from the rate shown before it.
int RateAfterScroll(int code, int before, int thumb, int low, int high);
// The dialog's key click (silent when sound effects are off).
void KeyClick();
// Sets the "Playing:" label.
void ShowNowPlaying(HWND dialog, const char* song);
