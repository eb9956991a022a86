// The icon in the taskbar's notification area and its menu.
#pragma once
#include <windows.h>

void TrayLoadResources();
void TrayAddIcon(HWND window);
void TrayRemoveIcon(HWND window);
void TrayOnCallback(WPARAM iconId, LPARAM mouseMessage);
