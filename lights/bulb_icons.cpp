// The bulb icon cache: one live icon per name in use, released when a set replaces it.
#include "lights/bulb_icons.h"

#include <cstring>

#include "app/app.h"
#include "lights/light_string.h"

namespace {

struct CachedIcon {
    char name[24];
    HICON icon;         // null when the resource does not exist
    bool used;          // acquired by the set being built
};

// One set uses at most 23 names (seven colours off, on and broken, plus the missing
// socket and the empty place); during a reload the old and the new set live together.
constexpr int kCacheSize = 64;
CachedIcon cache[kCacheSize];
int cacheCount = 0;
int setSerial = 0;

CachedIcon* Find(const char* name) {
    for (int i = 0; i < cacheCount; ++i)
        if (lstrcmpiA(cache[i].name, name) == 0) return &cache[i];
    return nullptr;
}

}  // namespace

void BeginBulbIconSet() {
    ++setSerial;
    for (int i = 0; i < cacheCount; ++i) cache[i].used = false;
}

HICON AcquireBulbIcon(const char* name) {
    if (CachedIcon* hit = Find(name)) {
        hit->used = true;
        return hit->icon;
    }
    if (cacheCount == kCacheSize || std::strlen(name) >= sizeof cache[0].name) return nullptr;
    CachedIcon& entry = cache[cacheCount++];
    std::strcpy(entry.name, name);
    entry.icon = static_cast<HICON>(
        LoadImageA(appInstance, name, IMAGE_ICON, kBulbSize, kBulbSize, LR_DEFAULTCOLOR));
    entry.used = true;
    return entry.icon;
}

void EndBulbIconSet() {
    int kept = 0;
    for (int i = 0; i < cacheCount; ++i) {
        if (cache[i].used) {
            cache[kept++] = cache[i];
        } else if (cache[i].icon) {
            DestroyIcon(cache[i].icon);
        }
    }
    cacheCount = kept;
}

int BulbIconSetSerial() { return setSerial; }

HICON CachedBulbIcon(const char* name) {
    const CachedIcon* hit = Find(name);
    return hit ? hit->icon : nullptr;
}

int CachedBulbIconCount() {
    int live = 0;
    for (int i = 0; i < cacheCount; ++i)
        if (cache[i].icon) ++live;
    return live;
}
