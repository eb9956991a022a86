// A 32-bit top-down bitmap selected into its own memory DC, with its pixels at hand.
#pragma once
#include <windows.h>

struct StripBitmap {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;   // the DC's bitmap before ours, put back on release
    DWORD* bits = nullptr;        // width x height pixels, 0x00RRGGBB, top row first
    int width = 0;
    int height = 0;

    // Makes the bitmap (after releasing any earlier one); false when it cannot.
    bool Create(HDC reference, int w, int h);
    // Makes a bitmap in the reference DC's own pixel format instead (no `bits`); false
    // when it cannot. Its bits per pixel, when it was made.
    int CreateLike(HDC reference, int w, int h);
    void Release();

    // The cells are 32 pixels wide and the bitmap's full height; `other` is always a
    // bitmap of the same size. Call GdiFlush after drawing, before these.
    // Copies the pixels of cell `index` from another bitmap.
    void CopyCellFrom(const StripBitmap& other, int index);
    // Exchanges the pixels of cell `index` with another bitmap's.
    void SwapCellWith(StripBitmap& other, int index);
    // True when cell `index` holds the same colours in both bitmaps.
    bool SameCell(const StripBitmap& other, int index) const;
    // Takes from `now` every pixel of cell `index` that differs from `before`; true when
    // there was one.
    bool TakeChangedPixels(const StripBitmap& now, const StripBitmap& before, int index);
};
