// The zoom animation: its outlines, and the screen left exactly as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "dialogs/zoom.h"
#include "support/test_env.h"

namespace {

const RECT kSquare{96, 96, 104, 104};
const RECT kDialog{300, 200, 701, 461};

// The bounding box of an outline's corners, up to `slack` pixels off `expected`.
bool Bounds(const ZoomOutline& o, const RECT& expected, int slack) {
    const auto [left, right] = std::minmax({o.corner[0].x, o.corner[1].x, o.corner[2].x, o.corner[3].x});
    const auto [top, bottom] = std::minmax({o.corner[0].y, o.corner[1].y, o.corner[2].y, o.corner[3].y});
    return std::abs(left - expected.left) <= slack && std::abs(top - expected.top) <= slack &&
           std::abs(right - expected.right) <= slack && std::abs(bottom - expected.bottom) <= slack;
}

// Every pixel of the screen.
std::vector<uint32_t> Screen() {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    uint32_t* bits = nullptr;
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY), GdiFlush();
    std::vector<uint32_t> pixels(bits, bits + static_cast<size_t>(width) * height);
    SelectObject(memory, previous), DeleteObject(bitmap), DeleteDC(memory), ReleaseDC(nullptr, screen);
    return pixels;
}

}  // namespace

TEST(Zoom, FramesGrowTurningHalfARevolutionAndShrinkToTheCentre) {
    const std::vector<ZoomOutline> frames = ZoomOpenFrames(kSquare, kDialog, 18, 1);
    ASSERT_EQ(frames.size(), 19u);
    EXPECT_TRUE(Bounds(frames.front(), kSquare, 0));
    EXPECT_TRUE(Bounds(frames.back(), kDialog, 1));  // upright again after 180 degrees
    EXPECT_TRUE(Bounds(frames[9], RECT{233, 113, 367, 317}, 2));  // on its side halfway: 204 x 134 turned
    // Clockwise: the bottom-right corner (136, 122) moves left and down.
    EXPECT_TRUE(frames[1].corner[0].x == 134 && frames[1].corner[0].y == 124);
    EXPECT_TRUE(ZoomOpenFrames(kSquare, kDialog, 0, 1).empty());  // would divide by zero
    const RECT close[] = {kDialog, RECT{400, 265, 600, 395}, RECT{500, 330, 500, 330}};
    for (int i = 0; i < 3; ++i) {
        const RECT r = ZoomCloseFrame(kDialog, 18, 9 * i);
        EXPECT_TRUE(EqualRect(&r, &close[i])) << i;
    }
    // Closing keeps a trail of three outlines that moves inward, one wait of 50 ms each.
    const std::vector<std::vector<int>> trail = ZoomCloseTrail(18);
    ASSERT_EQ(trail.size(), 22u);
    const std::vector<int> waits[] = {{0}, {0, 1}, {0, 1, 2}, {1, 2, 3}};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(trail[i], waits[i]);
    EXPECT_TRUE(trail[18] == (std::vector<int>{16, 17, 18}) && trail[20] == std::vector<int>{18} && trail[21].empty());
    // A dialog's opening starts from the 8 x 8 square around the pointer.
    HWND dialog = CreateWindowExA(0, "Static", "", WS_POPUP, kDialog.left, kDialog.top, 401, 261, nullptr, nullptr,
                                  nullptr, nullptr);
    SetCursorPos(100, 100);
    const std::vector<ZoomOutline> opening = ZoomDialogOpenFrames(dialog);
    DestroyWindow(dialog);
    ASSERT_EQ(opening.size(), frames.size());
    for (size_t i = 0; i < frames.size(); ++i)
        EXPECT_EQ(std::memcmp(&opening[i], &frames[i], sizeof frames[i]), 0) << i;
}

TEST(Zoom, BothAnimationsLeaveEveryPixelAsItWas) {
    HDC dc = GetDC(nullptr);  // a patterned screen, under a window where the dialog would be
    HBRUSH brush = CreateHatchBrush(HS_DIAGCROSS, RGB(200, 40, 90));
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    FillRect(dc, &screen, brush);
    DeleteObject(brush), ReleaseDC(nullptr, dc);
    HWND panel = CreateWindowExA(WS_EX_TOPMOST, "Static", "", WS_POPUP | WS_VISIBLE | SS_GRAYRECT, kDialog.left,
                                 kDialog.top, 401, 261, nullptr, nullptr, nullptr, nullptr);
    testenv::Pump(300);  // let the window reach the screen before it is photographed
    const std::vector<uint32_t> before = Screen();
    ZoomOpen(kSquare, kDialog, 18, 1);
    ZoomClose(panel, 18);
    ZoomClose(panel, 1);  // shorter than the trail of outlines
    EXPECT_TRUE(Screen() == before);
    DestroyWindow(panel);
}
