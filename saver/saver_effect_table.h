// Which effect each saver type runs.
#pragma once
#include <windows.h>

#include "saver/saver_effect.h"

constexpr LONG kSaverTypeCount = 7;

// The effect of this SSType, or null for "Blank Screen" and for values out of range.
const SaverEffect* SaverEffectFor(LONG saverType);
