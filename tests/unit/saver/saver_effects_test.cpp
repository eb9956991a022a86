// Each saver type runs its own effect in the saver window, and "Blank Screen" none.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/settings.h"
#include "lights/light_string.h"
#include "saver/saver.h"
#include "saver/saver_effect_table.h"
#include "saver_test_util.h"

TEST(SaverEffects, EachTypeDrawsInItsOwnColoursBelowTheString) {
    // Every colour each type may leave on the black field, by type.
    const std::set<COLORREF> palettes[kSaverTypeCount] = {
        {0xFFFFFF},
        {0xC0C0C0, 0x0000FF, 0x00FFFF, 0x00FF00, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF},
        {0xFF0000, 0x7F0000, 0x00FFFF, 0x007F7F, 0x00FF00, 0x007F00, 0x0000FF, 0x00007F, 0xFF00FF, 0xFFFF00,
         0x7F7F00, 0xFFFFFF, 0xC0C0C0, 0x7F7F7F},
        {0xFF0000, 0x00FFFF, 0x0000FF, 0x00FF00, 0xFF00FF},
        {0x00FFFF, 0xFF00FF, 0x007F00, 0x00FF00, 0x0000FF, 0xFFFF00},
        {},
        {0x00FFFF, 0x007F7F, 0xFFFFFF, 0xC0C0C0, 0x0000FF, 0x00007F, 0x7F7F7F},
    };
    savertest::SaverSpine spine;
    ASSERT_TRUE(spine.ok());
    const RECT field = {0, kBulbSize + 8, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) - 40};
    for (LONG type = 0; type < kSaverTypeCount; ++type) {
        settings.SSType = type;
        std::srand(1);
        StartSaver();
        ASSERT_NE(saverWindow, nullptr);
        UpdateWindow(saverWindow);
        savertest::Frames(saverWindow, 40);
        std::set<COLORREF> drawn = savertest::Capture(saverWindow).ColoursIn(field);
        drawn.erase(0);
        for (COLORREF colour : drawn) EXPECT_TRUE(palettes[type].count(colour)) << type << " drew " << std::hex << colour;
        EXPECT_EQ(drawn.empty(), type == kSaverTypeBlank) << type;
        StopSaver();
    }
    EXPECT_EQ(SaverEffectFor(-1), nullptr);
    EXPECT_EQ(SaverEffectFor(kSaverTypeCount), nullptr);
}
