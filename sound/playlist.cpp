// The playlist of section "Music": which entry plays next, and what a song's end starts.
#include <cstdlib>
#include <string>

#include "app/settings.h"
#include "app/text.h"
#include "resource.h"
#include "sound/music.h"

namespace {

// A number of the playlist: a signed decimal from the start of the text, blanks
// skipped; a missing key or a text without digits counts as 0.
long ReadNumber(const char* key) {
    char text[32];
    ReadProfileValue(kMusicSection, key, text, sizeof text);
    return std::strtol(text, nullptr, 10);
}

}  // namespace

void MIDIPlayNext(HWND window) {
    const long entries = ReadNumber("NumEntries");
    MIDIStop();
    const long current = ReadNumber("Current");
    // 1, 2, ..., n, 1, 2, ...: after the last entry, or after a number the shortened
    // list no longer reaches, the list starts again.
    const long next = (current < 0 || current + 1 > entries) ? 1 : current + 1;
    // Written before the start, so a song that cannot start is skipped next time.
    WriteProfileValue(kMusicSection, "Current", std::to_string(next).c_str());

    char name[32];
    ReadProfileValue(kMusicSection, ("MIDI" + std::to_string(next)).c_str(), name, sizeof name);
    if (MIDIStart(window, name)) MIDIShowPlaying(NowPlayingText().c_str());
}

void MIDINotify(HWND window, WPARAM code) {
    if (bClosing) return;
    MIDIShowPlaying(LoadText(IDS_MIDI_NOTHING).c_str());
    // Only the end of the song that still plays moves the list on; a success reported
    // for a song the user has already stopped must not start the music again.
    if (code == MCI_NOTIFY_SUCCESSFUL && bPlaying) MIDIPlayNext(window);
}
