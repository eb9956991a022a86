// The flash engine: the timer and the step that changes which bulbs are lit.
#pragma once
#include <windows.h>

enum class FlashForm { Idle, Timer };

void StartFlashTimer();
void StopFlashTimer();
void FlashStep(FlashForm form);
// Milliseconds until the idle form of FlashStep does work again (0..250); the
// message loop sleeps no longer than this while IdleProcess is set.
DWORD IdleFlashDueIn();
