// The bulb catalogue: icon names by type, colour schemes, faults, and loading a bulb set.
#include "lights/bulb_catalogue.h"

#include <cstdio>
#include <cstdlib>

#include "app/settings.h"
#include "lights/bulb_icons.h"
#include "lights/flash_rates.h"
#include "lights/light_string.h"

LONG effectiveBulbType = 0;
bool iconsLoaded = false;

namespace {

// How a type's icon-name pattern is filled.
enum class Fill {
    StateColour,    // "%d%d" with the state digit (plus an offset) and the colour
    State,          // "%d" with the state digit: one-picture types
    ColourState,    // "%d%d" with the colour, then the state digit
    StateZero,      // "%d%d" with the state digit and 0: one colour only
    ParityState,    // "%d%d" with the colour's parity, then the state digit
};

struct BulbTypeRule {
    const char* stem;
    Fill fill;
    LONG stateOffset;
};

constexpr BulbTypeRule kTypes[kBulbTypeCount] = {
    {"Light", Fill::StateColour, 0},      // 0 Normal
    {"Light", Fill::StateColour, 5},      // 1 Round
    {"Cactus", Fill::State, 0},           // 2
    {"Light", Fill::StateColour, 3},      // 3 Snow Flakes
    {"Bell", Fill::StateColour, 0},       // 4
    {"Fish", Fill::StateColour, 0},       // 5
    {"CandyCane", Fill::StateColour, 0},  // 6
    {"Heart", Fill::State, 0},            // 7
    {"USFlag", Fill::State, 0},           // 8
    {"Hebrew", Fill::State, 0},           // 9 Star of David
    {"Egg", Fill::ColourState, 0},        // 10 Easter Eggs
    {"Pumpkin", Fill::State, 0},          // 11
    {"Smiley", Fill::State, 0},           // 12
    {"Shamrock", Fill::State, 0},         // 13
    {"Lantern", Fill::ColourState, 0},    // 14
    {"Pepper", Fill::StateColour, 0},     // 15 Hot Peppers
    {"Small", Fill::StateColour, 0},      // 16 Small Bulbs
    {"Trans", Fill::StateColour, 0},      // 17 Transparent
    {"Tree", Fill::StateZero, 0},         // 18 XMas Trees
    {"Sock", Fill::StateColour, 0},       // 19 Stockings
    {"Holly", Fill::ParityState, 0},      // 20
};

enum FlashMode : LONG { kModeNone, kModeRandom, kModeAllTogether, kModeChase, kModeAlternating, kModeSomeFlash };

int Draw() { return std::rand(); }

// A fixed pepper colour from the colour setting: red, green and yellow have peppers.
LONG PepperFromSetting(LONG color) {
    switch (color) {
    case kRed: return 0;
    case kGreen: return 2;
    case kYellow: return 1;
    default: return color;
    }
}

// Walks the string bulb by bulb and hands out colours by the scheme.
class ColourScheme {
public:
    ColourScheme(LONG scheme, bool peppers) : scheme_(scheme), peppers_(peppers), cycle_(peppers ? 2 : 0) {}

