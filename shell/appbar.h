// The program's own taskbar window: a bar docked to an edge of the screen, registered
// with the shell as an application bar, into which the string can be drawn.
#pragma once
#include <windows.h>
#include <shellapi.h>

constexpr const char kAppBarClassName[] = "lmkAppBarwClass";

// Timer on the bar: while auto-hide is on, slides the bar away once the mouse has left it.
constexpr UINT_PTR kAppBarTimerId = 1;
constexpr UINT kAppBarTimerMs = 400;

// How thick the bar is on every edge, and how much of it stays on screen when hidden.
constexpr int kAppBarThickness = 32;
constexpr int kAppBarHiddenVisible = 2;

// Commands the bar carries out itself (besides 1000, 1001, 1003 and 1008).
constexpr WPARAM kCmdBarNothing = 5000;
constexpr WPARAM kCmdBarAutoHide = 5001;      // toggle auto-hide, then re-dock
constexpr WPARAM kCmdBarExit = 5003;          // end the program
constexpr WPARAM kCmdBarOnTop = 5004;         // toggle always-on-top, then re-dock

// Sides of the screen, numbered as the shell's ABE_ edges, and two states that are none.
constexpr int kSideLeft = ABE_LEFT;
constexpr int kSideTop = ABE_TOP;
constexpr int kSideRight = ABE_RIGHT;
constexpr int kSideBottom = ABE_BOTTOM;
constexpr int kSideNone = -1;       // not registered with the shell
constexpr int kSideFloating = -2;

// Where and how the bar is docked; reset at each creation.
struct AppBarDock {
    int side;               // kSideLeft..kSideBottom, kSideNone or kSideFloating
    bool autoHide;
    bool alwaysOnTop;
    int thickness[4];       // per side: the bar's height (top, bottom) or width (left, right)
    RECT floatRect;         // position when floating
};

// The bar and what it knows of the shell. One per process.
struct AppBar {
    HWND window;
    AppBarDock dock;
    UINT_PTR taskbarState;  // last ABM_GETSTATE: ABS_AUTOHIDE, ABS_ALWAYSONTOP
    bool fullScreen;        // the shell reports a full-screen application
    bool hidden;            // auto-hide: slid to the edge
    bool menuOpen;          // the context menu is being tracked
};

extern AppBar appBar;

// Creates the bar (not yet shown), registers it with the shell and docks it to the
// top; null on failure.
HWND AppBarCreate(HINSTANCE instance);

// One appbar message about the bar, with a freshly filled record. `edge` is a side or
// kSideNone; the shell's adjusted rectangle is copied back into `rect` when given.
UINT_PTR AppBarMessage(DWORD message, int edge, LPARAM lParam, RECT* rect);

// Docks the bar to `side` (claiming its strip), or unregisters it for kSideNone.
// Gives the shell's answer to the final ABM_ACTIVATE.
UINT_PTR AppBarSetSide(int side);

// A proposed rectangle cut to `thickness` along `side`.
RECT AppBarCutToThickness(RECT proposal, int side, int thickness);
// The rectangle the bar takes on a docked side: the whole screen as the shell lets it
// have it, cut to the side's thickness. Empty for a side that is not an edge.
RECT AppBarDockedRect(int side);
// Where an auto-hiding bar lies when shown, and when hidden at the edge.
RECT AppBarAutoHideRect(int side, bool hidden);

// Slides an auto-hiding bar out (shown) or back to the edge (hidden).
void AppBarSlide(bool show);

// Whether the bar is kept above other windows as the user sees it: the setting "Always
// on Top" (1005) may have taken it out of the topmost group since it last re-docked.
bool AppBarIsOnTop();

LRESULT CALLBACK AppBarWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The bar's context menu as it stands now; the caller destroys it.
HMENU AppBarBuildMenu();
// Builds the menu and tracks it at `at` (screen), owned by the bar; returns when it closes.
void AppBarShowMenu(HWND window, POINT at);
