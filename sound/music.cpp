// Background music.
#include "sound/music.h"

#include <mmsystem.h>

bool MusicDevicePresent() { return midiOutGetNumDevs() > 0; }

// The player arrives with the music module.
bool MIDIStop() { return false; }
void MIDIPlayNext(HWND) {}
void MIDINotify(HWND, WPARAM) {}
void MIDIShowPlaying(const char*) {}
void MIDIShowCurrent() {}
