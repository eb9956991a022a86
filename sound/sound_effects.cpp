// Short wave sounds from the program's resources, played from resource memory.
#include "sound/sound_effects.h"

#include <mmsystem.h>

#include "app/app.h"
#include "app/settings.h"
#include "sound/winmm_calls.h"

HGLOBAL heldEffect = nullptr;

void PlaySoundEffect(const char* resourceName) {
    if (!settings.Sound) return;
    if (heldEffect) {
        StopAndFreeWave(heldEffect);
        heldEffect = nullptr;
    }
    heldEffect = LoadAndPlayWave(appInstance, resourceName);
}

HGLOBAL LoadAndPlayWave(HINSTANCE instance, const char* resourceName) {
    HRSRC found = FindResourceA(instance, resourceName, "WAVE");
    if (!found) return nullptr;
    HGLOBAL loaded = LoadResource(instance, found);
    if (!loaded) return nullptr;
    const void* wave = LockResource(loaded);
    // No default system sound stands in for a missing one.
    if (wave) winmm.playSound(static_cast<LPCSTR>(wave), SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
    return loaded;
}

void StopAndFreeWave(HGLOBAL resource) {
    winmm.playSound(nullptr, SND_MEMORY | SND_NODEFAULT);
    FreeResource(resource);
}
