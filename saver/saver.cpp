// The screen saver's activation.
#include "saver/saver.h"

bool saverRunning = false;
HWND saverWindow = nullptr;
DWORD lastActivityTick = 0;

void NoteActivity() { lastActivityTick = GetTickCount(); }

// The saver itself arrives with its window and effects.
bool SaverDue() { return false; }
void StartSaver() {}
