// The string's records and the window it is drawn into.
#include "lights/light_string.h"

LightString lightString;
HWND ownWindow = nullptr;

LONG BulbCountForWidth(int screenWidth) {
    LONG count = screenWidth / kBulbSize;
    return count > kMaxBulbs ? kMaxBulbs : (count < 0 ? 0 : count);
}

// Drawing and refreshing arrive with the light string itself.
void PaintString() {}
void RefreshDesktop() {}
void RefreshTaskbar() {}
void ApplyOwnWindowColor() {}
void ApplyOwnWindowSetting() {}
