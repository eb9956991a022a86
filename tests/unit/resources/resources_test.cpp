// The program's bitmaps, cursor and version information as the program and Windows load
// them: by name or number from its own module, with the sizes and layouts the code relies on.
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

// Bits per pixel of the bitmap as stored in the resources.
int StoredDepth(LPCSTR name) {
    HRSRC found = FindResourceA(Module(), name, MAKEINTRESOURCEA(2));  // RT_BITMAP
    if (!found) return 0;
    auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(Module(), found)));
    return header ? header->biBitCount : 0;
}

// A loaded bitmap selected into a memory DC for reading pixels; released on scope exit.
class BitmapPixels {
public:
    explicit BitmapPixels(LPCSTR name)
        : bitmap_(LoadBitmapA(Module(), name)), dc_(CreateCompatibleDC(nullptr)),
          old_(bitmap_ ? SelectObject(dc_, bitmap_) : nullptr) {}
    ~BitmapPixels() {
        if (old_) SelectObject(dc_, old_);
        DeleteDC(dc_);
        if (bitmap_) DeleteObject(bitmap_);
    }
    BitmapPixels(const BitmapPixels&) = delete;
    BitmapPixels& operator=(const BitmapPixels&) = delete;
    bool ok() const { return bitmap_ != nullptr; }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    HBITMAP bitmap_;
    HDC dc_;
    HGDIOBJ old_;
};
}  // namespace

TEST(Resources, EveryBitmapLoadsWithItsSize) {
    struct Expect {
        LPCSTR name;
        int w, h, depth;
    };
    const Expect expected[] = {
        {MAKEINTRESOURCEA(1300), 480, 80, 24}, {MAKEINTRESOURCEA(1502), 16, 16, 24},
        {"P1400", 32, 48, 4},                  {"P1401", 32, 48, 4},
        {"BulbSeq", 22, 20, 4},                {MAKEINTRESOURCEA(1500), 214, 39, 24},
        {MAKEINTRESOURCEA(1501), 318, 21, 24}, {MAKEINTRESOURCEA(118), 36, 44, 24},
    };
    for (const Expect& e : expected) {
        HBITMAP bitmap = LoadBitmapA(Module(), e.name);
        ASSERT_NE(bitmap, nullptr) << (IS_INTRESOURCE(e.name) ? "#number" : e.name);
        SIZE size = BitmapSize(bitmap);
        EXPECT_EQ(size.cx, e.w);
        EXPECT_EQ(size.cy, e.h);
        EXPECT_EQ(StoredDepth(e.name), e.depth);
        DeleteObject(bitmap);
    }
}

TEST(Resources, SwitchPicturesLoadByTheNameThePickerForms) {
    // The power switch forms "p%d" in lower case; resource names ignore case.
    for (int power = 0; power <= 1; power++) {
        char name[16];
        wsprintfA(name, "p%d", 1400 + power);
        HBITMAP bitmap = LoadBitmapA(Module(), name);
        EXPECT_NE(bitmap, nullptr) << name;
        if (bitmap) DeleteObject(bitmap);
    }
}

TEST(Resources, PreviewBulbsKeepGreenOnTopAndLitOnTheRight) {
    BitmapPixels bulbs("BulbSeq");
    ASSERT_TRUE(bulbs.ok());
    // The middle of each cell's glass.
    COLORREF greenOff = bulbs.At(5, 6), greenOn = bulbs.At(11 + 6, 6);
    COLORREF redOff = bulbs.At(5, 16), redOn = bulbs.At(11 + 6, 16);
    EXPECT_GT(GetGValue(greenOff), GetRValue(greenOff));
    EXPECT_GT(GetGValue(greenOn), GetGValue(greenOff));
    EXPECT_GT(GetRValue(redOff), GetGValue(redOff));
    EXPECT_GT(GetRValue(redOn), GetRValue(redOff));
}

TEST(Resources, NullCursorIsBlankWithHotSpotTopLeft) {
    HCURSOR cursor = LoadCursorA(Module(), "NullCursor");
    ASSERT_NE(cursor, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 0u);
    EXPECT_EQ(info.yHotspot, 0u);
    EXPECT_EQ(info.hbmColor, nullptr);  // monochrome: both masks in one bitmap
    ASSERT_NE(info.hbmMask, nullptr);
    SIZE size = BitmapSize(info.hbmMask);
    EXPECT_EQ(size.cx, 32);
    EXPECT_EQ(size.cy, 64);
    // AND mask (top half) all ones, XOR mask (bottom half) all zeros.
    std::vector<BYTE> bits(32 / 8 * 64);
    ASSERT_EQ(GetBitmapBits(info.hbmMask, LONG(bits.size()), bits.data()), LONG(bits.size()));
    for (size_t i = 0; i < bits.size(); i++) ASSERT_EQ(bits[i], i < bits.size() / 2 ? 0xFF : 0x00) << i;
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
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
