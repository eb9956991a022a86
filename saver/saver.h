// The built-in screen saver: the inactivity test and the saver window.
#pragma once
#include <windows.h>

extern bool saverRunning;
extern HWND saverWindow;
extern DWORD lastActivityTick;

void NoteActivity();
bool SaverDue();
void StartSaver();
