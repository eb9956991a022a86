// Helpers for the tray and taskbar-window tests: a window that stands in for the main
// window and records what reaches it, menu reading, another appbar, z-order.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <iosfwd>
#include <string>
#include <vector>

namespace shelltest {

struct MenuItem {
    UINT id;
    std::string text;
    UINT state;         // MFS_ flags
    bool separator;
};

std::vector<MenuItem> ReadMenu(HMENU menu);

// A hidden top-level window that records the commands and closes it receives. Every
// popup menu it owns is read when it opens, then closed by typing `menuKey` into it
// (a mnemonic), or with Escape when menuKey is 0.
class Recorder {
public:
    Recorder();
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    HWND hwnd() const { return hwnd_; }
    // wParam of every WM_COMMAND / WM_SYSCOMMAND received, and the number of WM_CLOSE.
    std::vector<WPARAM> commands, sysCommands;
    LPARAM lastSysCommandLParam = -1;
    int closes = 0;
    std::vector<std::vector<MenuItem>> menusShown;
    char menuKey = 0;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

// Another application bar, registered with the shell by the test.
class ProbeBar {
public:
    ProbeBar();
    ~ProbeBar();
    ProbeBar(const ProbeBar&) = delete;
    ProbeBar& operator=(const ProbeBar&) = delete;

    // Claims `r` on `edge`.
    void Reserve(int edge, RECT r);
    // The rectangle the shell proposes to this bar for the whole screen on `edge`.
    RECT Query(int edge);

private:
    UINT_PTR Message(DWORD message, int edge, RECT* rect);
    HWND hwnd_ = nullptr;
};

// A visible, ordinary top-level window (not topmost, not activated).
HWND CreatePlainWindow();

// True when `a` lies above `b` in the z-order of top-level windows.
bool IsAbove(HWND a, HWND b);
bool IsTopmost(HWND window);

RECT WindowRect(HWND window);
RECT ScreenRect();

// Posts a character for the next menu loop to read (a mnemonic chooses an item).
void TypeIntoNextMenu(HWND window, char key);

// Whether the shell knows an icon of this window and id (it accepts a change to it).
bool ShellHasIcon(HWND window, UINT id);

// Dispatches every queued message for at least `ms` milliseconds; true when a WM_QUIT
// (left by a main window's shut-down) was among them.
bool PumpSawQuit(DWORD ms);

}  // namespace shelltest

bool operator==(const RECT& a, const RECT& b);
std::ostream& operator<<(std::ostream& out, const RECT& r);
