// A black, topmost, screen-sized window for the effects to draw into, and a pixel snapshot.
#pragma once
#include <windows.h>

#include <vector>

class EffectCanvas {
public:
    EffectCanvas();
    ~EffectCanvas() { DestroyWindow(window_); }
    HWND hwnd() const { return window_; }
    int width() const { return GetSystemMetrics(SM_CXSCREEN); }
    int height() const { return GetSystemMetrics(SM_CYSCREEN); }
    COLORREF Pixel(int x, int y) const;
    void FillRect(const RECT& rect, COLORREF colour);

private:
    HWND window_ = nullptr;
};

class Snapshot {
public:
    explicit Snapshot(HWND window);
    COLORREF At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    // Pixels of this colour (or not black) inside rect, clipped to the window.
    int Count(COLORREF colour, RECT rect = kAll) const;
    int CountLit(RECT rect = kAll) const { return Area(rect) - Count(RGB(0, 0, 0), rect); }
    bool Save(const char* path) const;   // a 24-bit BMP file

private:
    static constexpr RECT kAll = {0, 0, 1 << 16, 1 << 16};
    int Area(RECT rect) const;
    int width_ = 0, height_ = 0;
    std::vector<COLORREF> pixels_;
};

inline void RunFrames(void (*frame)(HWND), HWND window, int frames) {
    for (int i = 0; i < frames; ++i) frame(window);
}
