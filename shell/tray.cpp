// The tray icon.
#include "shell/tray.h"

void TrayLoadResources() {}
void TrayAddIcon(HWND) {}
void TrayRemoveIcon(HWND) {}
void TrayOnCallback(WPARAM, LPARAM) {}
