// The bulb catalogue: types, colour schemes, faults, fewer lights and the icon names.
#include <cstdio>
#include <string>

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

std::string Lamp(const char* pattern, LONG a, LONG b) {
    char name[24];
    std::snprintf(name, sizeof name, pattern, static_cast<long>(a), static_cast<long>(b));
    return name;
}

bool IsIcon32(const std::string& name) {
    HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_ICON, 32, 32, 0));
    ICONINFO info{};
    BITMAP bm{};
    if (icon && GetIconInfo(icon, &info)) {
        GetObjectA(info.hbmMask, sizeof bm, &bm);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    if (icon) DestroyIcon(icon);
    return bm.bmWidth == 32;
}

}  // namespace

// Every name the rules can produce, and every picture of the Options lists, is a
// 32 x 32 icon of the program's resources; the lists' texts end where they should.
TEST(CatalogueResources, EveryNameTheRulesProduceExists) {
    std::set<std::string> names = {kMissingIconName, kNoLightIconName, "RedGreen", "TheBlues"};
    for (LONG type = 0; type < kBulbTypeCount; ++type)
        for (LONG color = 0; color < kColorCount; ++color)
            for (LONG digit = 0; digit < 2; ++digit)
                for (bool broken : {false, true})
                    names.insert(Name(type, digit, type == kBulbTypeHotPeppers ? color % 3 : color, broken));
    for (UINT id = IDS_BULB_TYPE_ICON_FIRST; id <= IDS_BULB_TYPE_ICON_FIRST + kBulbTypeCount; ++id)
        names.insert(LoadText(id));
    for (const std::string& name : names) EXPECT_TRUE(IsIcon32(name)) << name;

    EXPECT_EQ(LoadText(IDS_BULB_TYPE_NAME_FIRST), "Random");
    EXPECT_EQ(LoadText(IDS_BULB_TYPE_NAME_FIRST + 21), "Holly");
    EXPECT_FALSE(HasText(IDS_BULB_TYPE_NAME_FIRST + 22));
    EXPECT_FALSE(HasText(IDS_BULB_TYPE_ICON_FIRST + 22));
    EXPECT_EQ(LoadText(IDS_RATE_NAME_FIRST + 4), "Very Fast");
}

TEST_F(Catalogue, RandomTypeCoversTheFirst19TypesAndNeverStockingsOrHolly) {
    std::set<LONG> seen;
    for (unsigned seed = 1; seed <= 400; ++seed) {
        std::srand(seed);
        const LONG expected = std::rand() % 19;   // the load's first draw
        std::srand(seed);
        Load(kBulbTypeRandom, kRed);
        ASSERT_EQ(effectiveBulbType, expected);
        seen.insert(effectiveBulbType);
    }
    EXPECT_EQ(seen.size(), 19u);
}

TEST_F(Catalogue, RandomColoursNeverRepeatBetweenNeighboursAndBulb0IsNeverPurple) {
    lightString.bulbCount = 80;
    std::set<LONG> used;
    for (unsigned seed = 1; seed <= 50; ++seed) {
        std::srand(seed);
        Load(0, kSchemeRandom);
        EXPECT_NE(B(0).color, kPurple);
        for (LONG i = 1; i < 80; ++i) ASSERT_NE(B(i).color, B(i - 1).color) << "bulb " << i;
        for (LONG c : Colours()) used.insert(c);
    }
    EXPECT_EQ(used, (std::set<LONG>{0, 1, 2, 3, 4, 5, 6}));
}

