// The Options dialog's music list: the MIDI files beside the program, ticked when in the playlist.
#include "dialogs/options_playlist.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/settings.h"
#include "sound/music.h"

namespace {

constexpr const char kMidiPattern[] = "*.mid";

// The program's folder with its trailing backslash; any length of path.
std::string ProgramFolder() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameA(appInstance, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) break;
        path.resize(path.size() * 2);
    }
    std::string folder = path.data();
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string EntryKey(int n) {
    char key[16];
    std::snprintf(key, sizeof key, "MIDI%d", n);
    return key;
}

void TickPlaylistEntries(HWND list) {
    for (const std::string& name : PlaylistEntries()) {
        // Files that are no longer in the folder are skipped.
        LRESULT item = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str()));
        if (!name.empty() && item != LB_ERR) SendMessageA(list, LB_SETSEL, TRUE, item);
    }
}

void ScrollToFirstTicked(HWND list) {
    int first = 0;
    if (SendMessageA(list, LB_GETSELITEMS, 1, reinterpret_cast<LPARAM>(&first)) != 1) first = 0;
    SendMessageA(list, LB_SETTOPINDEX, first, 0);
}

}  // namespace

bool FillPlaylist(HWND dialog, int listId) {
    std::string pattern = ProgramFolder() + kMidiPattern;
    std::vector<char> pathBuffer(pattern.begin(), pattern.end());
    pathBuffer.resize(pattern.size() + MAX_PATH, '\0');   // the call may write into it
    DlgDirListA(dialog, pathBuffer.data(), listId, 0, DDL_READONLY);
    HWND list = GetDlgItem(dialog, listId);
    if (SendMessageA(list, LB_GETCOUNT, 0, 0) <= 0) return false;
    TickPlaylistEntries(list);
    ScrollToFirstTicked(list);
    return true;
}

int WritePlaylistEntries(HWND list) {
    const int items = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    int count = 0;
    for (int i = 0; i < items; ++i) {
        if (SendMessageA(list, LB_GETSEL, i, 0) <= 0) continue;
        std::vector<char> name(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1);
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(name.data()));
        WriteProfileValue(kMusicSection, EntryKey(++count).c_str(), name.data());
    }
    return count;
}

void WritePlaylistCount(int count) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", count);
    WriteProfileValue(kMusicSection, "NumEntries", text);
}
