// The key click: played from resource memory, one at a time, only with Sound on.
#include <gtest/gtest.h>

#include <cstring>

#include "app/settings.h"
#include "sound_fixtures.h"
#include "sound/sound_effects.h"

using namespace soundtest;

namespace {

constexpr UINT kPlay = SND_ASYNC | SND_NODEFAULT | SND_MEMORY;
constexpr UINT kStop = SND_MEMORY | SND_NODEFAULT;

class KeyClick : public ::testing::Test {
protected:
    void SetUp() override {
        if (heldEffect) StopAndFreeWave(heldEffect);
        heldEffect = nullptr;
        fake.sounds.clear();
        settings.Sound = 1;
    }
    void TearDown() override { settings.Sound = 1; }
    FakeWinmm fake;
};

TEST_F(KeyClick, PlaysTheWaveStraightFromTheResource) {
    PlaySoundEffect("Keyclick");   // resource names match without regard to case
    ASSERT_EQ(fake.sounds.size(), 1u);
    EXPECT_EQ(fake.sounds[0].flags, kPlay);
    ASSERT_NE(fake.sounds[0].sound, nullptr);
    EXPECT_EQ(std::memcmp(fake.sounds[0].sound, "RIFF", 4), 0);
    // The resource stays loaded while the sound plays from it.
    ASSERT_NE(heldEffect, nullptr);
    EXPECT_EQ(LockResource(heldEffect), fake.sounds[0].sound);
}

TEST_F(KeyClick, EachClickStopsThePreviousOneFirst) {
    for (int i = 0; i < 3; ++i) PlaySoundEffect("KEYCLICK");
    ASSERT_EQ(fake.sounds.size(), 5u);
    EXPECT_EQ(fake.sounds[0].flags, kPlay);
    for (size_t i : {1u, 3u}) {
        EXPECT_EQ(fake.sounds[i].sound, nullptr);
        EXPECT_EQ(fake.sounds[i].flags, kStop);
        EXPECT_EQ(fake.sounds[i + 1].flags, kPlay);
    }
}

TEST_F(KeyClick, SoundOffOrAMissingResourceLoadsNothing) {
    settings.Sound = 0;
    PlaySoundEffect("Keyclick");
    EXPECT_TRUE(fake.sounds.empty());
    EXPECT_EQ(heldEffect, nullptr);

    // A missing resource still stops the click before it.
    settings.Sound = 1;
    PlaySoundEffect("Keyclick");
    fake.sounds.clear();
    PlaySoundEffect("NoSuchSound");
    ASSERT_EQ(fake.sounds.size(), 1u);
    EXPECT_EQ(fake.sounds[0].flags, kStop);
    EXPECT_EQ(heldEffect, nullptr);
    EXPECT_EQ(LoadAndPlayWave(GetModuleHandleA(nullptr), "NoSuchSound"), nullptr);
}

}  // namespace