TEST_F(Catalogue, SchemesAndNamePatterns) {
    lightString.bulbCount = 6;
    const struct {
        LONG type, scheme;
        std::vector<LONG> colours;
        const char* off;   // bulb 0's names
        const char* on;
    } cases[] = {
        {0, kSchemeColored, {1, 2, 3, 4, 5, 0}, "LIGHT01", "LIGHT11"},
        {1, kSchemeRedGreen, {3, 2, 3, 2, 3, 2}, "LIGHT53", "LIGHT63"},
        {3, kSchemeBlues, {5, 1, 5, 1, 5, 1}, "LIGHT35", "LIGHT45"},
        {4, kYellow, {4, 4, 4, 4, 4, 4}, "BELL04", "BELL14"},
        {10, kGreen, {3, 3, 3, 3, 3, 3}, "EGG30", "EGG31"},
        {20, kIndigo, {5, 5, 5, 5, 5, 5}, "HOLLY10", "HOLLY11"},
        {18, kRed, {2, 2, 2, 2, 2, 2}, "TREE00", "TREE10"},
        {7, kRed, {2, 2, 2, 2, 2, 2}, "HEART0", "HEART1"},
        {kBulbTypeHotPeppers, kGreen, {2, 2, 2, 2, 2, 2}, "PEPPER02", "PEPPER12"},
        {kBulbTypeHotPeppers, kSchemeColored, {1, 2, 0, 1, 2, 0}, "PEPPER01", "PEPPER11"},
        {kBulbTypeHotPeppers, kSchemeRedGreen, {2, 0, 2, 0, 2, 0}, "PEPPER02", "PEPPER12"},
    };
    for (const auto& c : cases) {
        Load(c.type, c.scheme);
        EXPECT_EQ(Colours(), c.colours) << "type " << c.type << ", scheme " << c.scheme;
        EXPECT_TRUE(ShowsIcons(B(0), c.off, c.on)) << "type " << c.type << ", scheme " << c.scheme;
    }
    // Fixed colours fold onto the three peppers.
    const LONG peppers[kColorCount] = {0, 1, 0, 2, 1, 1, 2};
    for (LONG color = 0; color < kColorCount; ++color) {
        Load(kBulbTypeHotPeppers, color);
        EXPECT_EQ(B(0).color, peppers[color]) << "colour " << color;
    }
}

TEST_F(Catalogue, DeadAndBrokenBulbs) {
    lightString.bulbCount = 80;
    settings.BurnedOut = 1;
    std::srand(3);
    Load(0, kYellow);
    int dead = 0;
    for (LONG i = 0; i < 80; ++i) {
        dead += !B(i).canLight;
        EXPECT_TRUE(ShowsIcons(B(i), "LIGHT04", B(i).canLight ? "LIGHT14" : "LIGHT04")) << i;
    }
    EXPECT_GT(dead, 0);
    EXPECT_LT(dead, 40);

    settings.BurnedOut = 0;
    settings.Power = 0;   // nothing lights: every bulb shows its off picture twice
    Load(0, kYellow);
    for (LONG i = 0; i < 80; ++i) EXPECT_TRUE(ShowsIcons(B(i), "LIGHT04", "LIGHT04")) << i;

    settings.Power = 1;
    settings.Broken = 1;
    std::srand(11);
    Load(0, kRed);
    int broken = 0;
    for (LONG i = 0; i < 80; ++i) {
        broken += B(i).broken;
        EXPECT_TRUE(ShowsIcons(B(i), B(i).broken ? "LIGHT22" : "LIGHT02", B(i).broken ? "LIGHT22" : "LIGHT12")) << i;
    }
    EXPECT_GT(broken, 0);
    Load(1, kRed);   // broken glass shows only on Normal bulbs
    for (LONG i = 0; i < 80; ++i) EXPECT_TRUE(ShowsIcons(B(i), "LIGHT52", "LIGHT62")) << i;
}

