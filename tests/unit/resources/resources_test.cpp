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
        HBITMAP bitmap = LoadBitmapA(Module(), e.name);
        ASSERT_NE(bitmap, nullptr) << e.w << "x" << e.h;
        const SIZE size = BitmapSize(bitmap);
        EXPECT_TRUE(size.cx == e.w && size.cy == e.h) << e.w << "x" << e.h;
        DeleteObject(bitmap);
        HRSRC found = FindResourceA(Module(), e.name, MAKEINTRESOURCEA(2));  // RT_BITMAP, as stored
        auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(Module(), found)));
        EXPECT_EQ(header ? header->biBitCount : 0, e.depth) << e.w << "x" << e.h;
    }
}

TEST(Resources, NullCursorIsBlankWithHotSpotTopLeft) {
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(LoadCursorA(Module(), "NullCursor"), &info));
    EXPECT_TRUE(!info.fIcon && info.xHotspot == 0 && info.yHotspot == 0);
    EXPECT_EQ(info.hbmColor, nullptr);  // monochrome: both masks in one bitmap, 32 x 64
    const SIZE size = BitmapSize(info.hbmMask);
    EXPECT_TRUE(size.cx == 32 && size.cy == 64);
    // AND mask (top half) all ones, XOR mask (bottom half) all zeros.
    std::vector<BYTE> bits(32 / 8 * 64);
    ASSERT_EQ(GetBitmapBits(info.hbmMask, LONG(bits.size()), bits.data()), LONG(bits.size()));
    for (size_t i = 0; i < bits.size(); i++) ASSERT_EQ(bits[i], i < bits.size() / 2 ? 0xFF : 0x00) << i;
    DeleteObject(info.hbmMask);
}

TEST(Resources, VersionInformationNamesTheProductWithTheCaptionsVersion) {
    char path[MAX_PATH], caption[64] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::vector<char> data(GetFileVersionInfoSizeA(path, nullptr));
    ASSERT_TRUE(!data.empty() && GetFileVersionInfoA(path, 0, DWORD(data.size()), data.data()));
    auto query = [&](const std::string& key) {
        void* value = nullptr;
        UINT size = 0;
        return VerQueryValueA(data.data(), key.c_str(), &value, &size) ? value : nullptr;
    };
    auto text = [&](const char* key) {
        const char* value = static_cast<const char*>(query(std::string("\\StringFileInfo\\040904E4\\") + key));
        return std::string(value ? value : "<missing>");
    };
    EXPECT_TRUE(text("ProductName") == "Lumenkin" && text("FileVersion") == "2.1" && text("ProductVersion") == "2.1");
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(query("\\"));
    EXPECT_TRUE(fixed && fixed->dwFileVersionMS == MAKELONG(1, 2) && fixed->dwFileType == VFT_APP);  // 2.1
    LoadStringA(Module(), IDS_APP_TITLE, caption, sizeof caption);
    EXPECT_EQ(caption, "Lumenkin v" + text("ProductVersion"));
}
