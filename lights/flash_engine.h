// The flash engine: the timer and the step that changes which bulbs are lit.
#pragma once
#include <windows.h>

enum class FlashForm { Idle, Timer };

// Least spacing of steps driven by the message loop's idle time.
constexpr DWORD kIdleStepSpacing = 250;
// How often a random bulb type is replaced by another.
constexpr DWORD kBulbChangeInterval = 300000;

extern DWORD lastStepTick;      // tick of the last step of either form; 0 before the first
extern DWORD lastChangeTick;    // tick of the last five-minute change of bulb type

// (Re)starts the flash timer on mainWindow with the interval of the current Mode and Rate.
void StartFlashTimer();
void StopFlashTimer();
// One step: flashes the bulbs by the mode, drives the keyboard lights, repaints, and
// every five minutes swaps a random bulb type. The idle form takes a step at most once
// per kIdleStepSpacing and only starts the clock on its first call.
void FlashStep(FlashForm form);
// Milliseconds until the idle form of FlashStep does work again (0..251); the
// message loop sleeps no longer than this while IdleProcess is set.
DWORD IdleFlashDueIn();
