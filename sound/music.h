// Background music: the MIDI playlist played through MCI.
#pragma once
#include <windows.h>

bool MusicDevicePresent();
bool MIDIStop();
void MIDIPlayNext(HWND window);
void MIDINotify(HWND window, WPARAM code);
