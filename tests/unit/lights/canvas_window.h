// A plain visible window to paint the string into, and icons of known colours.
#pragma once
#include <windows.h>

#include "lights/light_string.h"

// A top-left popup window with a solid background, shown and painted.
class CanvasWindow {
public:
    CanvasWindow(int width, int height, COLORREF background);
    ~CanvasWindow();
    CanvasWindow(const CanvasWindow&) = delete;
    CanvasWindow& operator=(const CanvasWindow&) = delete;
    HWND hwnd() const { return window_; }
    // Paints the whole client area with the background again.
    void Clear();
    // From now on the window erases with its class's background brush.
    void UseClassBackground();
    COLORREF Pixel(int x, int y) const;

private:
    HWND window_ = nullptr;
    HBRUSH brush_ = nullptr;
};

// Icons filled with one colour, transparent in a border `border` pixels wide; destroyed
// with the set.
class SolidIcons {
public:
    SolidIcons() = default;
    ~SolidIcons();
    SolidIcons(const SolidIcons&) = delete;
    SolidIcons& operator=(const SolidIcons&) = delete;
    HICON Make(COLORREF colour, int border = 4);

private:
    HICON icons_[2 * kMaxBulbs] = {};
    int count_ = 0;
};

// Colour of bulb i's test icon in state `lit`.
COLORREF TestBulbColour(int i, int lit);
// Gives bulbs 0..count-1 their test icons and marks the set loaded.
void DressBulbs(SolidIcons& icons, int count);
