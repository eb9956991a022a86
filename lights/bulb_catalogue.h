// The bulb catalogue: which pictures and colours the string's bulbs get.
#pragma once

// Fills every used bulb of the string for the current settings and loads its icons.
void LoadBulbSet();
