// Short wave sounds from the program's resources, such as the key click.
#pragma once
#include <windows.h>

// The effect resource loaded last; it stays loaded while it plays and is released
// when the next effect is requested.
extern HGLOBAL heldEffect;

// Plays the named WAVE resource when the Sound setting is on, stopping the one before.
void PlaySoundEffect(const char* resourceName);
// Finds, loads, locks and starts one WAVE resource; the loaded handle or null.
HGLOBAL LoadAndPlayWave(HINSTANCE instance, const char* resourceName);
// Stops any sound that plays and releases the resource.
void StopAndFreeWave(HGLOBAL resource);
