// Random draws the saver effects share: remainders, coins and the reseed from the clock.
#include "saver/effects/effect_random.h"

#include <cstdlib>
#include <ctime>

int RandomMod(int n) {
    const int value = std::rand();
    return n > 0 ? value % n : 0;
}

int Coin() { return std::rand() & 1; }

void ReseedFromClock() { std::srand(static_cast<unsigned>(std::time(nullptr))); }
