// The icons of a replaced bulb set are released; icons a new set still uses are kept.
#include "lights_fixture.h"

namespace {

bool IconAlive(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return false;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return true;
}

}  // namespace

using IconLifetime = LightsTest;

TEST_F(IconLifetime, ReloadKeepsSharedIconsAndReleasesTheRest) {
    Load(0, kRed);
    const HICON off = B(0).icon[0], on = B(0).icon[1];
    ASSERT_TRUE(IconAlive(off));
    ASSERT_TRUE(IconAlive(on));
    for (LONG i = 1; i < 20; ++i) EXPECT_EQ(B(i).icon[0], off);   // one handle per name
    EXPECT_EQ(CachedBulbIconCount(), 2);

    Load(0, kRed);
    EXPECT_EQ(B(0).icon[0], off);   // the same set again: nothing reloaded
    EXPECT_EQ(B(0).icon[1], on);

    Load(5, kBlue);
    EXPECT_FALSE(IconAlive(off));
    EXPECT_FALSE(IconAlive(on));
    EXPECT_TRUE(IconAlive(B(0).icon[0]));
    EXPECT_EQ(CachedBulbIconCount(), 2);
}

TEST_F(IconLifetime, ReleasingTheStringDestroysItsIconsAndStopsPainting) {
    Load(0, kGreen);
    const HICON on = B(0).icon[1];
    ReleaseLightString();
    EXPECT_FALSE(IconAlive(on));
    EXPECT_EQ(CachedBulbIconCount(), 0);
    EXPECT_FALSE(iconsLoaded);
    EXPECT_EQ(B(0).icon[1], nullptr);
    LoadBulbSet();
    EXPECT_TRUE(IconAlive(B(0).icon[1]));
}

// Each round below loads 24 new icons (two types in the six colours of Colored, off
// and on) and must release as many: leaked, they exhaust the process's handle tables about 900
// rounds in (under Wine) and later loads fail.
TEST_F(IconLifetime, ThousandsOfReloadsDoNotRunOutOfHandles) {
    lightString.bulbCount = 80;
    settings.Color = kSchemeColored;
    for (int n = 0; n < 1500; ++n) {
        settings.BulbType = n % 2 ? 5 : 6;   // Fish, then Candy Canes
        LoadBulbSet();
        settings.BulbType = n % 2 ? 16 : 17; // Small Bulbs, then Transparent
        LoadBulbSet();
        ASSERT_LE(CachedBulbIconCount(), 12);
        for (LONG i = 0; i < 80; ++i) {
            ASSERT_NE(B(i).icon[0], nullptr) << "reload " << n << ", bulb " << i;
            ASSERT_NE(B(i).icon[1], nullptr) << "reload " << n << ", bulb " << i;
        }
    }
    EXPECT_TRUE(IconAlive(B(79).icon[1]));
}
