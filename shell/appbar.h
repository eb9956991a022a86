// The program's own taskbar window: a bar docked to an edge of the screen, registered
// with the shell as an application bar, into which the string can be drawn.
#pragma once
#include <windows.h>

// Creates the bar (not yet shown); null on failure.
HWND AppBarCreate(HINSTANCE instance);
