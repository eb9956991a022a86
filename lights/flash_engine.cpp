// The flash engine.
#include "lights/flash_engine.h"

void StartFlashTimer() {}
void StopFlashTimer() {}
void FlashStep(FlashForm) {}
DWORD IdleFlashDueIn() { return 250; }
