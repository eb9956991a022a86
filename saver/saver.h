// The built-in screen saver: the inactivity test, its start and stop, and its window.
#pragma once
#include <windows.h>

extern bool saverRunning;           // from the end of StartSaver until StopSaver
extern HWND saverWindow;            // the saver window while it exists, else null
extern DWORD lastActivityTick;      // tick count of the last user activity
extern POINT saverStartCursor;      // where the pointer stood when the saver window opened

constexpr const char kSaverClassName[] = "sslkClass";
constexpr const char kSaverCursorName[] = "NullCursor";
constexpr UINT_PTR kSaverTimerId = 2;       // on saverWindow: one effect frame per tick
constexpr UINT kSaverFrameMs = 50;
constexpr int kSaverMouseSlack = 10;        // the pointer may wander this far before it counts
constexpr DWORD kMsPerMinute = 60000;

// The SSType values the window itself treats specially.
constexpr LONG kSaverTypeSnow = 0;          // paints its message once, at the bottom
constexpr LONG kSaverTypeBlank = 5;         // no effect at all

// Records that the user is active now, postponing the saver by a full delay.
void NoteActivity();
// True when the saver should start: enabled, the lights' power on, not running, and
// SSDelay minutes without activity. A mouse click since the last poll counts as
// activity and restarts the delay; a button held down right now does not.
bool SaverDue();
// Opens the saver window with the effect of the current SSType. Does nothing while
// the saver already runs; when the window cannot be made the saver stays off.
void StartSaver();
// Closes the saver window and puts the desktop and the lights back; nothing when idle.
void StopSaver();

LRESULT CALLBACK SaverWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
