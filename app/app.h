// The application shell: program-wide handles, start-up, the main window and its loop.
#pragma once
#include <windows.h>

extern HINSTANCE appInstance;   // the program's module
extern HWND mainWindow;         // the hidden main window
extern HWND desktopWindow;      // "#32769:Desktop" as found at start-up; may be null
extern HMENU systemMenu;        // mainWindow's system menu with the program's items
extern HFONT smallFont;         // Arial 8 pt, for the Options dialog
extern HFONT messageFont;       // Arial 12 pt, for the saver's title line
extern HFONT bigFont;           // Arial 72 pt bold, for the saver's message
extern int midiDevicePresent;   // 1 when a MIDI output device was found at start-up
extern int screenWidth, screenHeight;

constexpr const char kMainClassName[] = "lumenkinWClass";

// True on the Windows 95 family (platform id VER_PLATFORM_WIN32_WINDOWS) only.
bool IsWindows95();
// Posts command 1001 to a running instance; true when there was one.
bool SignalRunningInstance();
ATOM CreateMainClass(HINSTANCE instance);
int InitInstance(HINSTANCE instance, int showCommand);
// Runs the message loop until WM_QUIT and returns its exit code.
int RunMessageLoop();
void IdleStep();
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void ShowOptions(HWND owner);
void ShowAbout(HWND owner);
void BringToFront(HWND window);
void ApplyOnTop();
HFONT MakeFont(const char* face, int points, bool bold, bool italic);
void ShutdownCleanup(HWND window);

// Shows a message box with the program's caption and the information icon.
int ShowMessage(HWND owner, const char* text);
