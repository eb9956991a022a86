// The flash engine: one step of the flashing, driven by the timer or by idle time.
#include "lights/flash_engine.h"

#include "app/app.h"
#include "app/commands.h"
#include "app/settings.h"
#include "lights/bulb_catalogue.h"
#include "lights/flash_rates.h"
#include "lights/keyboard_lights.h"
#include "lights/light_string.h"

DWORD lastStepTick = 0;
DWORD lastChangeTick = 0;

namespace {

enum FlashMode : LONG { kModeNone, kModeRandom, kModeAllTogether, kModeChase, kModeAlternating, kModeSomeFlash };

// Random and Some Flash: a flashing bulb flips once its own delay has run out; the
// others are held lit.
void FlipDueBulbs(DWORD now) {
    for (LONG i = 0; i < lightString.bulbCount; ++i) {
        Bulb& bulb = lightString.bulbs[i];
        if (!bulb.flashes) {
            bulb.lit = 1;
        } else if (TickIsPast(now, bulb.nextToggleTick)) {
            bulb.lit = 1 - bulb.lit;
            bulb.nextToggleTick = now + NextFlashDelay();
        }
    }
}

void FlipAllBulbs() {
    for (LONG i = 0; i < lightString.bulbCount; ++i) {
        Bulb& bulb = lightString.bulbs[i];
        bulb.lit = 1 - bulb.lit;
    }
}

void MoveChase() {
    if (++lightString.chasePos >= lightString.bulbCount) lightString.chasePos = 0;
    SetChasePattern();
}

void StepBulbs(DWORD now) {
    switch (settings.Mode) {
    case kModeRandom:
    case kModeSomeFlash:
        FlipDueBulbs(now);
        break;
    case kModeAllTogether:
    case kModeAlternating:
        FlipAllBulbs();
        break;
    case kModeChase:
        MoveChase();
        break;
    default:
        break;
    }
}

LONG LitOf(LONG index) {
    return index < lightString.bulbCount ? lightString.bulbs[index].lit : 0;
}

}  // namespace

void StartFlashTimer() {
    SetTimer(mainWindow, kFlashTimerId, FlashTimerInterval(settings.Mode, settings.Rate), nullptr);
}

void StopFlashTimer() {
    KillTimer(mainWindow, kFlashTimerId);
}

void FlashStep(FlashForm form) {
    DWORD now = GetTickCount();
    if (form == FlashForm::Idle) {
        if (lastStepTick == 0) lastStepTick = now;
        if (!IntervalElapsed(lastStepTick, kIdleStepSpacing, now)) return;
    }
    lastStepTick = now;
    StepBulbs(now);
    if (settings.KeyLights && settings.Power) SetKeyboardLights(LitOf(0), LitOf(1), LitOf(2));
    PaintString();
    if (settings.ChangeLights && settings.BulbType == kBulbTypeRandom &&
        IntervalElapsed(lastChangeTick, kBulbChangeInterval, now)) {
        LoadBulbSet();
        RefreshDesktop();
        lastChangeTick = now;
    }
}

DWORD IdleFlashDueIn() {
    if (lastStepTick == 0) return 0;
    const DWORD elapsed = GetTickCount() - lastStepTick;
    return elapsed > kIdleStepSpacing ? 0 : kIdleStepSpacing + 1 - elapsed;
}
