// The key click played from resource memory, and the generated wave.
#include <cstdint>
#include <iterator>

#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include "app/app.h"
#include "app/settings.h"
#include "sound/sound_effects.h"
#include "sound/winmm_calls.h"

namespace {

using Call = std::pair<const void*, UINT>;
constexpr UINT kPlay = SND_ASYNC | SND_NODEFAULT | SND_MEMORY, kStop = SND_MEMORY | SND_NODEFAULT;

TEST(KeyClick, PlaysFromResourceMemoryStopsTheOneBeforeAndLoadsNothingWhenSoundIsOff) {
    static std::vector<Call> sounds;   // what reaches sndPlaySoundA
    const WinmmCalls saved = winmm;
    winmm.playSound = [](LPCSTR sound, UINT flags) WINAPI -> BOOL { return sounds.push_back({sound, flags}), FALSE; };
    appInstance = GetModuleHandleA(nullptr);
    HGLOBAL click = LoadResource(appInstance, FindResourceA(appInstance, "KEYCLICK", "WAVE"));
    heldEffect = nullptr;
    settings.Sound = 0;
    PlaySoundEffect("Keyclick");
    EXPECT_TRUE(sounds.empty() && !heldEffect);
    settings.Sound = 1;
    PlaySoundEffect("Keyclick");        // resource names match without regard to case
    PlaySoundEffect("keyclick");
    EXPECT_EQ(sounds, (std::vector<Call>{{LockResource(click), kPlay}, {nullptr, kStop}, {LockResource(click), kPlay}}));
    EXPECT_EQ(heldEffect, click);       // held while it plays
    settings.Sound = 0;
    PlaySoundEffect("Keyclick");
    EXPECT_TRUE(sounds.size() == 3 && heldEffect == click);
    settings.Sound = 1;
    PlaySoundEffect("NoSuchSound");     // still stops the one before; plays nothing in its place
    EXPECT_TRUE(sounds.size() == 4 && sounds[3] == Call(nullptr, kStop) && !heldEffect);
    winmm = saved;
}

uint32_t Num(const uint8_t* p, int n, bool bigEndian) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = v << 8 | p[bigEndian ? i : n - 1 - i];
    return v;
}
std::string Tag(const uint8_t* p) { return std::string(p, p + 4); }

TEST(GeneratedFiles, KeyClickIsAPcmStereo22kHz8BitWaveOf4000Bytes) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, "KEYCLICK", "WAVE");
    ASSERT_NE(found, nullptr);
    const DWORD size = SizeofResource(module, found);
    const auto* p = static_cast<const uint8_t*>(LockResource(LoadResource(module, found)));
    ASSERT_TRUE(size >= 44 && Tag(p) == "RIFF" && Tag(p + 8) == "WAVE" && Num(p + 4, 4, false) == size - 8);
    std::string format;   // the fmt chunk's fields, then the data size
    for (uint32_t at = 12, length; at + 8 <= size; at += 8 + length + (length & 1)) {
        length = Num(p + at + 4, 4, false);
        ASSERT_LE(at + 8 + length, size);
        for (int field : {0, 2, 4, 8, 12, 14}) if (Tag(p + at) == "fmt ") format += std::to_string(Num(p + at + 8 + field, field == 4 || field == 8 ? 4 : 2, false)) + " ";
        if (Tag(p + at) == "data") format += std::to_string(length);
    }
    EXPECT_EQ(format, "1 2 22050 44100 2 8 4000");     // PCM, 2 channels, rate, bytes per second, block, bits
}

}  // namespace
