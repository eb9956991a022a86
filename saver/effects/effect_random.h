// Random draws the saver effects share: remainders, coins and the reseed from the clock.
#pragma once

// One value of the program's generator taken modulo n (0..n-1). The value is drawn
// even when n is not positive, in which case the result is 0 instead of a fault.
int RandomMod(int n);
// One value's lowest bit: 0 or 1.
int Coin();
// Seeds the program's generator with the current time in seconds, as at start-up.
void ReseedFromClock();
