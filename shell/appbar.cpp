// The own taskbar window.
#include "shell/appbar.h"

HWND AppBarCreate(HINSTANCE) { return nullptr; }
