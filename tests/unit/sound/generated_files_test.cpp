// The shipped tunes and the key click are well-formed files of their formats.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "sound_fixtures.h"

using namespace soundtest;

namespace {

using Bytes = std::vector<uint8_t>;

uint32_t Be(const Bytes& b, size_t at, int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = v << 8 | b.at(at + i);
    return v;
}

uint32_t Le(const uint8_t* p, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | p[i];
    return v;
}

std::string Tag(const uint8_t* p) { return std::string(p, p + 4); }

TEST(ShippedTunes, AreStandardMidiFilesWhoseChunksAddUp) {
    // The build puts the tunes beside lumenkin.exe, one folder above the test programs.
    std::string build = ProgramFolder();
    build = build.substr(0, build.find_last_of('\\', build.size() - 2) + 1);
    for (const char* name : {"xmastune.mid", "wewish.mid", "deckhall.mid", "otannen.mid", "joyworld.mid",
                             "silentnt.mid"}) {
        std::ifstream in(build + name, std::ios::binary);
        const Bytes b{std::istreambuf_iterator<char>(in), {}};
        ASSERT_GT(b.size(), 14u) << name << " is missing beside the program";
        ASSERT_EQ(Tag(&b[0]), "MThd") << name;
        EXPECT_EQ(Be(b, 4, 4), 6u) << name;
        EXPECT_EQ(Be(b, 8, 2), 1u) << name << ": format";
        const uint32_t division = Be(b, 12, 2);
        EXPECT_TRUE(division > 0 && division < 0x8000) << name << ": ticks per quarter";

        size_t at = 14;
        uint32_t tracks = 0;
        while (at + 8 <= b.size()) {
            ASSERT_EQ(Tag(&b[at]), "MTrk") << name << " track " << tracks;
            const uint32_t length = Be(b, at + 4, 4);
            ASSERT_LE(at + 8 + length, b.size()) << name << ": chunk longer than the file";
            ASSERT_GE(length, 4u);
            // Every track closes with the end-of-track event.
            EXPECT_EQ(Be(b, at + 8 + length - 3, 3), 0xFF2F00u) << name << " track " << tracks;
            at += 8 + length;
            ++tracks;
        }
        EXPECT_EQ(at, b.size()) << name;
        EXPECT_EQ(tracks, Be(b, 10, 2)) << name;
        EXPECT_GE(tracks, 2u) << name;
    }
}

TEST(KeyClickResource, IsAPcmStereo22kHz8BitWaveOf4000Bytes) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, "KEYCLICK", "WAVE");
    ASSERT_NE(found, nullptr);
    const DWORD size = SizeofResource(module, found);
    const auto* p = static_cast<const uint8_t*>(LockResource(LoadResource(module, found)));
    ASSERT_NE(p, nullptr);
    ASSERT_GE(size, 44u);
    ASSERT_EQ(Tag(p), "RIFF");
    EXPECT_EQ(Le(p + 4, 4), size - 8);
    ASSERT_EQ(Tag(p + 8), "WAVE");

    const uint8_t* fmt = nullptr;
    const uint8_t* data = nullptr;
    uint32_t dataSize = 0;
    for (uint32_t at = 12; at + 8 <= size;) {
        const uint32_t length = Le(p + at + 4, 4);
        ASSERT_LE(at + 8 + length, size) << Tag(p + at) << " runs past the resource";
        if (Tag(p + at) == "fmt " && length >= 16) fmt = p + at + 8;
        if (Tag(p + at) == "data") data = p + at + 8, dataSize = length;
        at += 8 + length + (length & 1);
    }
    ASSERT_NE(fmt, nullptr);
    EXPECT_EQ(Le(fmt, 2), 1u);            // PCM
    EXPECT_EQ(Le(fmt + 2, 2), 2u);        // channels
    EXPECT_EQ(Le(fmt + 4, 4), 22050u);    // samples per second
    EXPECT_EQ(Le(fmt + 8, 4), 44100u);    // bytes per second
    EXPECT_EQ(Le(fmt + 12, 2), 2u);       // block align
    EXPECT_EQ(Le(fmt + 14, 2), 8u);       // bits per sample
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(dataSize, 4000u);

    // A click: loud at the start, silent (128 in unsigned 8 bits) at the end.
    int loud = 0;
    for (uint32_t i = 0; i < 400; ++i) loud += data[i] < 64 || data[i] > 192;
    EXPECT_GT(loud, 5);
    for (uint32_t i = dataSize - 200; i < dataSize; ++i) EXPECT_NEAR(data[i], 128, 1) << i;
}

}  // namespace
