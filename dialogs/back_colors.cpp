// The background colours the own taskbar window can be given (the BackColor setting).
#include "dialogs/back_colors.h"

COLORREF BackColorValue(LONG backColor) {
    if (backColor >= 1 && backColor < kBackColorCount) return kBackColorTable[backColor];
    return GetSysColor(COLOR_BACKGROUND);
}
