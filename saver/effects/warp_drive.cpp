// Warp Drive: a star field streaming out from the centre of the screen.
#include "saver/effects/warp_drive.h"

#include "saver/effects/effect_random.h"
#include "saver/effects/window_dc.h"
#include "saver/saver_effect.h"

Star stars[kStarCount];
int warpSpeed = 6;
int warpCenterX = 0, warpCenterY = 0;

namespace {

constexpr int kFocalLength = 350;
constexpr int kNearestNewDepth = 125;
constexpr int kDepthRange = 151;   // new depths 125..275

// The bright half of the sixteen-colour palette.
constexpr COLORREF kStarColours[8] = {
    RGB(192, 192, 192), RGB(255, 0, 0),   RGB(255, 255, 0), RGB(0, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255),
};

// Where a star shows on the screen: a perspective division, truncated toward zero.
POINT ProjectStar(const Star& star) {
    return POINT{warpCenterX + kFocalLength * star.x / star.z, warpCenterY + kFocalLength * star.y / star.z};
}

void DrawStar(HDC dc, const Star& star, COLORREF colour) {
    const POINT p = ProjectStar(star);
    if (star.size == 1) {
        SetPixel(dc, p.x, p.y, colour);
        return;
    }
    const RECT block = {p.x - 1, p.y - 1, p.x + 1, p.y + 1};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &block, brush);
    DeleteObject(brush);
}

}  // namespace

void SeedStar(Star& star) {
    star.x = RandomMod(warpCenterX + 1);
    if (Coin() == 0) star.x = -star.x;
    star.y = RandomMod(warpCenterY + 1);
    if (Coin() == 0) star.y = -star.y;
    star.z = kNearestNewDepth + RandomMod(kDepthRange);
    star.size = Coin();
    star.colour = kStarColours[RandomMod(8)];
}

void WarpReset() {
    warpSpeed = 6;
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    warpCenterX = (screen.right - screen.left) / 2;
    warpCenterY = (screen.bottom - screen.top) / 2;
    for (Star& star : stars) SeedStar(star);
}

void WarpFrame(HWND window) {
    WindowDC dc(window);
    for (Star& star : stars) {
        DrawStar(dc, star, RGB(0, 0, 0));
        star.z -= warpSpeed;
        if (star.z <= 0) SeedStar(star);   // before any division by the spent depth
        DrawStar(dc, star, star.colour);
    }
}

const SaverEffect warpDriveEffect = {WarpReset, WarpFrame};
