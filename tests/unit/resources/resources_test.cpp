// The program's bitmaps, cursor and version information as the program and Windows load
// them: by name or number from its own module, with the sizes, depths and layouts the code relies on.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "resource.h"

namespace {
HINSTANCE Module() { return GetModuleHandleA(nullptr); }

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}
}  // namespace

TEST(Resources, EveryBitmapLoadsWithItsSizeAndDepth) {
    // The power switch is asked for as "p%d", in lower case; resource names ignore case.
    const struct { LPCSTR name; int w, h, depth; } expected[] = {
        {MAKEINTRESOURCEA(1300), 480, 80, 24}, {MAKEINTRESOURCEA(1502), 16, 16, 24}, {"p1400", 32, 48, 4},
        {"p1401", 32, 48, 4}, {"BulbSeq", 22, 20, 4}, {MAKEINTRESOURCEA(1500), 214, 39, 24},
        {MAKEINTRESOURCEA(1501), 318, 21, 24}, {MAKEINTRESOURCEA(118), 36, 44, 24}};
    for (const auto& e : expected) {
        const char* label = IS_INTRESOURCE(e.name) ? "by number" : e.name;
        HBITMAP bitmap = LoadBitmapA(Module(), e.name);
        ASSERT_NE(bitmap, nullptr) << label;
        const SIZE size = BitmapSize(bitmap);
        EXPECT_TRUE(size.cx == e.w && size.cy == e.h) << label;
        DeleteObject(bitmap);
        HRSRC found = FindResourceA(Module(), e.name, MAKEINTRESOURCEA(2));  // RT_BITMAP, as stored
        auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(Module(), found)));
        EXPECT_EQ(header ? header->biBitCount : 0, e.depth) << label;
    }
    // The preview's bulbs: green on top, red below, unlit on the left, lit on the right.
    HBITMAP bulbs = LoadBitmapA(Module(), "BulbSeq");
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bulbs);
    const COLORREF greenOff = GetPixel(dc, 5, 6), greenOn = GetPixel(dc, 17, 6);
    const COLORREF redOff = GetPixel(dc, 5, 16), redOn = GetPixel(dc, 17, 16);
    EXPECT_TRUE(GetGValue(greenOff) > GetRValue(greenOff) && GetGValue(greenOn) > GetGValue(greenOff));
    EXPECT_TRUE(GetRValue(redOff) > GetGValue(redOff) && GetRValue(redOn) > GetRValue(redOff));
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bulbs);
}

TEST(Resources, NullCursorIsBlankWithHotSpotTopLeft) {
    HCURSOR cursor = LoadCursorA(Module(), "NullCursor");
    ICONINFO info = {};
    ASSERT_TRUE(cursor && GetIconInfo(cursor, &info));
    EXPECT_TRUE(!info.fIcon && info.xHotspot == 0 && info.yHotspot == 0);
    EXPECT_EQ(info.hbmColor, nullptr);  // monochrome: both masks in one bitmap
    const SIZE size = BitmapSize(info.hbmMask);
    EXPECT_TRUE(size.cx == 32 && size.cy == 64);
    // AND mask (top half) all ones, XOR mask (bottom half) all zeros.
    std::vector<BYTE> bits(32 / 8 * 64);
    ASSERT_EQ(GetBitmapBits(info.hbmMask, LONG(bits.size()), bits.data()), LONG(bits.size()));
    for (size_t i = 0; i < bits.size(); i++) ASSERT_EQ(bits[i], i < bits.size() / 2 ? 0xFF : 0x00) << i;
    DeleteObject(info.hbmMask);
}

TEST(Resources, VersionInformationNamesTheProductWithTheCaptionsVersion) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    DWORD unused = 0;
    std::vector<char> data(GetFileVersionInfoSizeA(path, &unused));
    ASSERT_FALSE(data.empty());
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, DWORD(data.size()), data.data()));
    auto text = [&](const char* key) {
        char* value = nullptr;
        UINT size = 0;
        const std::string query = std::string("\\StringFileInfo\\040904E4\\") + key;
        return VerQueryValueA(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &size) && value
                   ? std::string(value)
                   : std::string("<missing>");
    };
    EXPECT_EQ(text("ProductName"), "Lumenkin");
    EXPECT_EQ(text("FileVersion"), "2.1");
    EXPECT_EQ(text("ProductVersion"), "2.1");
    EXPECT_NE(text("FileDescription"), "<missing>");
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(1, 2));  // 2.1
    EXPECT_EQ(fixed->dwFileType, DWORD(VFT_APP));
    char caption[64] = "";
    LoadStringA(Module(), IDS_APP_TITLE, caption, sizeof caption);
    EXPECT_EQ(caption, "Lumenkin v" + text("ProductVersion"));
}
