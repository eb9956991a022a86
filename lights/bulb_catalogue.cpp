// The bulb catalogue.
#include "lights/bulb_catalogue.h"

void LoadBulbSet() {}
