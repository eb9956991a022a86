// The bulb catalogue: icon names, bulb sets replayed draw by draw, and their icons' lifetime.
#include <set>

#include "app/text.h"
#include "lights_fixture.h"
#include "resource.h"

using Catalogue = LightsTest;

namespace {

std::string Name(LONG type, LONG digit, LONG color, bool broken = false) {
    char name[24];
    BulbIconName(type, digit, color, broken, name, sizeof name);
    return name;
}

bool IconAlive(HICON icon) {
    ICONINFO info{};
    return GetIconInfo(icon, &info) && DeleteObject(info.hbmColor) | DeleteObject(info.hbmMask);
}

}  // namespace

// Off and on names of each type in colour 5; broken glass shows on Normal bulbs only. Every
// name the rules can give, and each type's list picture, is an icon of ours.
TEST(CatalogueNames, EveryTypeFillsItsPatternAndEveryNameIsAnIcon) {
    const char* names[kBulbTypeCount][2] = {
        {"Light05", "Light15"}, {"Light55", "Light65"},   {"Cactus0", "Cactus1"},     {"Light35", "Light45"},
        {"Bell05", "Bell15"},   {"Fish05", "Fish15"},     {"CandyCane05", "CandyCane15"}, {"Heart0", "Heart1"},
        {"USFlag0", "USFlag1"}, {"Hebrew0", "Hebrew1"},   {"Egg50", "Egg51"},         {"Pumpkin0", "Pumpkin1"},
        {"Smiley0", "Smiley1"}, {"Shamrock0", "Shamrock1"}, {"Lantern50", "Lantern51"}, {"Pepper05", "Pepper15"},
        {"Small05", "Small15"}, {"Trans05", "Trans15"},   {"Tree00", "Tree10"},       {"Sock05", "Sock15"},
        {"Holly10", "Holly11"}};
    std::set<std::string> all = {kMissingIconName, kNoLightIconName, "RedGreen", "TheBlues"};
    for (LONG type = 0; type < kBulbTypeCount; ++type) {
        for (LONG s = 0; s < 2; ++s) {
            EXPECT_EQ(Name(type, s, 5), names[type][s]) << type;
            EXPECT_EQ(Name(type, s, 5, true), type ? names[type][s] : "Light25") << type;
        }
        for (LONG color = 0; color < 4 * kColorCount; ++color)   // off, on, broken off, broken on
            all.insert(Name(type, color % 2, type == kBulbTypeHotPeppers ? color / 4 % 3 : color / 4, color % 4 > 1));
    }
    EXPECT_EQ(Name(kBulbTypeHolly, 1, 4), "Holly01");
    for (UINT id = IDS_BULB_TYPE_ICON_FIRST; id <= IDS_BULB_TYPE_ICON_FIRST + kBulbTypeCount; ++id)
        all.insert(LoadText(id));
    for (const std::string& name : all) {
        HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_ICON, 32, 32, 0));
        EXPECT_TRUE(icon) << name;
        DestroyIcon(icon);
    }
}