    LONG Next() {
        alternate_ = !alternate_;
        if (peppers_) {
            if (++cycle_ > 4) cycle_ = 2;
        } else {
            cycle_ = (cycle_ + 1) % 6;
        }
        LONG color = peppers_ ? PepperFromSetting(scheme_) : scheme_;
        switch (scheme_) {
        case kSchemeRandom:
            do color = Draw() % kColorCount; while (color == previous_);
            break;
        case kSchemeRedGreen:
            color = peppers_ ? alternate_ * 2 : alternate_ + 2;
            break;
        case kSchemeColored:
            color = peppers_ ? cycle_ - 2 : cycle_;
            break;
        case kSchemeBlues:
            color = alternate_ * 4 + 1;
            break;
        }
        // Peppers come in three colours: fold the others onto them.
        if (peppers_)
            while (color >= 3) color -= 2;
        previous_ = color;
        return color;
    }

private:
    LONG scheme_;
    bool peppers_;
    LONG cycle_;
    LONG alternate_ = 0;
    LONG previous_ = 0;
};

void SetStartState(Bulb& bulb, LONG index) {
    bulb.lit = 0;
    switch (settings.Mode) {
    case kModeNone:
        bulb.lit = 1;
        break;
    case kModeRandom:
        bulb.flashes = 1;
        bulb.lit = Draw() & 1;
        break;
    case kModeAlternating:
        bulb.lit = index & 1;
        break;
    case kModeSomeFlash:
        bulb.flashes = Draw() % 51 < 15 ? 1 : 0;
        bulb.lit = bulb.flashes ? Draw() & 1 : 1;
        break;
    default:    // All Together starts dark; Chase is laid over the whole string afterwards
        break;
    }
}

void SetFaults(Bulb& bulb) {
    bulb.canLight = 1;
    bulb.broken = 0;
    if (settings.BurnedOut && Draw() % 101 < 20) bulb.canLight = 0;
    if (settings.Broken && Draw() % 101 < 16) bulb.broken = 1;
    if (!settings.Power) bulb.canLight = 0;
}

void LoadIcons(Bulb& bulb, LONG index, const Bulb& source) {
    const bool emptyPlace = settings.NotSoMany && (index & 1);
    for (int s = 0; s < 2; ++s) {
        char name[24];
        BulbIconName(effectiveBulbType, source.canLight * s, source.color, source.broken != 0, name, sizeof name);
        const char* chosen = name;
        if (settings.MissingBulbs && Draw() % 101 < 20) chosen = kMissingIconName;
        if (emptyPlace) chosen = kNoLightIconName;
        bulb.icon[s] = AcquireBulbIcon(chosen);
    }
}

}  // namespace

void BulbIconName(LONG type, LONG digit, LONG color, bool broken, char* name, size_t size) {
    if (type <= kBulbTypeNormal || type >= kBulbTypeCount) {
        if (broken)
            std::snprintf(name, size, "Light2%ld", static_cast<long>(color));
        else
            std::snprintf(name, size, "Light%ld%ld", static_cast<long>(digit), static_cast<long>(color));
        return;
    }
    const BulbTypeRule& rule = kTypes[type];
    long first = 0, second = 0;
    switch (rule.fill) {
    case Fill::StateColour: first = digit + rule.stateOffset; second = color; break;
    case Fill::State: std::snprintf(name, size, "%s%ld", rule.stem, static_cast<long>(digit)); return;
    case Fill::ColourState: first = color; second = digit; break;
    case Fill::StateZero: first = digit; second = 0; break;
    case Fill::ParityState: first = color % 2; second = digit; break;
    }
    std::snprintf(name, size, "%s%ld%ld", rule.stem, first, second);
}

void LoadBulbSet() {
    effectiveBulbType = settings.BulbType == kBulbTypeRandom ? Draw() % kRandomBulbTypeCount : settings.BulbType;
    if (effectiveBulbType < 0 || effectiveBulbType >= kBulbTypeCount) effectiveBulbType = kBulbTypeNormal;
    const bool peppers = effectiveBulbType == kBulbTypeHotPeppers;
    ColourScheme scheme(settings.Color, peppers);

    const LONG count = lightString.bulbCount;
    BeginBulbIconSet();
    for (LONG i = 0; i < count; ++i) {
        Bulb& bulb = lightString.bulbs[i];
        bulb.x = kBulbSize * i;
        bulb.y = 0;
        bulb.flashes = 0;
        bulb.color = scheme.Next();
        bulb.nextToggleTick = GetTickCount() + NextFlashDelay();
        SetStartState(bulb, i);
        SetFaults(bulb);
        // With fewer lights only the even places show a bulb; each takes the colour and
        // faults of the bulb at half its index, so the visible ones run through the scheme.
        const Bulb& source = settings.NotSoMany ? lightString.bulbs[i / 2] : bulb;
        LoadIcons(bulb, i, source);
    }
    EndBulbIconSet();
    if (count > 0 && settings.Mode == kModeChase) SetChasePattern();
    iconsLoaded = true;
}
