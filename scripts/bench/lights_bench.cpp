// Benchmark of the light string: FlashStep with 80 bulbs in three modes and both paint
// paths against bulbs drawn straight onto the screen, and 10,000 bulb-set reloads.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/app.h"
#include "app/settings.h"
#include "lights/bulb_catalogue.h"
#include "lights/bulb_icons.h"
#include "lights/flash_engine.h"
#include "lights/light_string.h"

namespace {

constexpr LONG kBulbs = 80;
constexpr int kRounds = 7;            // cases take turns, so a busy moment hits them all
constexpr int kStepsPerRound = 200;
constexpr DWORD kRandomStepMs = 100;  // the Random mode's timer interval

double Now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Steps come much faster here than on the timer; move the bulbs' flip times back by one
// timer interval per step so Random flips as many bulbs per step as it does in use.
void PassRandomStepTime() {
    for (LONG i = 0; i < kBulbs; ++i) lightString.bulbs[i].nextToggleTick -= kRandomStepMs;
}

// The plain method: every bulb drawn with DrawIconEx straight onto the screen.
void AnchorStep(int n) {
    HDC dc = GetDC(nullptr);
    for (LONG i = 0; i < kBulbs; ++i) {
        const Bulb& bulb = lightString.bulbs[i];
        DrawIconEx(dc, bulb.x, bulb.y, bulb.icon[(bulb.lit + n) & 1], kBulbSize, kBulbSize, 0, nullptr, DI_NORMAL);
    }
    ReleaseDC(nullptr, dc);
}

// Someone else paints over the whole strip, in a colour that changes every step.
void WipeStrip(int n) {
    HDC dc = GetDC(nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(n & 0xFF, 40, 90));
    const RECT strip = {0, 0, kBulbs * kBulbSize, kBulbSize};
    FillRect(dc, &strip, brush);
    DeleteObject(brush);
    ReleaseDC(nullptr, dc);
}

struct Case {
    const char* name;
    LONG mode;        // -1: the anchor
    LONG noFlicker;
    std::vector<double> msPerStep;
    bool wiped = false;   // every cell painted over before each step: nothing kept helps
    long changed = 0;     // bulbs whose picture changed, over all timed steps
    long steps = 0;
};

void RunRound(Case& c) {
    settings.Mode = c.mode < 0 ? 2 : c.mode;
    settings.NoFlicker = c.noFlicker;
    LoadBulbSet();
    for (int n = 0; n < 20; ++n) {   // warm up, and repaint what the previous case left
        if (c.mode < 0) AnchorStep(n);
        else FlashStep(FlashForm::Timer);
    }
    double spent = 0;
    for (int n = 0; n < kStepsPerRound; ++n) {
        LONG before[kBulbs];
        for (LONG i = 0; i < kBulbs; ++i) before[i] = lightString.bulbs[i].lit;
        if (c.mode == 1) PassRandomStepTime();
        if (c.wiped) WipeStrip(n);
        const double start = Now();
        if (c.mode < 0) AnchorStep(n);
        else FlashStep(FlashForm::Timer);
        spent += Now() - start;
        for (LONG i = 0; i < kBulbs; ++i) c.changed += c.mode < 0 || before[i] != lightString.bulbs[i].lit;
        ++c.steps;
    }
    c.msPerStep.push_back(spent / kStepsPerRound);
}

bool IconAlive(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return false;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void FlashSteps() {
    std::vector<Case> cases = {
        {"anchor: 80 DrawIconEx onto the screen", -1, 0, {}},
        {"Chase, direct", 3, 0, {}},       {"Chase, NoFlicker", 3, 1, {}},
        {"Random, direct", 1, 0, {}},      {"Random, NoFlicker", 1, 1, {}},
        {"All Together, direct", 2, 0, {}}, {"All Together, NoFlicker", 2, 1, {}},
        {"None, direct", 0, 0, {}},        {"None, NoFlicker", 0, 1, {}},
        {"All Together, strip wiped each step", 2, 0, {}, true},
    };
    for (int round = 0; round < kRounds; ++round)
        for (Case& c : cases) RunRound(c);
    const double anchor = Median(cases[0].msPerStep);
    std::printf("FlashStep, 80 bulbs, screen %d x %d, median of %d rounds of %d steps:\n",
                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), kRounds, kStepsPerRound);
    for (const Case& c : cases) {
        const double ms = Median(c.msPerStep);
        std::printf("  %-38s %6.3f ms  %4.2f x anchor  (%4.1f bulbs change a step)\n", c.name, ms, ms / anchor,
                    static_cast<double>(c.changed) / static_cast<double>(c.steps));
    }
}

// Every reload switches between Bells and Fish in the six colours of Colored, so it
// loads 12 new icons and must release the 12 of the set it replaces.
void Reloads() {
    settings.Color = kSchemeColored;
    settings.BulbType = 4;
    LoadBulbSet();
    const int liveBefore = CachedBulbIconCount();
    const double start = Now();
    int failedLoads = 0, survivors = 0;
    for (int n = 0; n < 10000; ++n) {
        const HICON replaced[2] = {lightString.bulbs[0].icon[0], lightString.bulbs[0].icon[1]};
        settings.BulbType = n % 2 ? 4 : 5;
        LoadBulbSet();
        for (HICON icon : replaced) survivors += IconAlive(icon);
        for (LONG i = 0; i < kBulbs; ++i) failedLoads += !lightString.bulbs[i].icon[0] + !lightString.bulbs[i].icon[1];
    }
    std::printf("10000 reloads of 80 bulbs: %.3f ms per reload; live bulb icons before %d, after %d; "
                "replaced icons still valid %d; failed loads %d\n",
                (Now() - start) / 10000, liveBefore, CachedBulbIconCount(), survivors, failedLoads);
}

}  // namespace

int main() {
    appInstance = GetModuleHandleA(nullptr);
    settings.Power = 1;
    settings.Rate = 2;
    settings.BulbType = kBulbTypeNormal;
    settings.Color = kSchemeColored;
    lightString.bulbCount = kBulbs;
    lastChangeTick = GetTickCount();   // no five-minute change of the bulb type
    FlashSteps();
    Reloads();
    return 0;
}
