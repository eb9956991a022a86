// A black topmost popup window for the saver effects to draw into, and a pixel snapshot.
#pragma once
#include <windows.h>

#include <vector>

// Black, visible, at (0, 0); the size of the screen unless given.
class EffectCanvas {
public:
    EffectCanvas();
    EffectCanvas(int width, int height);
    ~EffectCanvas();
    EffectCanvas(const EffectCanvas&) = delete;
    EffectCanvas& operator=(const EffectCanvas&) = delete;

    HWND hwnd() const { return window_; }
    int width() const { return width_; }
    int height() const { return height_; }
    COLORREF Pixel(int x, int y) const;
    void SetPixelColour(int x, int y, COLORREF colour);
    void FillRect(const RECT& rect, COLORREF colour);

private:
    HWND window_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// Every pixel of a window's client area at one moment, as COLORREF values.
class Snapshot {
public:
    explicit Snapshot(HWND window);
    int width() const { return width_; }
    int height() const { return height_; }
    COLORREF At(int x, int y) const;
    // Pixels of exactly this colour, in the rectangle or everywhere.
    int Count(COLORREF colour) const;
    int Count(COLORREF colour, const RECT& rect) const;
    // Pixels that are not black.
    int CountLit() const;
    int CountLit(const RECT& rect) const;
    // Writes a 24-bit BMP file.
    bool Save(const char* path) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

// Calls an effect's frame `frames` times.
void RunFrames(void (*frame)(HWND), HWND window, int frames);
