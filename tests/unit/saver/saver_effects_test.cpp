// Each saver type runs its own effect in the saver window, and "Blank Screen" none.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "app/settings.h"
#include "lights/light_string.h"
#include "saver/saver.h"
#include "saver/saver_effect_table.h"
#include "saver_test_util.h"

using savertest::Capture;
using savertest::Frames;
using savertest::SaverSpine;

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);

// Every colour an effect may leave on a black screen (COLORREF values).
const std::set<COLORREF> kPalettes[kSaverTypeCount] = {
    {0xFFFFFF},                                                                        // Falling Snow
    {0xC0C0C0, 0x0000FF, 0x00FFFF, 0x00FF00, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF},  // Warp Drive
    {0xFF0000, 0x7F0000, 0x00FFFF, 0x007F7F, 0x00FF00, 0x007F00, 0x0000FF, 0x00007F,   // Fireworks
     0xFF00FF, 0xFFFF00, 0x7F7F00, 0xFFFFFF, 0xC0C0C0, 0x7F7F7F},
    {0xFF0000, 0x00FFFF, 0x0000FF, 0x00FF00, 0xFF00FF},                                // Curves!
    {0x00FFFF, 0xFF00FF, 0x007F00, 0x00FF00, 0x0000FF, 0xFFFF00},                      // Caterpillar
    {},                                                                                // Blank Screen
    {0x00FFFF, 0x007F7F, 0xFFFFFF, 0xC0C0C0, 0x0000FF, 0x00007F, 0x7F7F7F},            // Sparks!
};

}  // namespace

TEST(SaverEffects, EachTypeDrawsInItsOwnColoursBelowTheString) {
    SaverSpine spine;
    ASSERT_TRUE(spine.ok());
    const LONG width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    // Below the string and above the title line.
    const RECT field = {0, kBulbSize + 8, width, height - 40};
    for (LONG type = 0; type < kSaverTypeCount; ++type) {
        settings.SSType = type;
        std::srand(1);
        StartSaver();
        ASSERT_NE(saverWindow, nullptr);
        UpdateWindow(saverWindow);
        Frames(saverWindow, 40);
        std::set<COLORREF> drawn = Capture(saverWindow).ColoursIn(field);
        drawn.erase(kBlack);
        for (COLORREF colour : drawn) EXPECT_TRUE(kPalettes[type].count(colour)) << "type " << type << " drew " << std::hex << colour;
        EXPECT_EQ(drawn.empty(), type == kSaverTypeBlank) << "type " << type;
        StopSaver();
    }
    EXPECT_EQ(SaverEffectFor(-1), nullptr);
    EXPECT_EQ(SaverEffectFor(kSaverTypeCount), nullptr);
}
