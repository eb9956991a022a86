// The own taskbar window's context menu: the commands the bar carries out itself.
#include "shell/appbar.h"

#include "app/commands.h"
#include "app/text.h"
#include "dialogs/options_dlg.h"
#include "resource.h"

HMENU AppBarBuildMenu() {
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    const UINT checkedIfHiding = appBar.dock.autoHide ? MF_CHECKED : MF_UNCHECKED;
    const UINT checkedIfOnTop = AppBarIsOnTop() ? MF_CHECKED : MF_UNCHECKED;
    AppendMenuA(menu, MF_STRING, kCmdAbout, LoadText(IDS_MENU_ABOUT).c_str());
    AppendMenuA(menu, optionsOpen ? MF_STRING | MF_GRAYED : MF_STRING, kCmdOptions,
                LoadText(IDS_MENU_OPTIONS).c_str());
    AppendMenuA(menu, MF_STRING, kCmdBackColor, LoadText(IDS_BAR_BACKCOLOR).c_str());
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | checkedIfHiding, kCmdBarAutoHide, LoadText(IDS_BAR_AUTOHIDE).c_str());
    AppendMenuA(menu, MF_STRING | checkedIfOnTop, kCmdBarOnTop, LoadText(IDS_BAR_ONTOP).c_str());
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kCmdRemoveLights, LoadText(IDS_MENU_REMOVE).c_str());
    AppendMenuA(menu, MF_STRING, kCmdBarExit, LoadText(IDS_BAR_EXIT).c_str());
    return menu;
}

void AppBarShowMenu(HWND window, POINT at) {
    HMENU menu = AppBarBuildMenu();
    if (!menu) return;
    appBar.menuOpen = true;
    TrackPopupMenu(menu, 0, at.x, at.y, 0, window, nullptr);
    appBar.menuOpen = false;
    DestroyMenu(menu);
}
