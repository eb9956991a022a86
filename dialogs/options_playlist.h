// The Options dialog's music list: the MIDI files beside the program, ticked when in the playlist.
#pragma once
#include <windows.h>

// Fills the list with the "*.mid" files of the program's folder and ticks those the
// playlist names; false when the folder holds none.
bool FillPlaylist(HWND dialog, int listId);
// Writes the ticked files as the playlist entries "MIDI1".. in list order; returns how many.
// The entry count is left to the caller.
int WritePlaylistEntries(HWND list);
// Writes the playlist's entry count.
void WritePlaylistCount(int count);
