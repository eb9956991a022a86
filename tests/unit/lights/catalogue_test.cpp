// The bulb catalogue: types, colour schemes, faults, fewer lights and the icon names.
#include <string>

#include "app/text.h"
#include "lights_fixture.h"
#include "resource.h"

using Catalogue = LightsTest;

namespace {

std::string Name(LONG type, LONG digit, LONG color, bool broken) {
    char name[24];
    BulbIconName(type, digit, color, broken, name, sizeof name);
    return name;
}

}  // namespace

// Every name the rules can produce, and every picture of the Options lists, is an icon.
TEST(CatalogueResources, EveryNameTheRulesProduceExists) {
    std::set<std::string> names = {kMissingIconName, kNoLightIconName, "RedGreen", "TheBlues"};
    for (LONG type = 0; type < kBulbTypeCount; ++type)
        for (LONG color = 0; color < kColorCount; ++color)
            for (LONG digit = 0; digit < 2; ++digit)
                for (bool broken : {false, true})
                    names.insert(Name(type, digit, type == kBulbTypeHotPeppers ? color % 3 : color, broken));
    for (UINT id = IDS_BULB_TYPE_ICON_FIRST; id <= IDS_BULB_TYPE_ICON_FIRST + kBulbTypeCount; ++id)
        names.insert(LoadText(id));
    for (const std::string& name : names) {
        HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_ICON, 32, 32, 0));
        EXPECT_TRUE(icon) << name;
        DestroyIcon(icon);
    }
}

TEST_F(Catalogue, RandomTypeAndColours) {
    std::set<LONG> types, colours;
    lightString.bulbCount = 80;
    for (unsigned seed = 1; seed <= 400; ++seed) {
        std::srand(seed);
        const LONG expected = std::rand() % 19;   // the load's first draw: never Stockings or Holly
        std::srand(seed);
        Load(kBulbTypeRandom, seed <= 50 ? kSchemeRandom : kRed);
        ASSERT_EQ(effectiveBulbType, expected);
        types.insert(effectiveBulbType);
        if (seed > 50 || effectiveBulbType == kBulbTypeHotPeppers) continue;
        EXPECT_NE(B(0).color, kPurple);
        for (LONG i = 0; i < 80; ++i) {
            ASSERT_TRUE(i == 0 || B(i).color != B(i - 1).color) << "seed " << seed << ", bulb " << i;
            colours.insert(B(i).color);
        }
    }
    EXPECT_EQ(types.size(), 19u);
    EXPECT_EQ(colours.size(), 7u);
}

TEST_F(Catalogue, SchemesAndNamePatterns) {
    lightString.bulbCount = 6;
    const struct {
        LONG type, scheme;
        std::vector<LONG> colours;
        const char *off, *on;   // bulb 0's pictures
    } cases[] = {
        {0, kSchemeColored, {1, 2, 3, 4, 5, 0}, "LIGHT01", "LIGHT11"},
        {1, kSchemeRedGreen, {3, 2, 3, 2, 3, 2}, "LIGHT53", "LIGHT63"},
        {3, kSchemeBlues, {5, 1, 5, 1, 5, 1}, "LIGHT35", "LIGHT45"},
        {10, kGreen, {3, 3, 3, 3, 3, 3}, "EGG30", "EGG31"},
        {20, kIndigo, {5, 5, 5, 5, 5, 5}, "HOLLY10", "HOLLY11"},
        {18, kRed, {2, 2, 2, 2, 2, 2}, "TREE00", "TREE10"},
        {7, kRed, {2, 2, 2, 2, 2, 2}, "HEART0", "HEART1"},
        {kBulbTypeHotPeppers, kGreen, {2, 2, 2, 2, 2, 2}, "PEPPER02", "PEPPER12"},
        {kBulbTypeHotPeppers, kYellow, {1, 1, 1, 1, 1, 1}, "PEPPER01", "PEPPER11"},
        {kBulbTypeHotPeppers, kIndigo, {1, 1, 1, 1, 1, 1}, "PEPPER01", "PEPPER11"},
        {kBulbTypeHotPeppers, kSchemeColored, {1, 2, 0, 1, 2, 0}, "PEPPER01", "PEPPER11"},
        {kBulbTypeHotPeppers, kSchemeRedGreen, {2, 0, 2, 0, 2, 0}, "PEPPER02", "PEPPER12"},
    };
    for (const auto& c : cases) {
        Load(c.type, c.scheme);
        std::vector<LONG> colours;
        for (LONG i = 0; i < 6; ++i) colours.push_back(B(i).color);
        EXPECT_EQ(colours, c.colours) << "type " << c.type << ", scheme " << c.scheme;
        EXPECT_TRUE(ShowsIcons(B(0), c.off, c.on)) << "type " << c.type << ", scheme " << c.scheme;
    }
}

