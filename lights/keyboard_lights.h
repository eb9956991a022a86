// The keyboard's Num Lock, Caps Lock and Scroll Lock lights as three more bulbs.
#pragma once
#include <windows.h>

// Sets the three lights of the thread's keyboard state: on for a non-zero value, off
// for 0. Every other key keeps its state.
void SetKeyboardLights(LONG numLock, LONG capsLock, LONG scrollLock);
