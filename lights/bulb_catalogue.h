// The bulb catalogue: which pictures and colours the string's bulbs get.
#pragma once
#include <windows.h>
#include <cstddef>

// Bulb types (the BulbType setting); -1 picks one at random.
constexpr LONG kBulbTypeRandom = -1;
constexpr LONG kBulbTypeNormal = 0;
constexpr LONG kBulbTypeHotPeppers = 15;
constexpr LONG kBulbTypeStockings = 19;
constexpr LONG kBulbTypeHolly = 20;
constexpr LONG kBulbTypeCount = 21;
// A random type is drawn from the first 19 types: never Stockings or Holly.
constexpr LONG kRandomBulbTypeCount = 19;

// Colour indices of a bulb.
enum BulbColor : LONG { kPurple, kBlue, kRed, kGreen, kYellow, kIndigo, kWhite, kColorCount };

// Colour schemes (the Color setting) beyond the seven single colours.
constexpr LONG kSchemeRandom = -1;
constexpr LONG kSchemeRedGreen = 7;
constexpr LONG kSchemeColored = 8;
constexpr LONG kSchemeBlues = 9;

// Names of the two pictures that stand in for a whole bulb.
constexpr const char kMissingIconName[] = "MISSING";
constexpr const char kNoLightIconName[] = "NoLight";

extern LONG effectiveBulbType;  // the type in use, 0..20
extern bool iconsLoaded;        // set once a bulb set has been loaded

// Writes into `name` the icon name of a bulb of this type whose state digit is `digit`
// (0 off, 1 on), of colour `color`, broken or not. Missing and empty places are the
// caller's business.
void BulbIconName(LONG type, LONG digit, LONG color, bool broken, char* name, size_t size);

// Fills every used bulb of the string for the current settings and loads its icons;
// the icons of the set it replaces are released.
void LoadBulbSet();