// Burnt-out and power-off bulbs show the off picture twice; broken glass only on Normal;
// missing bulbs are drawn separately for off and on.
TEST_F(Catalogue, DeadBrokenAndMissingBulbs) {
    lightString.bulbCount = 80;
    const struct { LONG type, color, burnedOut, power, broken, missing; } cases[] = {
        {0, kYellow, 1, 1, 0, 0}, {0, kYellow, 0, 0, 0, 0}, {0, kRed, 0, 1, 1, 0}, {1, kRed, 0, 1, 1, 0},
        {0, kBlue, 0, 1, 0, 1}};
    for (const auto& c : cases) {
        settings.BurnedOut = c.burnedOut;
        settings.Power = c.power;
        settings.Broken = c.broken;
        settings.MissingBulbs = c.missing;
        std::srand(11);
        Load(c.type, c.color);
        const HICON missing = CachedBulbIcon(kMissingIconName);
        int faults = 0;
        for (LONG i = 0; i < 80; ++i) {
            const Bulb& b = B(i);
            const bool broken = b.broken && c.type == 0;
            const std::string off = Name(c.type, 0, c.color, broken), on = Name(c.type, b.canLight, c.color, broken);
            faults += !b.canLight + b.broken + ((b.icon[0] == missing) != (b.icon[1] == missing));
            EXPECT_TRUE(c.power || !b.canLight) << i;
            if (c.missing) {
                EXPECT_TRUE(b.icon[0] == missing || b.icon[0] == CachedBulbIcon(off.c_str())) << i;
                EXPECT_TRUE(b.icon[1] == missing || b.icon[1] == CachedBulbIcon(on.c_str())) << i;
            } else {
                EXPECT_TRUE(ShowsIcons(b, off.c_str(), on.c_str())) << c.type << ", bulb " << i;
            }
        }
        EXPECT_GT(faults, 0);
        EXPECT_LT(faults, c.power ? 60 : 81);
    }
    EXPECT_EQ(Name(0, 1, kRed, true), "Light22");
    EXPECT_EQ(Name(1, 1, kRed, true), "Light62");
}

TEST_F(Catalogue, FewerLightsHalveTheStringAndTakeColoursFromTheSourceBulb) {
    lightString.bulbCount = 12;
    settings.NotSoMany = settings.BurnedOut = settings.Broken = 1;
    std::srand(21);
    Load(0, kSchemeRedGreen);
    for (LONG i = 0; i < 12; ++i) {
        const Bulb& source = B(i / 2);
        const std::string off = Name(0, 0, source.color, source.broken);
        const std::string on = Name(0, source.canLight, source.color, source.broken);
        EXPECT_TRUE(i % 2 ? ShowsIcons(B(i), kNoLightIconName, kNoLightIconName)
                          : ShowsIcons(B(i), off.c_str(), on.c_str())) << i;
        EXPECT_EQ(source.color, (i / 2) % 2 ? kRed : kGreen) << i;   // the visible ones alternate
    }
}
