// The keyboard light flasher: Num Lock, Caps Lock and Scroll Lock follow bulbs 0 to 2.
#include "lights/keyboard_lights.h"

namespace {

// Key down and toggled: the state a lit lock key has.
constexpr BYTE kLightOn = 0x81;

BYTE LightByte(LONG lit) { return lit ? kLightOn : 0; }

}  // namespace

void SetKeyboardLights(LONG numLock, LONG capsLock, LONG scrollLock) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_NUMLOCK] = LightByte(numLock);
    keys[VK_CAPITAL] = LightByte(capsLock);
    keys[VK_SCROLL] = LightByte(scrollLock);
    SetKeyboardState(keys);
}
