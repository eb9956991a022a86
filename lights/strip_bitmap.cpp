// Memory bitmaps of the string's strip: creation, release and cell-by-cell access.
#include "lights/strip_bitmap.h"

#include <cstring>

#include "lights/light_string.h"

namespace {

// Colours only: the top byte of a pixel is not part of what the screen shows.
constexpr DWORD kColourBits = 0x00FFFFFF;

}  // namespace

bool StripBitmap::Create(HDC reference, int w, int h) {
    Release();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;   // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    bitmap = CreateDIBSection(reference, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    dc = CreateCompatibleDC(reference);
    if (!bitmap || !dc) {
        Release();
        return false;
    }
    previous = SelectObject(dc, bitmap);
    bits = static_cast<DWORD*>(pixels);
    width = w;
    height = h;
    return true;
}

int StripBitmap::CreateLike(HDC reference, int w, int h) {
    Release();
    bitmap = CreateCompatibleBitmap(reference, w, h);
    dc = CreateCompatibleDC(reference);
    BITMAP info{};
    if (!bitmap || !dc || !GetObjectA(bitmap, sizeof info, &info)) {
        Release();
        return 0;
    }
    previous = SelectObject(dc, bitmap);
    width = w;
    height = h;
    return info.bmBitsPixel;
}

void StripBitmap::Release() {
    if (dc && previous) SelectObject(dc, previous);
    if (bitmap) DeleteObject(bitmap);
    if (dc) DeleteDC(dc);
    *this = StripBitmap{};
}

void StripBitmap::CopyCellFrom(const StripBitmap& other, int index) {
    for (int y = 0; y < height; ++y) {
        const size_t at = static_cast<size_t>(y) * width + static_cast<size_t>(index) * kBulbSize;
        std::memcpy(bits + at, other.bits + at, kBulbSize * sizeof(DWORD));
    }
}

void StripBitmap::SwapCellWith(StripBitmap& other, int index) {
    DWORD row[kBulbSize];
    for (int y = 0; y < height; ++y) {
        const size_t at = static_cast<size_t>(y) * width + static_cast<size_t>(index) * kBulbSize;
        std::memcpy(row, bits + at, sizeof row);
        std::memcpy(bits + at, other.bits + at, sizeof row);
        std::memcpy(other.bits + at, row, sizeof row);
    }
}

bool StripBitmap::SameCell(const StripBitmap& other, int index) const {
    for (int y = 0; y < height; ++y) {
        const size_t at = static_cast<size_t>(y) * width + static_cast<size_t>(index) * kBulbSize;
        for (int x = 0; x < kBulbSize; ++x)
            if ((bits[at + x] ^ other.bits[at + x]) & kColourBits) return false;
    }
    return true;
}

bool StripBitmap::TakeChangedPixels(const StripBitmap& now, const StripBitmap& before, int index) {
    bool changed = false;
    for (int y = 0; y < height; ++y) {
        const size_t at = static_cast<size_t>(y) * width + static_cast<size_t>(index) * kBulbSize;
        for (int x = 0; x < kBulbSize; ++x) {
            if ((now.bits[at + x] ^ before.bits[at + x]) & kColourBits) {
                bits[at + x] = now.bits[at + x];
                changed = true;
            }
        }
    }
    return changed;
}
