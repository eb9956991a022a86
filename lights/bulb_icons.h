// The bulb icon cache: one icon per name, shared by the bulbs and freed with its set.
#pragma once
#include <windows.h>

// Starts a new set: every cached icon counts as unused until acquired again.
void BeginBulbIconSet();
// The icon resource of this name (case does not matter), 32 x 32; loaded on first use,
// the same handle for every later request until the set ends. Null when it does not exist.
HICON AcquireBulbIcon(const char* name);
// Destroys the icons the new set did not acquire.
void EndBulbIconSet();
// Changes with every new set: a handle seen in another set may since have been
// destroyed and given to a different picture.
int BulbIconSetSerial();

// The cached icon of this name, without loading it; null when the set does not hold it.
HICON CachedBulbIcon(const char* name);
// Number of live icons the cache holds.
int CachedBulbIconCount();
