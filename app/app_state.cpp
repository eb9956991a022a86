// The shell's program-wide handles.
#include "app/app.h"

HINSTANCE appInstance = GetModuleHandleA(nullptr);
HWND mainWindow = nullptr;
HWND desktopWindow = nullptr;
HMENU systemMenu = nullptr;
HFONT smallFont = nullptr;
HFONT messageFont = nullptr;
HFONT bigFont = nullptr;
int midiDevicePresent = 0;
int screenWidth = 0;
int screenHeight = 0;
