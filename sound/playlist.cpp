// The playlist of section "Music": which entry plays next, and what a song's end starts.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

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

// The entry number of a key "MIDI<k>" written as "MIDI%d" writes it; 0 for any other key.
long EntryNumber(const std::string& key) {
    if (key.size() < 5 || _strnicmp(key.c_str(), "MIDI", 4) != 0) return 0;
    const std::string digits = key.substr(4);
    const long k = std::strtol(digits.c_str(), nullptr, 10);
    return k > 0 && std::to_string(k) == digits ? k : 0;
}

}  // namespace

std::vector<std::string> PlaylistEntries() {
    const long count = ReadNumber("NumEntries");
    std::vector<std::string> names;
    // The keys that are there, not 1 to a count that a hand-edited file may set to billions.
    for (const auto& [key, value] : ReadProfileSection(kMusicSection)) {
        const long k = EntryNumber(key);
        if (k >= 1 && k <= count) names.push_back(value);
    }
    return names;
}

void MIDIPlayNext(HWND window) {
    const long entries = ReadNumber("NumEntries");
    MIDIStop();
    const long current = ReadNumber("Current");
    // 1, 2, ..., n, 1, 2, ...: after the last entry, or after a number the shortened
    // list no longer reaches, the list starts again. (current >= entries is c + 1 > n
    // without the overflow at the largest number.)
    const long next = (current < 0 || current >= entries) ? 1 : current + 1;
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
