#include "effect_canvas.h"

#include <algorithm>
#include <cstdio>

EffectCanvas::EffectCanvas() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = "EffectsTestCanvas";
    RegisterClassA(&wc);   // fails harmlessly once registered
    window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0,
                              width(), height(), nullptr, nullptr, nullptr, nullptr);
    UpdateWindow(window_);
    FillRect({0, 0, width(), height()}, RGB(0, 0, 0));
    for (MSG m; PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&m);
}

COLORREF EffectCanvas::Pixel(int x, int y) const { return Snapshot(window_).At(x, y); }

void EffectCanvas::FillRect(const RECT& rect, COLORREF colour) {
    HDC dc = GetDC(window_);
    HBRUSH brush = CreateSolidBrush(colour);
    ::FillRect(dc, &rect, brush);
    DeleteObject(brush);
    ReleaseDC(window_, dc);
}

Snapshot::Snapshot(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = GetDC(window), memory = CreateCompatibleDC(dc);
    HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, section);
    BitBlt(memory, 0, 0, width_, height_, dc, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* quads = static_cast<const RGBQUAD*>(bits);
    for (int i = 0; i < width_ * height_; ++i) pixels_.push_back(RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue));
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(section);
    ReleaseDC(window, dc);
}

int Snapshot::Area(RECT r) const {
    return std::max(0L, std::min<LONG>(r.right, width_) - std::max(r.left, 0L)) *
           std::max(0L, std::min<LONG>(r.bottom, height_) - std::max(r.top, 0L));
}

int Snapshot::Count(COLORREF colour, RECT r) const {
    int n = 0;
    for (int y = std::max(r.top, 0L); y < std::min<LONG>(r.bottom, height_); ++y)
        for (int x = std::max(r.left, 0L); x < std::min<LONG>(r.right, width_); ++x) n += At(x, y) == colour;
    return n;
}

bool Snapshot::Save(const char* path) const {
    const int rowBytes = (width_ * 3 + 3) & ~3;
    const DWORD size = rowBytes * height_, offset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    BITMAPINFOHEADER header = {sizeof header, width_, height_, 1, 24, BI_RGB, size, 0, 0, 0, 0};
    BITMAPFILEHEADER file = {0x4D42, offset + size, 0, 0, offset};
    FILE* out = std::fopen(path, "wb");
    if (!out) return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::vector<unsigned char> row(rowBytes, 0);
    for (int y = height_ - 1; y >= 0; --y) {   // bottom-up rows, blue first
        for (int x = 0; x < width_; ++x)
            for (int k = 0; k < 3; ++k) row[3 * x + k] = (At(x, y) >> (16 - 8 * k)) & 0xFF;
        std::fwrite(row.data(), 1, row.size(), out);
    }
    return std::fclose(out) == 0;
}
