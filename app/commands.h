// Command ids, timer ids and private window messages shared across the program.
#pragma once
#include <windows.h>

// Commands (wParam of WM_SYSCOMMAND; WM_COMMAND is turned into WM_SYSCOMMAND).
constexpr WPARAM kCmdAbout = 1000;
constexpr WPARAM kCmdOptions = 1001;
constexpr WPARAM kCmdHide = 1002;
constexpr WPARAM kCmdRemoveLights = 1003;
constexpr WPARAM kCmdTrayTitle = 1004;
constexpr WPARAM kCmdOnTop = 1005;
constexpr WPARAM kCmdZoom = 1006;
constexpr WPARAM kCmdBackColor = 1008;
// Restore by a double click on the caption.
constexpr WPARAM kScRestoreDoubleClick = 0xF122;

// Timers.
constexpr UINT_PTR kFlashTimerId = 5;      // on mainWindow

// Messages.
constexpr UINT WM_TRAYNOTIFY = WM_USER + 101;       // 1125, from the tray icon
constexpr UINT WM_APPBARNOTIFY = 1863;              // from the shell to the own taskbar window
constexpr UINT WM_NOWPLAYING = WM_USER + 1024;      // 2048, song name to the Options dialog
