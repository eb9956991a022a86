// The multimedia-library calls of the music and sound code, reached through one table.
// Tests swap the table to watch the exact commands on machines without MIDI or wave devices.
#pragma once
#include <windows.h>
#include <mmsystem.h>

struct WinmmCalls {
    MCIERROR(WINAPI* sendString)(LPCSTR command, LPSTR reply, UINT replySize, HWND callback);
    UINT(WINAPI* midiOutDevices)();
    BOOL(WINAPI* playSound)(LPCSTR sound, UINT flags);
};

// Points at mciSendStringA, midiOutGetNumDevs and sndPlaySoundA unless a test swaps them.
extern WinmmCalls winmm;
