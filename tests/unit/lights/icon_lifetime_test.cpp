// The icons of a replaced bulb set are released; icons a new set still uses are kept.
#include "lights_fixture.h"

using IconLifetime = LightsTest;

TEST_F(IconLifetime, ReloadKeepsSharedIconsAndReleasesTheRest) {
    Load(0, kRed);
    const HICON off = B(0).icon[0], on = B(0).icon[1];
    ASSERT_TRUE(IconAlive(off) && IconAlive(on));
    for (LONG i = 1; i < 20; ++i) EXPECT_EQ(B(i).icon[0], off);   // one handle per name
    EXPECT_EQ(CachedBulbIconCount(), 2);
    Load(0, kRed);
    EXPECT_EQ(B(0).icon[1], on);   // the same set again: nothing reloaded
    Load(5, kBlue);
    EXPECT_FALSE(IconAlive(off) || IconAlive(on));
    EXPECT_TRUE(IconAlive(B(0).icon[0]));
    EXPECT_EQ(CachedBulbIconCount(), 2);

    const HICON fish = B(0).icon[1];
    ReleaseLightString();   // shut-down
    EXPECT_FALSE(IconAlive(fish));
    EXPECT_EQ(CachedBulbIconCount(), 0);
    EXPECT_FALSE(iconsLoaded);
    LoadBulbSet();
    EXPECT_TRUE(IconAlive(B(0).icon[1]));
}

// Each round loads 24 new icons and must release as many: leaked, they exhaust the
// process's handle tables about 900 rounds in (under Wine) and later loads fail.
TEST_F(IconLifetime, ThousandsOfReloadsDoNotRunOutOfHandles) {
    lightString.bulbCount = 80;
    settings.Color = kSchemeColored;
    for (int n = 0; n < 1500; ++n) {
        for (LONG type : {n % 2 ? 5 : 6, n % 2 ? 16 : 17}) {   // Fish or Candy Canes, Small or Transparent
            settings.BulbType = type;
            LoadBulbSet();
        }
        ASSERT_LE(CachedBulbIconCount(), 12);
        for (LONG i = 0; i < 80; ++i) ASSERT_TRUE(B(i).icon[0] && B(i).icon[1]) << "round " << n << ", bulb " << i;
    }
}
