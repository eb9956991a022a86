// Exploding Fireworks: bursts of fading particles that relaunch elsewhere when spent.
#pragma once
#include <windows.h>

struct Particle {
    COLORREF bright, dim;   // the burst's colour scheme
    int x, y;               // whole pixels
    float vx, vy;           // pixels per frame
    float fall;             // downward drift from gravity, grows each frame
    int life;               // frames left
    int size;               // drawn as a square of size + 1 pixels
};

constexpr int kMaxBursts = 15;
constexpr int kMaxParticles = 40;

struct Burst {
    int count;   // particles in use: 12..40 once launched
    Particle particles[kMaxParticles];
};

extern Burst bursts[kMaxBursts];
extern int burstCount;        // bursts in use: 8..15
extern bool fireworksReady;   // set by the first frame after a reset

// Leaves the set-up to the next frame.
void FireworksReset();
// Sets up on the first call after a reset, then moves and draws every particle.
void FireworksFrame(HWND window);
// Reseeds the generator and launches bursts 0..burstCount-1 at random points.
void LaunchAllBursts(HWND window);
// Fills burst i with new particles at (x, y) in colour scheme 1..7.
void LaunchBurst(int i, int x, int y, int scheme);
// Sets every pixel of the square (x..x+size, y..y+size); nothing when size < 0.
void FillDot(HDC dc, int x, int y, int size, COLORREF colour);
