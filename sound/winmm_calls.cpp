// The multimedia-library calls of the music and sound code, reached through one table.
#include "sound/winmm_calls.h"

WinmmCalls winmm = {mciSendStringA, midiOutGetNumDevs, sndPlaySoundA};
