// Falling Snow: white flakes that fall, settle on anything not black and pile up.
#include "saver/effects/falling_snow.h"

#include "saver/effects/effect_random.h"
#include "saver/effects/window_dc.h"
#include "saver/saver_effect.h"

Snowflake snowflakes[kSnowflakeCount];

namespace {

constexpr COLORREF kFlakeColour = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kNewFlakesPerFrame = 3;
constexpr int kStartRows = 21;   // new flakes start in rows 0..20

// The picture is the map: every pixel that is not black is ground, and so is every
// point outside the window (GetPixel answers CLR_INVALID there).
bool IsGround(HDC dc, int x, int y) { return GetPixel(dc, x, y) != kBlack; }

void MoveFlakePixel(HDC dc, int fromX, int fromY, int toX, int toY) {
    SetPixel(dc, fromX, fromY, kBlack);
    SetPixel(dc, toX, toY, kFlakeColour);
}

void StartFlake(int screenWidth) {
    for (Snowflake& flake : snowflakes) {
        if (flake.active) continue;
        flake.x = RandomMod(screenWidth + 1);
        flake.y = RandomMod(kStartRows);
        flake.speed = 3;
        if (Coin() == 0) flake.speed = 7;
        if (Coin() == 0) flake.speed = 5;
        flake.falling = 1;
        flake.sliding = 0;
        flake.dir = 1;
        if (Coin() == 0) flake.dir = -1;
        flake.otherDir = -flake.dir;
        flake.active = 1;   // not drawn until its first move
        return;
    }
}

void StepFalling(HDC dc, Snowflake& flake, int screenWidth, int screenHeight) {
    const int ox = flake.x, oy = flake.y;
    int x = ox + RandomMod(3) - 1;
    int y = oy + flake.speed;
    if (x < 0) x = 0;
    if (x > screenWidth) x = screenWidth;
    if (y >= screenHeight) y = screenHeight;

    if (!IsGround(dc, x, y)) {
        MoveFlakePixel(dc, ox, oy, x, y);
        flake.x = x;
        flake.y = y;
        return;
    }
    // Hit ground: climb back up to the first free pixel; past the top the flake is lost.
    while (flake.active && IsGround(dc, x, y)) {
        --y;
        if (y < 0) flake.active = 0;
    }
    MoveFlakePixel(dc, ox, oy, x, y);
    flake.x = x;
    flake.y = y;
    flake.falling = 0;
    if (IsGround(dc, x + flake.dir, y + 1))
        flake.active = 0;   // nowhere to slide: it rests here
    else
        flake.sliding = 1;
}

void StepSliding(HDC dc, Snowflake& flake) {
    const int ox = flake.x, oy = flake.y;
    int x = ox + flake.dir;
    int y = oy + 1;
    if (!IsGround(dc, x, y)) {
        MoveFlakePixel(dc, ox, oy, x, y);
    } else {
        // Blocked on this side: the flake moves over without taking its pixel along,
        // and turns round when the other side is open below.
        x = ox + flake.otherDir;
        y = oy;
        if (!IsGround(dc, x, oy + 1)) {
            const int d = flake.dir;
            flake.dir = flake.otherDir;
            flake.otherDir = d;
        }
    }
    flake.x = x;
    flake.y = y;
    if (!IsGround(dc, x, y + 1)) {
        flake.sliding = 0;
        flake.falling = 1;
    } else if (IsGround(dc, x + flake.dir, y + 1)) {
        flake.active = 0;
    }
}

}  // namespace

void SnowReset() {
    for (Snowflake& flake : snowflakes) {
        flake.active = 0;
        flake.falling = 0;
        flake.sliding = 0;
    }
}

void SnowFrame(HWND window) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    for (int i = 0; i < kNewFlakesPerFrame; ++i) StartFlake(screenWidth);

    WindowDC dc(window);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    for (Snowflake& flake : snowflakes) {
        if (!flake.active) continue;
        if (flake.falling)
            StepFalling(dc, flake, screenWidth, screenHeight);
        else if (flake.sliding)
            StepSliding(dc, flake);
    }
}

const SaverEffect fallingSnowEffect = {SnowReset, SnowFrame};
