// Background music: the MIDI playlist played through MCI.
#pragma once
#include <windows.h>

bool MusicDevicePresent();
bool MIDIStop();
void MIDIPlayNext(HWND window);
void MIDINotify(HWND window, WPARAM code);
// Tells the Options dialog, if open, what is playing ("<nothing>" when nothing is).
void MIDIShowPlaying(const char* text);
void MIDIShowCurrent();
