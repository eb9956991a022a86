// The Options dialog.
#include "dialogs/options_dlg.h"

bool optionsOpen = false;
HWND optionsDialog = nullptr;

INT_PTR CALLBACK OptionsDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
