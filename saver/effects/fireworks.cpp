// Exploding Fireworks: bursts of fading particles that relaunch elsewhere when spent.
#include "saver/effects/fireworks.h"

#include "saver/effects/effect_random.h"
#include "saver/effects/window_dc.h"
#include "saver/saver_effect.h"

Burst bursts[kMaxBursts];
int burstCount = 0;
bool fireworksReady = false;

namespace {

constexpr float kGravity = 0.8f;
constexpr float kDamping = 0.96f;
constexpr COLORREF kGrey = RGB(127, 127, 127);
constexpr COLORREF kBlack = RGB(0, 0, 0);

struct Scheme {
    COLORREF bright, dim;
};
// Schemes 1..7: blue, yellow, green, red, magenta (full strength throughout), cyan, white.
constexpr Scheme kSchemes[7] = {
    {RGB(0, 0, 255), RGB(0, 0, 127)},       {RGB(255, 255, 0), RGB(127, 127, 0)},
    {RGB(0, 255, 0), RGB(0, 127, 0)},       {RGB(255, 0, 0), RGB(127, 0, 0)},
    {RGB(255, 0, 255), RGB(255, 0, 255)},   {RGB(0, 255, 255), RGB(0, 127, 127)},
    {RGB(255, 255, 255), RGB(192, 192, 192)},
};

int RandomScheme() { return 1 + RandomMod(7); }

// Bright while young, then the dim shade, grey, and black in the last two frames.
COLORREF ParticleColour(const Particle& p) {
    if (p.life > 10) return p.bright;
    if (p.life >= 7) return p.dim;
    if (p.life >= 3) return kGrey;
    return kBlack;
}

// Erases one particle, ages it and, while it lives, moves and draws it. True if alive.
bool StepParticle(HDC dc, Particle& p) {
    FillDot(dc, p.x, p.y, p.size, kBlack);
    if (p.life != 0) --p.life;
    if (p.life == 0) return false;
    p.x = static_cast<int>(p.x + p.vx);
    p.y = static_cast<int>(p.y + p.vy);
    p.y += static_cast<int>(p.fall);
    p.fall += kGravity;
    p.vx *= kDamping;
    p.vy *= kDamping;
    FillDot(dc, p.x, p.y, p.size, ParticleColour(p));
    return true;
}

void RelaunchAtRandom(HWND window, int i) {
    RECT client;
    GetClientRect(window, &client);
    const int x = RandomMod(client.right + 1);
    const int y = RandomMod(client.bottom + 1);
    LaunchBurst(i, x, y, RandomScheme());
}

}  // namespace

void FillDot(HDC dc, int x, int y, int size, COLORREF colour) {
    for (int i = 0; i <= size; ++i)
        for (int j = 0; j <= size; ++j) SetPixel(dc, x + i, y + j, colour);
}

void LaunchBurst(int i, int x, int y, int scheme) {
    Burst& burst = bursts[i];
    burst.count = 12 + RandomMod(29);
    const Scheme& colours = kSchemes[scheme - 1];
    for (int k = 0; k < burst.count; ++k) {
        Particle& p = burst.particles[k];
        p.x = x;
        p.y = y;
        p.size = RandomMod(2);
        p.bright = colours.bright;
        p.dim = colours.dim;
        p.vx = static_cast<float>(RandomMod(11) - 5);
        p.vy = static_cast<float>(RandomMod(11) - 5);
        p.fall = 0.0f;
        p.life = 10 + RandomMod(21);
    }
}

void LaunchAllBursts(HWND window) {
    ReseedFromClock();
    int scheme = RandomScheme();
    RECT client;
    GetClientRect(window, &client);
    for (int i = 0; i < burstCount; ++i) {
        const int x = RandomMod(client.right + 1);
        const int y = RandomMod(client.bottom + 1);
        LaunchBurst(i, x, y, scheme);
        scheme = RandomScheme();
    }
}

void FireworksReset() { fireworksReady = false; }

void FireworksFrame(HWND window) {
    if (!fireworksReady) {
        burstCount = 8 + RandomMod(8);
        LaunchAllBursts(window);
        fireworksReady = true;
    }
    WindowDC dc(window);
    for (int i = 0; i < burstCount; ++i) {
        Burst& burst = bursts[i];
        bool alive = false;
        for (int k = 0; k < burst.count; ++k) alive = StepParticle(dc, burst.particles[k]) || alive;
        if (!alive) RelaunchAtRandom(window, i);   // drawn from the next frame on
    }
}

const SaverEffect fireworksEffect = {FireworksReset, FireworksFrame};
