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

// What one track holds, found by walking every event of it.
struct TrackSummary {
    int noteOns = 0;
    int unmatchedNotes = 0;   // note-ons without their note-off
    bool endsWithEndOfTrack = false;
    std::string name;
};

// Walks one MTrk body; fails the test at the first malformed event.
TrackSummary WalkTrack(const Bytes& b, size_t at, size_t end, const std::string& where) {
    TrackSummary s;
    int held[16][128] = {};
    uint8_t running = 0;
    while (at < end) {
        uint32_t delta = 0;
        for (int i = 0;; ++i) {
            EXPECT_LT(i, 4) << where << ": delta time too long";
            const uint8_t byte = b.at(at++);
            delta = delta << 7 | (byte & 0x7F);
            if (!(byte & 0x80) || i == 3) break;
        }
        uint8_t status = b.at(at);
        if (status & 0x80) ++at;
        else status = running;
        EXPECT_NE(status, 0) << where << ": data byte without a status at " << at;
        if (status == 0xFF) {
            const uint8_t type = b.at(at++);
            const uint32_t length = b.at(at++);   // our meta events are short
            if (type == 0x03) s.name.assign(b.begin() + at, b.begin() + at + length);
            if (type == 0x2F) {
                EXPECT_EQ(length, 0u);
                s.endsWithEndOfTrack = at + length == end;
            }
            at += length;
            continue;
        }
        EXPECT_NE(status & 0xF0, 0xF0) << where << ": system event";
        running = status;
        const int kind = status & 0xF0, channel = status & 0x0F;
        const int dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
        const uint8_t d1 = b.at(at), d2 = dataBytes == 2 ? b.at(at + 1) : 0;
        EXPECT_LT(d1, 0x80) << where;
        EXPECT_LT(d2, 0x80) << where;
        at += dataBytes;
        if (kind == 0x90 && d2 > 0) {
            ++s.noteOns;
            ++held[channel][d1];
        } else if (kind == 0x80 || (kind == 0x90 && d2 == 0)) {
            --held[channel][d1];
        }
    }
    EXPECT_EQ(at, end) << where << ": the last event runs past its chunk";
    for (auto& channel : held)
        for (int count : channel) s.unmatchedNotes += count != 0;
    return s;
}

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// The build puts the tunes beside lumenkin.exe, one folder above the test programs.
std::string BuildFolder() {
    std::string folder = ProgramFolder();
    folder.pop_back();
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

TEST(ShippedTunes, AreStandardMidiFilesWhoseChunksAddUp) {
    const std::vector<std::string> tunes{"xmastune.mid", "wewish.mid", "deckhall.mid",
                                         "otannen.mid", "joyworld.mid", "silentnt.mid"};
    for (const std::string& name : tunes) {
        const Bytes b = ReadFile(BuildFolder() + name);
        ASSERT_GT(b.size(), 14u) << name << " is missing beside the program";
        ASSERT_EQ(std::string(b.begin(), b.begin() + 4), "MThd") << name;
        EXPECT_EQ(Be(b, 4, 4), 6u) << name;
        EXPECT_EQ(Be(b, 8, 2), 1u) << name << ": format";
        const uint32_t tracks = Be(b, 10, 2);
        EXPECT_GE(tracks, 2u) << name;
        const uint32_t division = Be(b, 12, 2);
        EXPECT_TRUE(division > 0 && division < 0x8000) << name << ": ticks per quarter";

        size_t at = 14;
        uint32_t found = 0;
        int notes = 0;
        while (at < b.size()) {
            const std::string where = name + " track " + std::to_string(found);
            ASSERT_LE(at + 8, b.size()) << where;
            ASSERT_EQ(std::string(b.begin() + at, b.begin() + at + 4), "MTrk") << where;
            const uint32_t length = Be(b, at + 4, 4);
            ASSERT_LE(at + 8 + length, b.size()) << where << ": chunk longer than the file";
            const TrackSummary s = WalkTrack(b, at + 8, at + 8 + length, where);
            EXPECT_TRUE(s.endsWithEndOfTrack) << where;
            EXPECT_EQ(s.unmatchedNotes, 0) << where;
            if (found == 0) {
                EXPECT_FALSE(s.name.empty()) << name << ": title";
            }
            notes += s.noteOns;
            at += 8 + length;
            ++found;
        }
        EXPECT_EQ(at, b.size()) << name;
        EXPECT_EQ(found, tracks) << name;
        EXPECT_GT(notes, 100) << name;
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
    ASSERT_EQ(std::string(p, p + 4), "RIFF");
    EXPECT_EQ(Le(p + 4, 4), size - 8);
    ASSERT_EQ(std::string(p + 8, p + 12), "WAVE");

    const uint8_t* fmt = nullptr;
    const uint8_t* data = nullptr;
    uint32_t fmtSize = 0, dataSize = 0;
    for (uint32_t at = 12; at + 8 <= size;) {
        const std::string id(p + at, p + at + 4);
        const uint32_t length = Le(p + at + 4, 4);
        ASSERT_LE(at + 8 + length, size) << id << " runs past the resource";
        if (id == "fmt ") fmt = p + at + 8, fmtSize = length;
        if (id == "data") data = p + at + 8, dataSize = length;
        at += 8 + length + (length & 1);
    }
    ASSERT_NE(fmt, nullptr);
    ASSERT_GE(fmtSize, 16u);
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
