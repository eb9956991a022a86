// Caterpillar: three chains of rings crawling below the light string, wrapping at the edges.
#include "saver/effects/caterpillar.h"

#include "saver/effects/effect_random.h"
#include "saver/effects/window_dc.h"
#include "saver/saver_draw.h"
#include "saver/saver_effect.h"

Caterpillar caterpillars[kCaterpillarCount];
RECT caterpillarArea = {};
bool caterpillarsReady = false;

namespace {

constexpr int kStep = 8;
constexpr int kBulbRowHeight = 32;   // the light string along the top stays free
constexpr int kBoundsMargin = 10;
constexpr int kStartMargin = 20;
constexpr COLORREF kBlack = RGB(0, 0, 0);

constexpr POINT kHeadingSteps[4] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};

struct Scheme {
    COLORREF head, body;
};
// Yellow on magenta, dark green on green, red on cyan.
constexpr Scheme kSchemes[3] = {
    {RGB(255, 255, 0), RGB(255, 0, 255)},
    {RGB(0, 127, 0), RGB(0, 255, 0)},
    {RGB(255, 0, 0), RGB(0, 255, 255)},
};

void SetUpCaterpillars(HWND window) {
    GetClientRect(window, &caterpillarArea);
    caterpillarArea.top += kBulbRowHeight;
    const int width = caterpillarArea.right - caterpillarArea.left;
    const int height = caterpillarArea.bottom - caterpillarArea.top;
    for (Caterpillar& c : caterpillars) {
        c.step = kStep;
        c.count = 8 + RandomMod(8);
        // Every segment starts on one point: it unrolls over its first frames.
        const int x = caterpillarArea.left + RandomMod(width - 2 * kStartMargin + 1) + kStartMargin;
        const int y = caterpillarArea.top + RandomMod(height - 2 * kStartMargin + 1) + kStartMargin;
        for (int k = 0; k < c.count; ++k) c.segments[k] = POINT{x, y};
        ChooseHeading(c, true);
        const Scheme& scheme = kSchemes[RandomMod(3)];
        c.headColour = scheme.head;
        c.bodyColour = scheme.body;
    }
    caterpillarsReady = true;
}

// Moves the head one step, coming in on the far side when it passes a bound.
POINT MoveHead(const Caterpillar& c, POINT head, const RECT& bounds) {
    head.x += c.dx * c.step;
    if (head.x < bounds.left)
        head.x = bounds.right;
    else if (head.x > bounds.right)
        head.x = bounds.left;
    head.y += c.dy * c.step;
    if (head.y < bounds.top)
        head.y = bounds.bottom;
    else if (head.y > bounds.bottom)
        head.y = bounds.top;
    return head;
}

// Each segment moves into the place its forerunner left; only the tail's old ring is
// erased, every other old ring is covered by the segment that moves onto it.
void Crawl(HDC dc, Caterpillar& c, const RECT& bounds) {
    const int radius = c.step / 2;
    POINT vacated = {};
    for (int k = 0; k < c.count; ++k) {
        const POINT old = c.segments[k];
        if (k == c.count - 1) DrawRing(dc, old.x, old.y, radius, kBlack);
        c.segments[k] = k == 0 ? MoveHead(c, old, bounds) : vacated;
        DrawRing(dc, c.segments[k].x, c.segments[k].y, radius, k == 0 ? c.headColour : c.bodyColour);
        vacated = old;
    }
    if (--c.framesToTurn == 0) ChooseHeading(c, false);
}

}  // namespace

RECT CaterpillarBounds(const RECT& area) {
    return RECT{area.left + kBoundsMargin, area.top + kBoundsMargin, area.right - kBoundsMargin,
                area.bottom - kBoundsMargin};
}

void ChooseHeading(Caterpillar& c, bool first) {
    int d = RandomMod(4);
    if (!first) {
        const int back = (c.heading + 2) % 4;
        while (d == back) d = RandomMod(4);
    }
    c.heading = d;
    c.dx = kHeadingSteps[d].x;
    c.dy = kHeadingSteps[d].y;
    c.framesToTurn = 8 + RandomMod(13);
}

void CaterpillarReset() { caterpillarsReady = false; }

void CaterpillarFrame(HWND window) {
    if (!caterpillarsReady) SetUpCaterpillars(window);
    WindowDC dc(window);
    const RECT bounds = CaterpillarBounds(caterpillarArea);
    for (Caterpillar& c : caterpillars) Crawl(dc, c, bounds);
}

const SaverEffect caterpillarEffect = {CaterpillarReset, CaterpillarFrame};
