// Short wave sounds from the program's resources, such as the key click.
#pragma once

// Plays the named WAVE resource when the Sound setting is on.
void PlaySoundEffect(const char* resourceName);
