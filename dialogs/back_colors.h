// The background colours the own taskbar window can be given (the BackColor setting).
#pragma once
#include <windows.h>

// BackColor n and combo item n - 1 both find their colour at position n; position 0
// (black) is only reached by a combo face that shows no item.
constexpr int kBackColorCount = 7;
constexpr COLORREF kBackColorTable[kBackColorCount] = {
    RGB(0, 0, 0), RGB(0, 0, 0), RGB(127, 127, 127), RGB(192, 192, 192),
    RGB(255, 255, 255), RGB(0, 0, 127), RGB(0, 0, 255),
};
// Choices offered by the dialog's colour list: BackColor 1 to 6.
constexpr int kBackColorChoices = kBackColorCount - 1;
