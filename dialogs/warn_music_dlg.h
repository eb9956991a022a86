// The warning shown at start-up when the machine cannot play MIDI music.
#pragma once
#include <windows.h>

INT_PTR CALLBACK WarnMusicDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
