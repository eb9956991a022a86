// The background-colour dialog of the own taskbar window.
#pragma once
#include <windows.h>

void SelectBackColor();