TEST_F(Catalogue, MissingBulbsAreDrawnSeparatelyForOffAndOn) {
    lightString.bulbCount = 80;
    settings.MissingBulbs = 1;
    std::srand(9);
    Load(0, kBlue);
    const HICON missing = CachedBulbIcon(kMissingIconName);
    ASSERT_NE(missing, nullptr);
    int off = 0, on = 0, oneOnly = 0;
    for (LONG i = 0; i < 80; ++i) {
        off += B(i).icon[0] == missing;
        on += B(i).icon[1] == missing;
        oneOnly += (B(i).icon[0] == missing) != (B(i).icon[1] == missing);
        EXPECT_TRUE(B(i).icon[0] == missing || B(i).icon[0] == CachedBulbIcon("LIGHT01")) << i;
    }
    EXPECT_GT(off, 0);
    EXPECT_LT(off, 40);
    EXPECT_GT(on, 0);
    EXPECT_GT(oneOnly, 0);
}

TEST_F(Catalogue, FewerLightsHalveTheStringAndTakeColoursFromTheSourceBulb) {
    lightString.bulbCount = 12;
    settings.NotSoMany = 1;
    settings.BurnedOut = 1;
    settings.Broken = 1;
    std::srand(21);
    Load(0, kSchemeRedGreen);
    for (LONG i = 0; i < 12; ++i) {
        if (i % 2) {
            EXPECT_TRUE(ShowsIcons(B(i), kNoLightIconName, kNoLightIconName)) << i;
            continue;
        }
        const Bulb& source = B(i / 2);
        EXPECT_EQ(source.color, (i / 2) % 2 ? kRed : kGreen);   // visible neighbours alternate
        const std::string off = source.broken ? Lamp("Light2%ld", source.color, 0) : Lamp("Light0%ld", source.color, 0);
        const std::string on = source.broken ? off : Lamp("Light%ld%ld", source.canLight, source.color);
        EXPECT_TRUE(ShowsIcons(B(i), off.c_str(), on.c_str())) << i;
    }
}

TEST_F(Catalogue, EachModeStartsFromItsOwnState) {
    const struct {
        LONG mode;
        std::vector<LONG> lit;
    } cases[] = {
        {2, {}},
        {4, {1, 3, 5, 7, 9, 11, 13, 15, 17, 19}},
        {3, {2, 6, 10, 14, 18}},   // chase at position 2
    };
    lightString.chasePos = 2;
    for (const auto& c : cases) {
        settings.Mode = c.mode;
        LoadBulbSet();
        EXPECT_EQ(LitBulbs(), c.lit) << "mode " << c.mode;
    }
    settings.Mode = 0;
    LoadBulbSet();
    EXPECT_EQ(LitBulbs().size(), 20u);

    settings.Mode = 5;   // Some Flash: the bulbs that do not flash start lit
    std::srand(4);
    LoadBulbSet();
    int flashing = 0;
    for (LONG i = 0; i < 20; ++i) {
        flashing += B(i).flashes;
        EXPECT_TRUE(B(i).flashes || B(i).lit) << i;
    }
    EXPECT_GT(flashing, 0);
    EXPECT_LT(flashing, 20);
}

// In Random mode every bulb takes two draws: its flip delay, then a coin for lit.
TEST_F(Catalogue, RandomModeStartIsPredictableFromTheSeed) {
    settings.Mode = 1;
    settings.Rate = 4;
    std::srand(1234);
    struct { int delay, coin; } draws[20];
    for (auto& d : draws) {
        d.delay = std::rand();
        d.coin = std::rand();
    }
    std::srand(1234);
    const DWORD before = GetTickCount();
    LoadBulbSet();
    const DWORD after = GetTickCount();
    for (LONG i = 0; i < 20; ++i) {
        EXPECT_EQ(B(i).flashes, 1);
        EXPECT_EQ(B(i).lit, draws[i].coin & 1) << i;
        const LONG delay = 50 + draws[i].delay % 451;
        EXPECT_GE(static_cast<LONG>(B(i).nextToggleTick - before), delay) << i;
        EXPECT_LE(static_cast<LONG>(B(i).nextToggleTick - after), delay) << i;
        EXPECT_EQ(B(i).x, 32 * i);
        EXPECT_EQ(B(i).y, 0);
    }
}
