// Switching the string into the own taskbar window and colouring that window.
#include "lights/own_window.h"

#include "app/app.h"
#include "app/settings.h"
#include "dialogs/back_colors.h"
#include "lights/light_string.h"
#include "shell/appbar.h"

namespace {

// The background brush this module gave the own window's class; it stays alive while
// the class uses it and is deleted when a new one replaces it.
HBRUSH ownWindowBrush = nullptr;

bool OwnWindowExists() { return ownWindow && IsWindow(ownWindow); }

}  // namespace

COLORREF OwnWindowBackColor(LONG backColor) {
    if (backColor >= 1 && backColor < kBackColorCount) return kBackColorTable[backColor];
    return GetSysColor(COLOR_BACKGROUND);   // 0, and anything out of range
}

void ApplyOwnWindowColor() {
    if (!OwnWindowExists()) return;
    HBRUSH brush = CreateSolidBrush(OwnWindowBackColor(settings.BackColor));
    SetClassLongPtrA(ownWindow, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
    if (ownWindowBrush) DeleteObject(ownWindowBrush);
    ownWindowBrush = brush;
    InvalidateRect(ownWindow, nullptr, TRUE);
    UpdateWindow(ownWindow);
}

void ApplyOwnWindowSetting() {
    if (!settings.OwnWindow) {
        if (ownWindow) DestroyWindow(ownWindow);
        ownWindow = nullptr;
        RefreshDesktop();
        return;
    }
    if (!OwnWindowExists()) {
        // The bar will cover the string's place on the desktop: put back what the bulbs
        // hid there first, for a desktop that does not repaint itself.
        LeaveStringWindow();
        ownWindow = AppBarCreate(appInstance);
    }
    if (ownWindow) ShowWindow(ownWindow, SW_SHOW);
    RefreshDesktop();
}
