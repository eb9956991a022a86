// The string's records and the choice of the window it is drawn into.
#include "lights/light_string.h"

#include "app/app.h"
#include "app/settings.h"
#include "lights/bulb_catalogue.h"
#include "lights/bulb_icons.h"
#include "saver/saver.h"

LightString lightString;
HWND ownWindow = nullptr;

LONG BulbCountForWidth(int screenWidth) {
    LONG count = screenWidth / kBulbSize;
    return count > kMaxBulbs ? kMaxBulbs : (count < 0 ? 0 : count);
}

HWND DrawingWindow() {
    if (saverWindow && IsWindow(saverWindow)) return saverWindow;
    if (settings.OwnWindow && ownWindow && IsWindow(ownWindow)) return ownWindow;
    return desktopWindow;
}

void ReleaseLightString() {
    LeaveStringWindow();
    iconsLoaded = false;
    for (Bulb& bulb : lightString.bulbs) bulb.icon[0] = bulb.icon[1] = nullptr;
    BeginBulbIconSet();     // a set that acquires nothing: every cached icon goes
    EndBulbIconSet();
}
