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
    void Release();
    // Copies the pixels of cell `index` (32 wide, full height) from another bitmap of the same size.
    void CopyCellFrom(const StripBitmap& source, int index);
    // True when cell `index` holds the same colours in both bitmaps.
    bool SameCell(const StripBitmap& other, int index) const;
};
