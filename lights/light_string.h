// The string of bulbs: its records, where it is drawn, and the refresh operations.
#pragma once
#include <windows.h>

// One lamp of the string.
struct Bulb {
    LONG x;                 // left edge in the drawing window: 32 x index
    LONG y;                 // top edge: always 0
    LONG lit;               // 0 shows icon[0], 1 shows icon[1]
    LONG color;             // colour index 0..6 (peppers 0..2)
    DWORD nextToggleTick;   // when a randomly flashing bulb flips next
    LONG canLight;          // 0 when burnt out or the power is off
    LONG broken;            // broken glass (Normal bulbs only)
    LONG flashes;           // flips at random times in the Random and Some Flash modes
    HICON icon[2];          // off and on pictures, owned by the bulb icon cache
};

constexpr int kMaxBulbs = 80;
constexpr int kBulbSize = 32;

struct LightString {
    Bulb bulbs[kMaxBulbs];
    LONG bulbCount;         // screen width / 32, at most kMaxBulbs; fixed while running
    LONG chasePos;          // 0 .. bulbCount - 1
};

extern LightString lightString;
extern HWND ownWindow;      // the own taskbar window, or null

// Number of bulbs for a screen of this width.
LONG BulbCountForWidth(int screenWidth);

// The window the string is drawn into now: the saver window while it exists, else the
// own taskbar window when OwnWindow is set and it exists, else the desktop.
HWND DrawingWindow();

// Draws every used bulb into the drawing window (through an off-screen strip when
// NoFlicker is set). Nothing happens before the first bulb set is loaded.
void PaintString();
// Has the desktop and every window on it repaint itself, so that bulbs drawn on it
// disappear; returns once the desktop is repainted, or after a short wait.
void RefreshDesktop();
// Has the shell's taskbar, if there is one, repaint itself.
void RefreshTaskbar();
// The string leaves the window it was drawn into: what lay beneath it there is put
// back (except where someone else drew since), and the kept copies are let go. The
// next paint starts afresh in whatever window is then the drawing window.
void LeaveStringWindow();
// Lets go of everything the string holds for painting, after leaving its window: its
// icons and the copies of the window beneath it. Painting does nothing until the next
// LoadBulbSet. For shut-down.
void ReleaseLightString();
// Gives the own taskbar window the BackColor background and repaints it.
void ApplyOwnWindowColor();
// Creates and shows, or destroys, the own taskbar window as OwnWindow says.
void ApplyOwnWindowSetting();
