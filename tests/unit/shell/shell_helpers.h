// Helpers for the tray and taskbar-window tests: a stand-in main window that records what
// reaches it, menu reading, a second application bar, window geometry.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <iosfwd>
#include <string>
#include <vector>

namespace shelltest {

struct MenuItem {
    UINT id;            // 0 for a separator
    std::string text;
    UINT state;         // MFS_ flags
};
std::vector<MenuItem> ReadMenu(HMENU menu);

// A hidden window that records the commands and closes it receives. A popup menu it owns
// is read when it opens, then closed by typing `menuKey` (a mnemonic), or Escape when 0.
struct Recorder {
    Recorder();
    ~Recorder() { DestroyWindow(hwnd); }
    HWND hwnd;
    std::vector<WPARAM> commands, sysCommands;
    int closes = 0;
    std::vector<std::vector<MenuItem>> menus;
    char menuKey = 0;
};

// Another application bar, registered with the shell by the test.
struct ProbeBar {
    ProbeBar();
    ~ProbeBar();
    UINT_PTR Send(DWORD message, int edge, RECT* rect);
    // Top of the rectangle the shell offers this bar at the top of the screen.
    LONG QueryTop();
    HWND hwnd;
};

RECT ScreenRect();
RECT WindowRect(HWND window);
bool IsTopmost(HWND window);
// True when `a` lies above `b` among the top-level windows.
bool IsAbove(HWND a, HWND b);
// Whether the shell knows this icon (it accepts a change to it).
bool ShellHasIcon(HWND window, UINT id);
// Dispatches what is queued; true when a WM_QUIT was among it.
bool PumpSawQuit();

}  // namespace shelltest

bool operator==(const RECT& a, const RECT& b);
std::ostream& operator<<(std::ostream& out, const RECT& r);
