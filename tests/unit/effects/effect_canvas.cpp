// A black topmost popup window for the saver effects to draw into, and a pixel snapshot.
#include "effect_canvas.h"

#include <cstdio>

namespace {

constexpr char kCanvasClass[] = "EffectsTestCanvas";

void DrainMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

}  // namespace

EffectCanvas::EffectCanvas() : EffectCanvas(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)) {}

EffectCanvas::EffectCanvas(int width, int height) : width_(width), height_(height) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kCanvasClass;
    RegisterClassA(&wc);   // fails harmlessly once registered
    window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kCanvasClass, "", WS_POPUP | WS_VISIBLE, 0, 0, width,
                              height, nullptr, nullptr, wc.hInstance, nullptr);
    UpdateWindow(window_);
    RECT all = {0, 0, width, height};
    FillRect(all, RGB(0, 0, 0));
    DrainMessages();
}

EffectCanvas::~EffectCanvas() {
    DestroyWindow(window_);
    DrainMessages();
}

COLORREF EffectCanvas::Pixel(int x, int y) const {
    HDC dc = GetDC(window_);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window_, dc);
    return c;
}

void EffectCanvas::SetPixelColour(int x, int y, COLORREF colour) {
    HDC dc = GetDC(window_);
    SetPixel(dc, x, y, colour);
    ReleaseDC(window_, dc);
}

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
    pixels_.assign(static_cast<size_t>(width_) * height_, 0);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;   // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC windowDc = GetDC(window);
    HBITMAP section = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(windowDc);
    HGDIOBJ previous = SelectObject(memory, section);
    BitBlt(memory, 0, 0, width_, height_, windowDc, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* quads = static_cast<const RGBQUAD*>(bits);
    for (size_t i = 0; i < pixels_.size(); ++i) pixels_[i] = RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(section);
    ReleaseDC(window, windowDc);
}

COLORREF Snapshot::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

int Snapshot::Count(COLORREF colour) const { return Count(colour, RECT{0, 0, width_, height_}); }

int Snapshot::Count(COLORREF colour, const RECT& rect) const {
    int n = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) n += At(x, y) == colour;
    return n;
}

int Snapshot::CountLit() const { return CountLit(RECT{0, 0, width_, height_}); }

int Snapshot::CountLit(const RECT& rect) const {
    int n = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) n += At(x, y) != RGB(0, 0, 0) && At(x, y) != CLR_INVALID;
    return n;
}

bool Snapshot::Save(const char* path) const {
    const int rowBytes = (width_ * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width_;
    header.biHeight = height_;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = rowBytes * height_;
    file.bfType = 0x4D42;   // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;
    FILE* out = std::fopen(path, "wb");
    if (!out) return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::vector<unsigned char> row(rowBytes, 0);
    for (int y = height_ - 1; y >= 0; --y) {   // bottom-up rows
        for (int x = 0; x < width_; ++x) {
            const COLORREF c = At(x, y);
            row[3 * x] = GetBValue(c);
            row[3 * x + 1] = GetGValue(c);
            row[3 * x + 2] = GetRValue(c);
        }
        std::fwrite(row.data(), 1, row.size(), out);
    }
    return std::fclose(out) == 0;
}

void RunFrames(void (*frame)(HWND), HWND window, int frames) {
    for (int i = 0; i < frames; ++i) frame(window);
}
