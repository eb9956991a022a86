// The bulb catalogue: icon names, bulb sets replayed draw by draw, and their icons' lifetime.
#include "lights_fixture.h"

static std::string Name(LONG type, LONG digit, LONG color, bool broken = false) {
    char name[24];
    BulbIconName(type, digit, color, broken, name, sizeof name);
    return name;
}

// Each type's off and on names in colour 5; broken glass shows on Normal bulbs only.
TEST(CatalogueNames, EveryTypeFillsItsPattern) {
    const char* names[kBulbTypeCount][2] = {
        {"Light05", "Light15"}, {"Light55", "Light65"},     {"Cactus0", "Cactus1"},     {"Light35", "Light45"},
        {"Bell05", "Bell15"},   {"Fish05", "Fish15"},       {"CandyCane05", "CandyCane15"}, {"Heart0", "Heart1"},
        {"USFlag0", "USFlag1"}, {"Hebrew0", "Hebrew1"},     {"Egg50", "Egg51"},         {"Pumpkin0", "Pumpkin1"},
        {"Smiley0", "Smiley1"}, {"Shamrock0", "Shamrock1"}, {"Lantern50", "Lantern51"}, {"Pepper05", "Pepper15"},
        {"Small05", "Small15"}, {"Trans05", "Trans15"},     {"Tree00", "Tree10"},       {"Sock05", "Sock15"},
        {"Holly10", "Holly11"}};
    for (LONG type = 0; type < kBulbTypeCount; ++type)
        for (LONG s = 0; s < 2; ++s)
            EXPECT_EQ(Name(type, s, 5) + "/" + Name(type, s, 5, true),
                      std::string(names[type][s]) + "/" + (type ? names[type][s] : "Light25"));
}

// From one seed a set follows its draws in order: the type, then per bulb the colour by the scheme,
// the flip delay, the mode's start state, the faults, and the missing off and on icons.
TEST_F(LightsTest, BulbSetsFollowTheirDrawsInOrder) {
    const DWORD base[] = {2000, 1600, 1000, 200, 50}, span[] = {701, 601, 601, 801, 451};
    const LONG peppers[kColorCount] = {0, 1, 0, 2, 1, 1, 2};
    struct Row { LONG type, color, mode, rate, burnedOut, broken, power, missing, notSoMany, count; };
    std::vector<Row> rows = {   // the one Chase row has 20 bulbs: every fourth lit; then Hot Peppers in each colour
        {0, -1, 1, 0, 1, 1, 1, 1, 0, 80}, {-1, 4, 5, 1, 1, 0, 1, 0, 1, 80}, {15, -1, 5, 2, 0, 1, 1, 1, 0, 80},
        {0, 2, 4, 3, 1, 1, 0, 0, 1, 80},  {10, 6, 3, 4, 0, 0, 1, 1, 0, 20}, {-1, -1, 0, 4, 1, 1, 1, 0, 0, 51},
        {20, 8, 2, 0, 0, 0, 1, 1, 1, 33}, {1, 7, 0, 2, 0, 1, 1, 0, 1, 25},  {16, 9, 0, 1, 0, 0, 1, 0, 0, 25}};
    for (LONG c = 0; c < kColorCount + 3; ++c) rows.push_back({15, c, 0, 2, 0, 0, 1, 0, c == 8, 7});
    for (const Row& r : rows) {
        settings.BulbType = r.type, settings.Color = r.color, settings.Mode = r.mode, settings.Rate = r.rate;
        settings.BurnedOut = r.burnedOut, settings.Broken = r.broken, settings.Power = r.power;
        settings.MissingBulbs = r.missing, settings.NotSoMany = r.notSoMany, lightString.bulbCount = r.count;
        for (unsigned seed = 1; seed <= 6; ++seed) {
            std::srand(seed);
            const DWORD before = GetTickCount(), after = (LoadBulbSet(), GetTickCount());
            std::srand(seed);
            const LONG type = r.type < 0 ? std::rand() % 19 : r.type, c = r.color, pepper = type == kBulbTypeHotPeppers;
            ASSERT_EQ(effectiveBulbType, type) << "row " << &r - rows.data() << ", seed " << seed;
            for (LONG i = 0, previous = 0, even = 1; i < r.count; ++i, even = !even) {
                Bulb w{kBulbSize * i, 0, 0, 0, 0, 0, 0, 0, {}};
                w.color = c == 7 ? (pepper ? even * 2 : even + 2) : c == 8 ? (i + 1) % (pepper ? 3 : 6)
                        : c == 9 ? even * 4 + 1 : pepper && c >= 0 ? peppers[c] : c;
                while (c < 0 && (w.color = std::rand() % 7) == previous) continue;
                while (pepper && w.color >= 3) w.color -= 2;
                previous = w.color;
                const DWORD delay = base[r.rate] + std::rand() % span[r.rate], tick = B(i).nextToggleTick;
                w.flashes = r.mode == 1 || (r.mode == 5 && std::rand() % 51 < 15);
                w.lit = r.mode == 0 || (r.mode == 3 && i % 4 == 0) || (r.mode == 4 && !even);
                w.lit = w.flashes ? std::rand() & 1 : w.lit || r.mode == 5;
                w.canLight = !(r.burnedOut && std::rand() % 101 < 20) && r.power;
                w.broken = r.broken && std::rand() % 101 < 16;
                const Bulb &b = B(i), &source = B(r.notSoMany ? i / 2 : i);
                SCOPED_TRACE(testing::Message() << "row " << &r - rows.data() << ", seed " << seed << ", bulb " << i);
                EXPECT_EQ(std::tie(b.x, b.y, b.color, b.lit, b.flashes, b.canLight, b.broken),
                          std::tie(w.x, w.y, w.color, w.lit, w.flashes, w.canLight, w.broken));
                EXPECT_TRUE(tick - before >= delay && tick - after <= delay) << tick - before;
                for (int s = 0; s < 2; ++s) {   // named after the source bulb, then perhaps missing or empty
                    std::string name = Name(type, source.canLight * s, source.color, source.broken);
                    if (r.missing && std::rand() % 101 < 20) name = kMissingIconName;
                    if (r.notSoMany && !even) name = kNoLightIconName;
                    EXPECT_TRUE(b.icon[s] && b.icon[s] == CachedBulbIcon(name.c_str())) << name;
                }
            }
        }
    }
}

// One handle per name; a reload keeps the icons the new set shares and destroys the others (leaked,
// they once ran out the handle tables); shut-down lets go of them all.
TEST_F(LightsTest, ReloadsKeepSharedIconsAndReleaseTheRest) {
    auto alive = [](HICON icon) {   // GetIconInfo fails once the icon is destroyed
        ICONINFO info{};
        return GetIconInfo(icon, &info) && DeleteObject(info.hbmMask) | DeleteObject(info.hbmColor);
    };
    LoadBulbSet();
    const HICON off = B(0).icon[0], on = B(0).icon[1];
    EXPECT_TRUE(B(19).icon[0] == off && CachedBulbIcon("LIGHT02") == off && CachedBulbIconCount() == 2);
    LoadBulbSet();
    EXPECT_TRUE(B(0).icon[1] == on && alive(on));
    settings.BulbType = 5, LoadBulbSet();
    EXPECT_TRUE(!alive(off) && !alive(on) && alive(B(0).icon[1]) && CachedBulbIconCount() == 2);
    const HICON last = B(0).icon[1];
    ReleaseLightString();
    EXPECT_FALSE(alive(last) || iconsLoaded || CachedBulbIconCount());
}
