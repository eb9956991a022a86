// Timing and pattern rules shared by the catalogue and the flash engine: rates, chase, ticks.
#pragma once
#include <windows.h>

constexpr int kRateCount = 5;           // Very Slow .. Very Fast
constexpr UINT kRandomModeInterval = 100;

// Flash timer interval in ms for a mode and rate: 100 in Random mode, else by rate.
UINT FlashTimerInterval(LONG mode, LONG rate);

// A random wait in ms before a randomly flashing bulb flips, for the current Rate.
DWORD NextFlashDelay();

// Distance between lit bulbs of the chase pattern on a string of `bulbCount`.
LONG ChaseSpacing(LONG bulbCount);

// Lights the used bulbs of the string in the chase pattern at the current chasePos.
void SetChasePattern();

// True when more than `interval` ms have passed from `start` to `now` (strictly).
// Measured as the tick difference, so it stays right when the tick count wraps.
bool IntervalElapsed(DWORD start, DWORD interval, DWORD now);
// The same against the current tick count.
bool IntervalElapsed(DWORD start, DWORD interval);

// True when `now` is later than `due`; right across the tick count's wrap for
// moments less than about 24 days apart.
bool TickIsPast(DWORD now, DWORD due);
