// The screen saver's setup dialog.
#include "saver/saver_setup_dlg.h"

void ShowSaverSetup(HWND, int) {}
