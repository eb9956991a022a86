// The own taskbar window as the string's home: its background colours.
#pragma once
#include <windows.h>

// The background colour for a BackColor value: 0 (and any value outside 1..6) is the
// system's desktop colour.
COLORREF OwnWindowBackColor(LONG backColor);
