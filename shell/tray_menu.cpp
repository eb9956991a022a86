// The tray icon's menu: built afresh on each right click and tracked at the cursor.
#include "shell/tray.h"

#include "app/commands.h"
#include "app/text.h"
#include "dialogs/options_dlg.h"
#include "resource.h"

HMENU TrayBuildMenu() {
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    AppendMenuA(menu, MF_STRING | MF_GRAYED, kCmdTrayTitle, LoadText(IDS_TRAY_TITLE).c_str());
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kCmdAbout, LoadText(IDS_MENU_ABOUT).c_str());
    AppendMenuA(menu, optionsOpen ? MF_STRING | MF_GRAYED : MF_STRING, kCmdOptions,
                LoadText(IDS_MENU_OPTIONS).c_str());
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kCmdRemoveLights, LoadText(IDS_MENU_REMOVE).c_str());
    return menu;
}

void TrayShowMenu(HWND owner) {
    HMENU menu = TrayBuildMenu();
    if (!menu) return;
    POINT at{};
    GetCursorPos(&at);
    // The click went to the shell's window: without taking the foreground first the
    // menu would not close when the user clicks elsewhere, and without the empty
    // message afterwards a second right click would open it only every other time.
    SetForegroundWindow(owner);
    TrackPopupMenu(menu, 0, at.x, at.y, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
    DestroyMenu(menu);
}
