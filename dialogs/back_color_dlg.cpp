// The background-colour dialog.
#include "dialogs/back_color_dlg.h"

void SelectBackColor() {}