// From the same seed a set follows its draws in order: the type, then for each bulb its
// colour by the scheme, its flip delay, its mode's start state, its faults, and missing
// off and on icons. Peppers fold every colour onto their three.
TEST_F(Catalogue, BulbSetsFollowTheirDrawsInOrder) {
    const DWORD base[] = {2000, 1600, 1000, 200, 50}, span[] = {701, 601, 601, 801, 451};
    const LONG peppers[kColorCount] = {0, 1, 0, 2, 1, 1, 2};
    const struct { LONG type, color, mode, rate, burnedOut, broken, power, missing, notSoMany, count; } rows[] = {
        {0, -1, 1, 0, 1, 1, 1, 1, 0, 80},  {-1, 4, 5, 1, 1, 0, 1, 0, 1, 80}, {15, -1, 5, 2, 0, 1, 1, 1, 0, 80},
        {0, 2, 4, 3, 1, 1, 0, 0, 1, 80},   {10, 6, 3, 4, 0, 0, 1, 1, 0, 20}, {-1, -1, 0, 4, 1, 1, 1, 0, 0, 51},
        {20, 9, 2, 0, 0, 0, 1, 1, 1, 33},  {1, 7, 0, 2, 0, 1, 1, 0, 1, 25},  {16, 8, 0, 1, 0, 0, 1, 0, 0, 25},
        {15, 7, 0, 2, 0, 0, 1, 0, 0, 7},   {15, 8, 0, 2, 0, 0, 1, 0, 1, 7},  {15, 9, 0, 2, 0, 0, 1, 0, 0, 7},
        {15, 0, 0, 2, 0, 0, 1, 0, 0, 2},   {15, 1, 0, 2, 0, 0, 1, 0, 0, 2},  {15, 2, 0, 2, 0, 0, 1, 0, 0, 2},
        {15, 3, 0, 2, 0, 0, 1, 0, 0, 2},   {15, 4, 0, 2, 0, 0, 1, 0, 0, 2},  {15, 5, 0, 2, 0, 0, 1, 0, 0, 2},
        {15, 6, 0, 2, 0, 0, 1, 0, 0, 2}};
    for (const auto& r : rows) {
        settings.BulbType = r.type, settings.Color = r.color, settings.Mode = r.mode, settings.Rate = r.rate;
        settings.BurnedOut = r.burnedOut, settings.Broken = r.broken, settings.Power = r.power;
        settings.MissingBulbs = r.missing, settings.NotSoMany = r.notSoMany, lightString.bulbCount = r.count;
        for (unsigned seed = 1; seed <= 6; ++seed) {
            std::srand(seed);
            const LONG type = r.type < 0 ? std::rand() % 19 : r.type;
            const bool pepper = type == kBulbTypeHotPeppers;
            Bulb want[kMaxBulbs] = {};
            std::string names[kMaxBulbs][2];
            for (LONG i = 0, previous = 0, even; i < r.count; ++i) {
                Bulb& b = want[i];
                b.x = kBulbSize * i, even = i % 2 == 0;
                switch (r.color) {
                case -1: do b.color = std::rand() % 7; while (b.color == previous); break;
                case 7: b.color = pepper ? even * 2 : even + 2; break;
                case 8: b.color = pepper ? (i + 1) % 3 : (i + 1) % 6; break;
                case 9: b.color = even * 4 + 1; break;
                default: b.color = pepper ? peppers[r.color] : r.color;
                }
                while (pepper && b.color >= 3) b.color -= 2;
                previous = b.color;
                b.nextToggleTick = base[r.rate] + std::rand() % span[r.rate];
                b.flashes = r.mode == 1 || (r.mode == 5 && std::rand() % 51 < 15);
                b.lit = r.mode == 0 || (r.mode == 3 && i % 4 == 0) || (r.mode == 4 && !even) || (r.mode == 5 && !b.flashes);
                if (b.flashes) b.lit = std::rand() & 1;
                b.canLight = !(r.burnedOut && std::rand() % 101 < 20) && r.power;
                b.broken = r.broken && std::rand() % 101 < 16;
                const Bulb& source = want[r.notSoMany ? i / 2 : i];
                for (int s = 0; s < 2; ++s) {
                    names[i][s] = Name(type, source.canLight * s, source.color, source.broken);
                    if (r.missing && std::rand() % 101 < 20) names[i][s] = kMissingIconName;
                    if (r.notSoMany && !even) names[i][s] = kNoLightIconName;
                }
            }
            std::srand(seed);
            const DWORD before = GetTickCount();
            LoadBulbSet();
            const DWORD after = GetTickCount();
            SCOPED_TRACE(testing::Message() << "row " << &r - rows << ", seed " << seed);
            ASSERT_EQ(effectiveBulbType, type);
            for (LONG i = 0; i < r.count; ++i) {
                const Bulb &b = B(i), &w = want[i];
                EXPECT_EQ(std::tie(b.x, b.y, b.color, b.lit, b.flashes, b.canLight, b.broken),
                          std::tie(w.x, w.y, w.color, w.lit, w.flashes, w.canLight, w.broken)) << "bulb " << i;
                EXPECT_TRUE(b.nextToggleTick - before >= w.nextToggleTick && b.nextToggleTick - after <= w.nextToggleTick);
                for (int s = 0; s < 2; ++s)
                    EXPECT_TRUE(b.icon[s] && b.icon[s] == CachedBulbIcon(names[i][s].c_str())) << i << names[i][s];
            }
        }
    }
}

// One handle per name; a reload keeps the icons the new set shares and destroys the rest,
// thousands of times over (leaked, they exhaust the handle tables about 900 rounds in);
// shut-down lets go of them all.
TEST_F(Catalogue, ReloadsKeepSharedIconsAndReleaseTheRest) {
    LoadBulbSet();
    const HICON off = B(0).icon[0], on = B(0).icon[1];
    EXPECT_EQ(B(19).icon[0], off);
    EXPECT_EQ(CachedBulbIconCount(), 2);
    LoadBulbSet();
    EXPECT_TRUE(B(0).icon[1] == on && IconAlive(on));
    settings.Color = kSchemeColored, lightString.bulbCount = 80;
    for (int n = 0; n < 1500; ++n) {
        for (LONG type : {n % 2 ? 5 : 6, n % 2 ? 16 : 17}) {   // Fish or Candy Canes, Small or Transparent
            settings.BulbType = type;
            LoadBulbSet();
        }
        ASSERT_LE(CachedBulbIconCount(), 12);
        for (LONG i = 0; i < 80; ++i) ASSERT_TRUE(B(i).icon[0] && B(i).icon[1]) << "round " << n << ", bulb " << i;
    }
    EXPECT_FALSE(IconAlive(off) || IconAlive(on));
    const HICON last = B(0).icon[1];
    ReleaseLightString();
    EXPECT_FALSE(IconAlive(last) || iconsLoaded || CachedBulbIconCount());
}
