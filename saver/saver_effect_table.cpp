// Which effect each saver type runs.
#include "saver/saver_effect_table.h"

namespace {

// Indexed by SSType; "Blank Screen" (5) draws nothing.
const SaverEffect* const kEffects[kSaverTypeCount] = {
    &fallingSnowEffect,     // 0 "Falling Snow"
    &warpDriveEffect,       // 1 "Warp Drive"
    &fireworksEffect,       // 2 "Exploding Fireworks"
    &curvesEffect,          // 3 "Curves!"
    &caterpillarEffect,     // 4 "Caterpillar"
    nullptr,                // 5 "Blank Screen"
    &sparksEffect,          // 6 "Sparks!"
};

}  // namespace

const SaverEffect* SaverEffectFor(LONG saverType) {
    if (saverType < 0 || saverType >= kSaverTypeCount) return nullptr;
    return kEffects[saverType];
}
