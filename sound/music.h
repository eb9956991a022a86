// Background music: the MIDI playlist of section "Music" played through MCI.
#pragma once
#include <windows.h>
#include <mmsystem.h>

#include <string>
#include <vector>

// Player state, one player for the whole program.
extern bool bPlaying;               // from a started song until it is stopped
extern bool bClosing;               // only while the stop sequence runs
extern int midiAliasCounter;        // raised before each open; the first song is "music2"
extern std::string midiAlias;       // alias of the song opened last; stop and close use it
extern std::string currentSong;     // file name of the song started last
extern std::string currentSongError;   // MCI's text for the first command of that song that failed

// True when the system has at least one MIDI output device.
bool MusicDevicePresent();

// Opens and plays one file of the program's folder; `window` gets the end-of-song
// notification. Refuses (with a message) while a song plays or the stop runs, and
// silently for an empty name or a missing file.
bool MIDIStart(HWND window, const char* fileName);
// Stops and closes the current song; false when nothing was playing.
bool MIDIStop();
// The names of the playlist's entries "MIDI1" to "MIDI" + "NumEntries" that are in the
// file, as the settings read gives them; in file order.
std::vector<std::string> PlaylistEntries();
// Stops whatever plays and starts the playlist entry after "Current".
void MIDIPlayNext(HWND window);
// MM_MCINOTIFY: a song that ended successfully is followed by the next one.
void MIDINotify(HWND window, WPARAM code);

// Tells the Options dialog, if open, what is playing ("<nothing>" when nothing is).
void MIDIShowPlaying(const char* text);
// MIDIShowPlaying with the song started last, and the MCI error it met, if any.
void MIDIShowCurrent();
// "song.mid", or "song.mid (MCI's error text)" when its open or play failed.
std::string NowPlayingText();

// One MCI command string; `window` receives its notification (null: none). Gives
// MCI's error code, 0 on success.
MCIERROR MIDISendCommand(HWND window, const std::string& command);
// MCI's own text for an error code.
std::string MciErrorText(MCIERROR code);

// True when the path names an existing file (not a folder).
bool FileExists(const char* path);
