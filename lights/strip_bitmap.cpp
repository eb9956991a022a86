// Memory bitmaps of the string's strip: creation, release and cell-by-cell access.
#include "lights/strip_bitmap.h"

#include <cstring>

#include "lights/light_string.h"

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

void StripBitmap::Release() {
    if (dc && previous) SelectObject(dc, previous);
    if (bitmap) DeleteObject(bitmap);
    if (dc) DeleteDC(dc);
    *this = StripBitmap{};
}

void StripBitmap::CopyCellFrom(const StripBitmap& source, int index) {
    GdiFlush();
    for (int y = 0; y < height; ++y) {
        const size_t at = static_cast<size_t>(y) * width + static_cast<size_t>(index) * kBulbSize;
        std::memcpy(bits + at, source.bits + at, kBulbSize * sizeof(DWORD));
    }
}

bool StripBitmap::SameCell(const StripBitmap& other, int index) const {
    GdiFlush();
    for (int y = 0; y < height; ++y) {
        const size_t at = static_cast<size_t>(y) * width + static_cast<size_t>(index) * kBulbSize;
        for (int x = 0; x < kBulbSize; ++x)
            if ((bits[at + x] ^ other.bits[at + x]) & 0x00FFFFFF) return false;
    }
    return true;
}
