// Short wave sounds from the program's resources.
#include "sound/sound_effects.h"

void PlaySoundEffect(const char*) {}
