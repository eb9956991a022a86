// Background music: the MCI player that opens, plays, stops and closes one song at a time.
#include "sound/music.h"

#include "app/app.h"
#include "app/text.h"
#include "resource.h"
#include "sound/winmm_calls.h"

bool bPlaying = false;
bool bClosing = false;
int midiAliasCounter = 1;
std::string midiAlias;
std::string currentSong;
std::string currentSongError;

namespace {

// The program's own folder with its trailing backslash, whatever the path's length.
std::string ProgramFolder() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (n == 0) return std::string();
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of('\\') + 1);
}

// The 8.3 form of a path, so that MCI's command line holds no blanks; the long
// path itself when the system cannot shorten it.
std::string ShortPath(const std::string& longPath) {
    std::string shortPath(256, '\0');
    DWORD n = GetShortPathNameA(longPath.c_str(), &shortPath[0], static_cast<DWORD>(shortPath.size()));
    if (n >= shortPath.size()) {
        shortPath.resize(n + 1);
        n = GetShortPathNameA(longPath.c_str(), &shortPath[0], static_cast<DWORD>(shortPath.size()));
    }
    if (n == 0 || n >= shortPath.size()) return longPath;
    shortPath.resize(n);
    return shortPath;
}

// Notifications of the song being stopped are already queued when stop and close
// return; they belong to a song that is gone, so they must not touch the label or
// start another song after the next one has begun.
void DropQueuedNotifications(HWND window) {
    MSG msg;
    while (window && PeekMessageA(&msg, window, MM_MCINOTIFY, MM_MCINOTIFY, PM_REMOVE)) {
    }
}

HWND notifyWindow = nullptr;   // where the playing song's notifications go

}  // namespace

bool MusicDevicePresent() { return winmm.midiOutDevices() > 0; }

bool FileExists(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string MciErrorText(MCIERROR code) {
    char text[128] = "";
    if (!mciGetErrorStringA(code, text, 100) || !text[0]) return std::to_string(code);
    return text;
}

MCIERROR MIDISendCommand(HWND window, const std::string& command) {
    char reply[256] = "";
    return winmm.sendString(command.c_str(), reply, 255, window);
}

bool MIDIStart(HWND window, const char* fileName) {
    if (bPlaying) {
        ShowMessage(nullptr, LoadText(IDS_MIDI_START_PLAYING).c_str());
        return false;
    }
    if (bClosing) {
        ShowMessage(nullptr, LoadText(IDS_MIDI_START_CLOSING).c_str());
        return false;
    }
    if (!fileName || !fileName[0]) return false;

    const std::string longPath = ProgramFolder() + fileName;
    const std::string shortPath = ShortPath(longPath);
    if (!FileExists(longPath.c_str())) return false;

    midiAlias = "music" + std::to_string(++midiAliasCounter);
    // The song plays on even when a command fails (the player only learns of it from
    // the error code), but the first failure is kept for the Playing label.
    currentSongError.clear();
    const MCIERROR opened = MIDISendCommand(window, "open sequencer!" + shortPath + " alias " + midiAlias);
    const MCIERROR played = MIDISendCommand(window, "play " + midiAlias + " from 0 notify");
    if (opened || played) currentSongError = MciErrorText(opened ? opened : played);

    notifyWindow = window;
    bPlaying = true;
    currentSong = fileName;
    return true;
}

bool MIDIStop() {
    if (!bPlaying) return false;
    bClosing = true;
    MIDISendCommand(nullptr, "stop " + midiAlias);
    MIDISendCommand(nullptr, "close " + midiAlias);
    DropQueuedNotifications(notifyWindow);
    bClosing = false;
    bPlaying = false;
    MIDIShowPlaying(LoadText(IDS_MIDI_NOTHING).c_str());
    return true;
}
