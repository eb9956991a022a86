// The "Playing:" line of the Options dialog: what the player hands it.
#include <cstdio>
#include <vector>

#include "app/commands.h"
#include "app/text.h"
#include "dialogs/options_dlg.h"
#include "resource.h"
#include "sound/music.h"

std::string NowPlayingText() {
    if (currentSongError.empty()) return currentSong;
    const std::string format = LoadText(IDS_MIDI_SONG_ERROR);
    std::vector<char> text(format.size() + currentSong.size() + currentSongError.size() + 1);
    std::snprintf(text.data(), text.size(), format.c_str(), currentSong.c_str(), currentSongError.c_str());
    return text.data();
}

void MIDIShowPlaying(const char* text) {
    if (optionsDialog) SendMessageA(optionsDialog, WM_NOWPLAYING, 0, reinterpret_cast<LPARAM>(text));
}

void MIDIShowCurrent() { MIDIShowPlaying(NowPlayingText().c_str()); }
