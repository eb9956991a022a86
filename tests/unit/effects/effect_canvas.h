// Helpers for the saver's tests: a black screen-sized window, its pixels, and the generator replayed.
#pragma once
#include <windows.h>

#include <cstdlib>
#include <vector>

// A screen-sized window's pixels as COLORREF values.
struct Snapshot {
    explicit Snapshot(HWND window) {
        HDC dc = GetDC(window), memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, w, h);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, w, h, dc, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        BITMAPINFO info{{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        pixels.resize(static_cast<size_t>(w) * h);
        GetDIBits(memory, bitmap, 0, h, pixels.data(), &info, DIB_RGB_COLORS);
        for (COLORREF& c : pixels) c = RGB(GetBValue(c), GetGValue(c), GetRValue(c));   // quads are 0x00RRGGBB
        DeleteObject(bitmap), DeleteDC(memory), ReleaseDC(window, dc);
    }
    COLORREF At(int x, int y) const { return x < 0 || y < 0 || x >= w || y >= h ? CLR_INVALID : pixels[y * w + x]; }
    // Pixels of `colour` in rows top..bottom-1 (all by default); CLR_INVALID counts those not black.
    int Count(COLORREF colour, int top = 0, int bottom = 1 << 16) const {
        int n = 0;
        for (int i = top * w; i < w * h && i < bottom * w; ++i)
            n += colour == CLR_INVALID ? pixels[i] != 0 : pixels[i] == colour;
        return n;
    }
    int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    std::vector<COLORREF> pixels;
};

// A black, topmost window as large as the screen, for the effects to draw into.
struct Canvas {
    Canvas() { Fill(0); }
    ~Canvas() { DestroyWindow(hwnd); }
    void Fill(COLORREF colour, RECT r = {0, 0, 1 << 16, 1 << 16}) const {
        HDC dc = GetDC(hwnd);
        SetBkColor(dc, colour);
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
        ReleaseDC(hwnd, dc);
    }
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    const HWND hwnd = CreateWindowExA(WS_EX_TOPMOST, "Static", "", WS_POPUP | WS_VISIBLE | SS_BLACKRECT, 0, 0, w, h,
                                      nullptr, nullptr, nullptr, nullptr);
};

// The program's generator replayed from a seed: r(n) is one "random mod n", so r(2) is also one coin.
struct Draws {
    explicit Draws(unsigned seed) { std::srand(seed); }
    int operator()(int n) { return std::rand() % n; }
};
