// The zoom animation: its outlines, and the screen left exactly as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "app/app.h"
#include "app/settings.h"
#include "dialogs/about_dlg.h"
#include "dialogs/zoom.h"
#include "support/test_env.h"

namespace {

const RECT kSquare{96, 96, 104, 104};
const RECT kDialog{300, 200, 701, 461};

RECT Bounds(const ZoomOutline& outline) {
    RECT r{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    for (const POINT& p : outline.corner) {
        r.left = std::min(r.left, p.x);
        r.top = std::min(r.top, p.y);
        r.right = std::max(r.right, p.x);
        r.bottom = std::max(r.bottom, p.y);
    }
    return r;
}

void ExpectNear(const RECT& actual, const RECT& expected, int slack) {
    EXPECT_NEAR(actual.left, expected.left, slack);
    EXPECT_NEAR(actual.top, expected.top, slack);
    EXPECT_NEAR(actual.right, expected.right, slack);
    EXPECT_NEAR(actual.bottom, expected.bottom, slack);
}

// Every pixel of the screen.
std::vector<uint32_t> Screen() {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    std::memcpy(pixels.data(), bits, pixels.size() * sizeof(uint32_t));
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// A busy pattern across the screen, so that no inverted pixel can hide.
void PaintScreenPattern() {
    HDC screen = GetDC(nullptr);
    for (int y = 0; y < GetSystemMetrics(SM_CYSCREEN); y += 16) {
        for (int x = 0; x < GetSystemMetrics(SM_CXSCREEN); x += 16) {
            HBRUSH brush = CreateSolidBrush(RGB(x * 7, y * 5, (x + y) * 3));
            const RECT tile{x, y, x + 16, y + 16};
            FillRect(screen, &tile, brush);
            DeleteObject(brush);
        }
    }
    ReleaseDC(nullptr, screen);
}

}  // namespace

TEST(ZoomFrames, OpeningGrowsFromTheSquareToTheDialogTurningHalfARevolution) {
    const std::vector<ZoomOutline> frames = ZoomOpenFrames(kSquare, kDialog, 18, 1);
    ASSERT_EQ(frames.size(), 19u);
    ExpectNear(Bounds(frames.front()), kSquare, 0);
    // Upright again after 180 degrees, on the dialog up to rounding.
    ExpectNear(Bounds(frames.back()), kDialog, 1);
    // Halfway (90 degrees) the outline stands on its side: 204 x 134 turned to 134 x 204.
    const RECT half = Bounds(frames[9]);
    EXPECT_NEAR(half.right - half.left, 134, 2);
    EXPECT_NEAR(half.bottom - half.top, 204, 2);
    // Clockwise on the screen: after 10 degrees the corner that stands at the bottom
    // right of the upright outline, (136, 122), has moved left and down. Direction 0
    // turns the other way.
    EXPECT_EQ(frames[1].corner[0].x, 134);
    EXPECT_EQ(frames[1].corner[0].y, 124);
    const ZoomOutline otherWay = ZoomOpenFrames(kSquare, kDialog, 18, 0)[1];
    EXPECT_EQ(otherWay.corner[0].x, 137);
    EXPECT_EQ(otherWay.corner[0].y, 119);
    // An edge with nowhere to go (pointer 4 pixels inside the left edge) animates normally.
    const std::vector<ZoomOutline> still = ZoomOpenFrames(RECT{296, 300, 304, 308}, RECT{296, 200, 700, 460}, 18, 1);
    ExpectNear(Bounds(still.back()), RECT{296, 200, 700, 460}, 1);
    // Fewer than one step would divide by zero: nothing to draw.
    EXPECT_TRUE(ZoomOpenFrames(kSquare, kDialog, 0, 1).empty());
}

TEST(ZoomFrames, ClosingShrinksFromTheWindowToItsCentre) {
    ExpectNear(ZoomCloseFrame(kDialog, 18, 0), kDialog, 0);
    ExpectNear(ZoomCloseFrame(kDialog, 18, 9), RECT{400, 265, 600, 395}, 0);
    ExpectNear(ZoomCloseFrame(kDialog, 18, 18), RECT{500, 330, 500, 330}, 0);
}

TEST(ZoomOnScreen, BothAnimationsLeaveEveryPixelAsItWas) {
    PaintScreenPattern();
    HWND panel = CreateWindowExA(WS_EX_TOPMOST, "Static", "", WS_POPUP | WS_VISIBLE | SS_GRAYRECT, kDialog.left,
                                 kDialog.top, 401, 261, nullptr, nullptr, nullptr, nullptr);
    testenv::Pump(300);     // let the window reach the screen before it is photographed
    const std::vector<uint32_t> before = Screen();
    const unsigned runs = zoomAnimationsRun;
    ZoomOpen(kSquare, kDialog, 18, 1);
    ZoomOpen(RECT{900, 700, 908, 708}, kDialog, 18, 1);
    ZoomClose(panel, 18);
    ZoomClose(panel, 1);    // shorter than the trail of three outlines
    EXPECT_EQ(zoomAnimationsRun - runs, 4u);
    EXPECT_TRUE(Screen() == before);

    // Through a dialog: its template is not visible, so only the outline touches the screen.
    settings = Settings{};
    settings.Zoom = 1;
    HWND about = CreateDialogParamA(appInstance, "AboutDlg", nullptr, AboutDlgProc, 0);
    EXPECT_EQ(zoomAnimationsRun - runs, 5u);
    EXPECT_TRUE(Screen() == before);
    settings.Zoom = 0;
    DestroyWindow(about);
    DestroyWindow(panel);
}

TEST(ZoomOutlineDrawing, ASecondDrawRestoresThePixels) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 100, 100);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    const RECT all{0, 0, 100, 100};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    const COLORREF grey = GetPixel(dc, 50, 10);
    const ZoomOutline outline = ZoomOpenFrames(RECT{10, 10, 90, 90}, RECT{10, 10, 90, 90}, 1, 0)[0];
    DrawZoomOutline(dc, outline);
    EXPECT_NE(GetPixel(dc, 50, 10), grey);
    DrawZoomOutline(dc, outline);
    EXPECT_EQ(GetPixel(dc, 50, 10), grey);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
}
