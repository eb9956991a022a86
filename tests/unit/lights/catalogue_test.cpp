// The bulb catalogue: types, colour schemes, faults, fewer lights and the icon names.
#include <cstdio>
#include <string>

#include "app/text.h"
#include "lights/flash_rates.h"
#include "lights_fixture.h"
#include "resource.h"

using Catalogue = LightsTest;

namespace {

std::string Name(LONG type, LONG digit, LONG color, bool broken = false) {
    char name[24];
    BulbIconName(type, digit, color, broken, name, sizeof name);
    return name;
}

bool IconResourceExists(const std::string& name) {
    HICON icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    if (!icon) return false;
    ICONINFO info{};
    bool ok = GetIconInfo(icon, &info);
    BITMAP bm{};
    if (ok) {
        GetObjectA(info.hbmMask, sizeof bm, &bm);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    DestroyIcon(icon);
    return ok && bm.bmWidth == 32;
}

}  // namespace

TEST(CatalogueNames, EachTypeFillsItsPatternFromStateAndColour) {
    EXPECT_EQ(Name(0, 0, 4), "Light04");
    EXPECT_EQ(Name(0, 1, 4), "Light14");
    EXPECT_EQ(Name(0, 1, 2, true), "Light22");
    EXPECT_EQ(Name(1, 1, 3), "Light63");        // Round: state + 5
    EXPECT_EQ(Name(3, 0, 6), "Light36");        // Snow Flakes: state + 3
    EXPECT_EQ(Name(2, 1, 5), "Cactus1");
    EXPECT_EQ(Name(10, 1, 3), "Egg31");         // colour first
    EXPECT_EQ(Name(14, 0, 2), "Lantern20");
    EXPECT_EQ(Name(15, 1, 2), "Pepper12");
    EXPECT_EQ(Name(18, 1, 6), "Tree10");        // one colour
    EXPECT_EQ(Name(19, 0, 6), "Sock06");
    EXPECT_EQ(Name(20, 1, 5), "Holly11");       // colour parity first
    EXPECT_EQ(Name(20, 0, 4), "Holly00");
    // A broken bulb shows as broken only with the Normal type.
    EXPECT_EQ(Name(5, 1, 2, true), "Fish12");
}

// Every name the rules can produce, and every picture of the Options lists, is a
// 32 x 32 icon of the program's resources.
TEST(CatalogueNames, EveryNameTheRulesProduceIsAnIconResource) {
    std::set<std::string> names = {kMissingIconName, kNoLightIconName, "RedGreen", "TheBlues"};
    for (LONG type = 0; type < kBulbTypeCount; ++type)
        for (LONG color = 0; color < kColorCount; ++color)
            for (LONG digit = 0; digit < 2; ++digit) {
                const LONG c = type == kBulbTypeHotPeppers ? color % 3 : color;
                names.insert(Name(type, digit, c, false));
                names.insert(Name(type, digit, c, true));
            }
    for (UINT id = IDS_BULB_TYPE_ICON_FIRST; id <= IDS_BULB_TYPE_ICON_FIRST + kBulbTypeCount; ++id)
        names.insert(LoadText(id));
    for (const std::string& name : names) EXPECT_TRUE(IconResourceExists(name)) << name;
}

TEST(CatalogueNames, StringTableListsTypesRatesAndListPictures) {
    EXPECT_EQ(LoadText(IDS_BULB_TYPE_NAME_FIRST), "Random");
    EXPECT_EQ(LoadText(IDS_BULB_TYPE_NAME_FIRST + 1), "Normal");
    EXPECT_EQ(LoadText(IDS_BULB_TYPE_NAME_FIRST + 21), "Holly");
    EXPECT_FALSE(HasText(IDS_BULB_TYPE_NAME_FIRST + 22));   // the list ends after Holly
    EXPECT_EQ(LoadText(IDS_BULB_TYPE_ICON_FIRST), "LightRandom");
    EXPECT_EQ(LoadText(IDS_BULB_TYPE_ICON_FIRST + 19), "tree10");
    EXPECT_FALSE(HasText(IDS_BULB_TYPE_ICON_FIRST + 22));
    EXPECT_EQ(LoadText(IDS_RATE_NAME_FIRST), "Very Slow");
    EXPECT_EQ(LoadText(IDS_RATE_NAME_FIRST + 4), "Very Fast");
}

TEST_F(Catalogue, RandomTypeCoversTheFirst19TypesAndNeverStockingsOrHolly) {
    std::set<LONG> seen;
    for (unsigned seed = 1; seed <= 400; ++seed) {
        std::srand(seed);
        Load(kBulbTypeRandom, 2);
        ASSERT_GE(effectiveBulbType, 0);
        ASSERT_LT(effectiveBulbType, kBulbTypeStockings);
        seen.insert(effectiveBulbType);
    }
    EXPECT_EQ(seen.size(), 19u);
    // The choice is the first draw of the load.
    std::srand(77);
    const LONG expected = std::rand() % 19;
    std::srand(77);
    Load(kBulbTypeRandom, 2);
    EXPECT_EQ(effectiveBulbType, expected);
}

TEST_F(Catalogue, RandomColoursNeverRepeatBetweenNeighboursAndBulb0IsNeverPurple) {
    lightString.bulbCount = 80;
    std::set<LONG> used;
    for (unsigned seed = 1; seed <= 50; ++seed) {
        std::srand(seed);
        Load(0, kSchemeRandom);
        EXPECT_NE(B(0).color, kPurple);
        for (LONG i = 0; i < 80; ++i) {
            ASSERT_GE(B(i).color, 0);
            ASSERT_LT(B(i).color, kColorCount);
            if (i > 0) {
                ASSERT_NE(B(i).color, B(i - 1).color) << "bulbs " << i - 1 << " and " << i;
            }
            used.insert(B(i).color);
        }
        char off[24], on[24];
        std::snprintf(off, sizeof off, "Light0%ld", static_cast<long>(B(7).color));
        std::snprintf(on, sizeof on, "Light1%ld", static_cast<long>(B(7).color));
        ASSERT_TRUE(ShowsIcons(B(7), off, on));
    }
    EXPECT_EQ(used.size(), 7u);
}

TEST_F(Catalogue, SchemesGiveTheirSequences) {
    lightString.bulbCount = 8;
    Load(0, kSchemeColored);
    EXPECT_EQ(Colours(), (std::vector<LONG>{1, 2, 3, 4, 5, 0, 1, 2}));
    Load(0, kSchemeRedGreen);
    EXPECT_EQ(Colours(), (std::vector<LONG>{3, 2, 3, 2, 3, 2, 3, 2}));
    Load(0, kSchemeBlues);
    EXPECT_EQ(Colours(), (std::vector<LONG>{5, 1, 5, 1, 5, 1, 5, 1}));
    Load(4, kYellow);
    EXPECT_EQ(Colours(), std::vector<LONG>(8, kYellow));
    EXPECT_TRUE(ShowsIcons(B(3), "Bell04", "Bell14"));
}

TEST_F(Catalogue, HotPeppersFoldEveryColourOntoTheirThree) {
    lightString.bulbCount = 6;
    Load(kBulbTypeHotPeppers, kGreen);
    for (LONG i = 0; i < 6; ++i) EXPECT_TRUE(ShowsIcons(B(i), "PEPPER02", "PEPPER12")) << i;
    const LONG expected[kColorCount] = {0, 1, 0, 2, 1, 1, 2};   // Purple .. White
    for (LONG color = 0; color < kColorCount; ++color) {
        Load(kBulbTypeHotPeppers, color);
        EXPECT_EQ(B(0).color, expected[color]) << "colour setting " << color;
    }
    Load(kBulbTypeHotPeppers, kSchemeColored);
    EXPECT_EQ(Colours(), (std::vector<LONG>{1, 2, 0, 1, 2, 0}));
    Load(kBulbTypeHotPeppers, kSchemeRedGreen);
    EXPECT_EQ(Colours(), (std::vector<LONG>{2, 0, 2, 0, 2, 0}));
    std::srand(5);
    Load(kBulbTypeHotPeppers, kSchemeRandom);
    for (LONG c : Colours()) EXPECT_LE(c, 2);
}

TEST_F(Catalogue, ColourFirstAndSingleColourTypes) {
    lightString.bulbCount = 4;
    Load(10, kGreen);
    EXPECT_TRUE(ShowsIcons(B(0), "EGG30", "EGG31"));
    Load(kBulbTypeHolly, kIndigo);
    EXPECT_TRUE(ShowsIcons(B(0), "HOLLY10", "HOLLY11"));
    Load(18, kSchemeColored);
    EXPECT_TRUE(ShowsIcons(B(2), "TREE00", "TREE10"));
    Load(7, kSchemeColored);
    EXPECT_TRUE(ShowsIcons(B(1), "Heart0", "Heart1"));
}

TEST_F(Catalogue, DeadBulbsShowTheirOffPictureInBothStates) {
    lightString.bulbCount = 80;
    settings.BurnedOut = 1;
    std::srand(3);
    Load(0, kYellow);
    int dead = 0;
    for (LONG i = 0; i < 80; ++i) {
        if (B(i).canLight) {
            EXPECT_TRUE(ShowsIcons(B(i), "LIGHT04", "LIGHT14")) << i;
        } else {
            ++dead;
            EXPECT_TRUE(ShowsIcons(B(i), "LIGHT04", "LIGHT04")) << i;
        }
    }
    EXPECT_GT(dead, 0);
    EXPECT_LT(dead, 40);

    settings.BurnedOut = 0;
    settings.Power = 0;
    Load(0, kYellow);
    for (LONG i = 0; i < 80; ++i) {
        EXPECT_EQ(B(i).canLight, 0);
        EXPECT_TRUE(ShowsIcons(B(i), "LIGHT04", "LIGHT04")) << i;
    }
}

TEST_F(Catalogue, BrokenGlassShowsOnlyWithNormalBulbs) {
    lightString.bulbCount = 80;
    settings.Broken = 1;
    std::srand(11);
    Load(0, kRed);
    int broken = 0;
    for (LONG i = 0; i < 80; ++i) {
        if (B(i).broken) {
            ++broken;
            EXPECT_TRUE(ShowsIcons(B(i), "LIGHT22", "LIGHT22")) << i;
        } else {
            EXPECT_TRUE(ShowsIcons(B(i), "LIGHT02", "LIGHT12")) << i;
        }
    }
    EXPECT_GT(broken, 0);
    std::srand(11);
    Load(1, kRed);
    for (LONG i = 0; i < 80; ++i) EXPECT_TRUE(ShowsIcons(B(i), "LIGHT52", "LIGHT62")) << i;
}

TEST_F(Catalogue, MissingBulbsAreDrawnSeparatelyForOffAndOn) {
    lightString.bulbCount = 80;
    settings.MissingBulbs = 1;
    std::srand(9);
    Load(0, kBlue);
    const HICON missing = CachedBulbIcon(kMissingIconName);
    ASSERT_NE(missing, nullptr);
    int offMissing = 0, onMissing = 0, oneOnly = 0;
    for (LONG i = 0; i < 80; ++i) {
        offMissing += B(i).icon[0] == missing;
        onMissing += B(i).icon[1] == missing;
        oneOnly += (B(i).icon[0] == missing) != (B(i).icon[1] == missing);
        if (B(i).icon[0] != missing) {
            EXPECT_EQ(B(i).icon[0], CachedBulbIcon("LIGHT01"));
        }
        if (B(i).icon[1] != missing) {
            EXPECT_EQ(B(i).icon[1], CachedBulbIcon("LIGHT11"));
        }
    }
    EXPECT_GT(offMissing, 0);
    EXPECT_LT(offMissing, 40);
    EXPECT_GT(onMissing, 0);
    EXPECT_GT(oneOnly, 0);
}

TEST_F(Catalogue, FewerLightsHalveTheStringAndTakeColoursFromTheSourceBulb) {
    lightString.bulbCount = 12;
    settings.NotSoMany = 1;
    settings.BurnedOut = 1;
    settings.Broken = 1;
    std::srand(21);
    Load(0, kSchemeRedGreen);
    for (LONG i = 1; i < 12; i += 2) EXPECT_TRUE(ShowsIcons(B(i), kNoLightIconName, kNoLightIconName)) << i;
    // Visible neighbours still alternate red and green.
    for (LONG i = 0; i < 12; i += 2) {
        const Bulb& source = B(i / 2);
        char off[24], on[24];
        if (source.broken) {
            std::snprintf(off, sizeof off, "Light2%ld", static_cast<long>(source.color));
            std::snprintf(on, sizeof on, "%s", off);
        } else {
            std::snprintf(off, sizeof off, "Light0%ld", static_cast<long>(source.color));
            std::snprintf(on, sizeof on, "Light%ld%ld", static_cast<long>(source.canLight), static_cast<long>(source.color));
        }
        EXPECT_TRUE(ShowsIcons(B(i), off, on)) << i;
        EXPECT_EQ(source.color, (i / 2) % 2 == 0 ? kGreen : kRed);
    }
}

TEST_F(Catalogue, EachModeStartsFromItsOwnState) {
    lightString.bulbCount = 20;
    settings.Mode = 0;
    LoadBulbSet();
    EXPECT_EQ(LitBulbs().size(), 20u);
    settings.Mode = 2;
    LoadBulbSet();
    EXPECT_TRUE(LitBulbs().empty());
    settings.Mode = 4;
    LoadBulbSet();
    EXPECT_EQ(LitBulbs(), (std::vector<LONG>{1, 3, 5, 7, 9, 11, 13, 15, 17, 19}));
    settings.Mode = 3;
    lightString.chasePos = 2;
    LoadBulbSet();
    EXPECT_EQ(LitBulbs(), (std::vector<LONG>{2, 6, 10, 14, 18}));
    EXPECT_EQ(lightString.chasePos, 2);

    settings.Mode = 5;
    std::srand(4);
    LoadBulbSet();
    int flashing = 0;
    for (LONG i = 0; i < 20; ++i) {
        if (B(i).flashes) ++flashing;
        else EXPECT_EQ(B(i).lit, 1) << i;
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
        const DWORD delay = 50 + draws[i].delay % 451;
        EXPECT_GE(B(i).nextToggleTick - before, delay) << i;
        EXPECT_LE(static_cast<LONG>(B(i).nextToggleTick - after), static_cast<LONG>(delay)) << i;
        EXPECT_EQ(B(i).x, 32 * i);
        EXPECT_EQ(B(i).y, 0);
    }
}
