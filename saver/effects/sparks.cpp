// Sparks!: a wandering emitter throwing out sparks that fly, fall, land and fade.
#include "saver/effects/sparks.h"

#include "saver/effects/effect_random.h"
#include "saver/effects/window_dc.h"
#include "saver/saver_effect.h"

Spark sparks[kSparkCount];
int emitterX = 0, emitterY = 0;
int sparkMaxX = 0, sparkFloorY = 0;
bool sparksReady = false;

namespace {

constexpr float kGravity = 0.8f;
constexpr float kDamping = 0.96f;
constexpr int kSparksPerFrame = 3;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(127, 127, 127);

// Bright and darker shade of each family: yellow/olive, white/silver, red/dark red.
constexpr COLORREF kBright[3] = {RGB(255, 255, 0), RGB(255, 255, 255), RGB(255, 0, 0)};
constexpr COLORREF kDim[3] = {RGB(127, 127, 0), RGB(192, 192, 192), RGB(127, 0, 0)};

// 3..8 pixels per frame, negative four times in ten.
float RandomSparkSpeed() {
    float v = static_cast<float>(3 + RandomMod(6));
    if (1 + RandomMod(10) < 5) v = -v;
    return v;
}

void SetUpSparks(HWND window) {
    ReseedFromClock();
    RECT client;
    GetClientRect(window, &client);
    emitterX = client.right / 2;
    emitterY = client.bottom / 2;
    sparkMaxX = client.right;
    sparkFloorY = client.bottom - 1;
    for (Spark& s : sparks) s.active = 0;
    sparksReady = true;
}

// Bright while young, then the darker shade, grey, and black in the last two frames.
COLORREF SparkColour(int kind, int life) {
    if (life > 10) return kBright[kind];
    if (life >= 7) return kDim[kind];
    if (life >= 3) return kGrey;
    return kBlack;
}

// Erases one spark, ages it and, while it lives, moves and draws it.
void StepSpark(HDC dc, Spark& s) {
    SetPixel(dc, s.x, s.y, kBlack);
    if (s.life != 0) --s.life;
    if (s.life == 0) {
        s.active = 0;
        return;
    }
    s.x = static_cast<int>(s.x + s.vx);
    s.y = static_cast<int>(s.y + s.vy);
    if (s.y < sparkFloorY) {
        s.y += static_cast<int>(s.fall);
        s.fall += kGravity;
    } else {
        // Landing: a spark still moving right or down skitters once; then it lies still.
        if (s.vx > 0 || s.vy > 0) s.x += RandomMod(15) - 7;
        s.y = sparkFloorY;
        s.vx = s.vy = s.fall = 0.0f;
    }
    s.vx *= kDamping;
    s.vy *= kDamping;
    SetPixel(dc, s.x, s.y, SparkColour(s.kind, s.life));
}

int Clamp(int v, int low, int high) { return v < low ? low : v > high ? high : v; }

}  // namespace

void EmitSpark(int x, int y) {
    for (Spark& s : sparks) {
        if (s.active) continue;
        s.active = 1;
        s.x = x;
        s.y = y;
        s.vx = RandomSparkSpeed();
        s.vy = RandomSparkSpeed();
        s.life = 32 + RandomMod(17);
        s.fall = 0.0f;
        s.kind = RandomMod(3);
        return;
    }
}

void SparksReset() { sparksReady = false; }

void SparksFrame(HWND window) {
    if (!sparksReady) SetUpSparks(window);
    {
        WindowDC dc(window);
        for (Spark& s : sparks)
            if (s.active) StepSpark(dc, s);
    }
    emitterX = Clamp(emitterX + RandomMod(7) - 3, 0, sparkMaxX);
    emitterY = Clamp(emitterY + RandomMod(7) - 3, 0, sparkFloorY);
    for (int i = 0; i < kSparksPerFrame; ++i) EmitSpark(emitterX, emitterY);
}

const SaverEffect sparksEffect = {SparksReset, SparksFrame};
