// The settings store: defaults, normalisation, first-start seeding, raw values.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "app/settings.h"
#include "support/test_env.h"

using testenv::ReadIni;
using testenv::WriteIni;

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::RemoveIni(); }
    void TearDown() override { testenv::RemoveIni(); }
};

// Every integer key: its default, and two hand-edited values with what each reads as.
struct Probe { const char* stored; LONG reads; };
struct KeyRow { const char* key; LONG Settings::*field; LONG byDefault; Probe probe[2]; };
#define ROW(key, def, s1, r1, s2, r2) {#key, &Settings::key, def, {{s1, r1}, {s2, r2}}}
const KeyRow kKeys[] = {
    ROW(Mode, 3, "-3", 0, "9", 5),          ROW(Color, 8, "-7", -1, "12", 9),
    ROW(Rate, 2, "-1", 0, "7", 4),          ROW(SSType, 0, "-1", 0, "8", 6),
    ROW(Broken, 0, "-2", 1, "7", 1),        ROW(BurnedOut, 0, "-2", 1, "7", 1),
    ROW(BulbType, 0, "-4", -1, "25", 20),   ROW(Power, 1, "0", 0, "7", 1),
    ROW(NoFlicker, 0, "-2", 1, "7", 1),     ROW(Music, 1, "0", 0, "7", 1),
    ROW(WarnMusic, 1, "0", 0, "7", 1),      ROW(NotSoMany, 1, "0", 0, "7", 1),
    ROW(MissingBulbs, 0, "-2", 1, "7", 1),  ROW(ChangeLights, 1, "0", 0, "7", 1),
    ROW(OnTop, 0, "-2", -2, "7", 7),        ROW(OwnWindow, 0, "-2", 1, "7", 1),
    ROW(Zoom, 1, "0", 0, "7", 1),           ROW(Sound, 1, "0", 0, "7", 1),
    ROW(ScreenSaver, 0, "-2", 1, "7", 1),   ROW(StartOptions, 1, "0", 0, "7", 1),
    ROW(IdleProcess, 0, "-2", 1, "7", 1),   ROW(WarnPower, 1, "0", 0, "7", 1),
    ROW(KeyLights, 0, "-2", 1, "7", 1),     ROW(SSMouseMove, 1, "0", 0, "7", 1),
    ROW(SSDelay, 5, "-1", 60, "90", 60),    ROW(SSMouseClick, 1, "0", 0, "7", 1),
    ROW(IgnoreWinSS, 1, "0", 0, "7", 1),    ROW(BackColor, 0, "-1", -1, "9", 9),
};
#undef ROW

}  // namespace

TEST_F(SettingsTest, EveryKeyHasItsDefaultAndIsBroughtIntoRange) {
    LoadSettings();
    for (const KeyRow& row : kKeys) EXPECT_EQ(settings.*row.field, row.byDefault) << row.key;
    EXPECT_STREQ(settings.SSMsg, "");
    for (const auto& probe : {0, 1}) {
        for (const KeyRow& row : kKeys) WriteIni("Settings", row.key, row.probe[probe].stored);
        LoadSettings();
        for (const KeyRow& row : kKeys)
            EXPECT_EQ(settings.*row.field, row.probe[probe].reads) << row.key << "=" << row.probe[probe].stored;
    }
    testenv::RemoveIni();   // saved as read, each under its own key
    SaveSettings();
    settings = Settings{};
    LoadSettings();
    for (const KeyRow& row : kKeys) EXPECT_EQ(settings.*row.field, row.probe[1].reads) << row.key << " saved";
    // Edges of the delay, values that are no number, and a message longer than 31 characters.
    const std::string forty(40, 'x');
    WriteIni("Settings", "SSMsg", forty.c_str());
    const struct { const char* key; const char* stored; LONG Settings::*field; LONG reads; } edges[] = {
        {"SSDelay", "0", &Settings::SSDelay, 0}, {"Rate", "abc", &Settings::Rate, 2},
        {"Mode", "junk", &Settings::Mode, 3}};
    for (const auto& e : edges) WriteIni("Settings", e.key, e.stored);
    LoadSettings();
    for (const auto& e : edges) EXPECT_EQ(settings.*e.field, e.reads) << e.key << "=" << e.stored;
    EXPECT_EQ(std::string(settings.SSMsg), forty.substr(0, 31));
}

TEST_F(SettingsTest, PlaylistIsSeededOnTheFirstStartOnly) {
    LoadSettings();
    EXPECT_EQ(ReadIni("Music", "MIDI1") + ReadIni("Music", "NumEntries") + ReadIni("Music", "Current"),
              "xmastune.mid1<missing>");
    testenv::RemoveIni();
    WriteIni("Music", "MIDI1", "mine.mid");  // a playlist made by hand before the first start is left alone
    LoadSettings();
    EXPECT_EQ(ReadIni("Music", "MIDI1") + ReadIni("Music", "NumEntries"), "mine.mid<missing>");
}

TEST_F(SettingsTest, RawValuesReadWriteAndDelete) {
    EXPECT_TRUE(WriteProfileValue("Music", "MIDI2", std::string(50, 'a').c_str()));
    char value[64] = "", small[8];
    EXPECT_EQ(ReadProfileValue("Music", "MIDI2", value, sizeof value), value);
    EXPECT_EQ(std::string(value), std::string(31, 'a'));  // at most 31 characters
    std::memset(small, '#', sizeof small);
    ReadProfileValue("Music", "MIDI2", small, 5);  // and a small destination is never overrun
    EXPECT_TRUE(std::string(small, 5) == std::string("aaaa\0", 5) && small[5] == '#');
    EXPECT_TRUE(WriteProfileValue("Music", "MIDI2", nullptr));
    EXPECT_EQ(ReadIni("Music", "MIDI2"), "<missing>");
    EXPECT_STREQ(ReadProfileValue("Music", "MIDI2", value, sizeof value), "");
}

TEST_F(SettingsTest, ASectionReadAtOnceGivesEachKeyTheValueItsOwnReadGives) {
    const std::string lines =
        "  Spaced  =  \"quoted name.mid\"  \r\nsingle='single.mid'\r\nhalf=\"unbalanced.mid\r\n"
        "SPACED=the second of a pair\r\nlong=0123456789012345678901234567890123456789\r\nbare\r\n"
        "empty=\r\n;note=a comment\r\nsum=a=b\r\n";
    std::ofstream(testenv::IniPath(), std::ios::binary) << "[Other]\r\nspaced=x\r\n[Music]\r\n" << lines;
    const auto entries = ReadProfileSection("Music");
    std::vector<std::string> keys;
    for (const auto& [key, value] : entries) {
        keys.push_back(key);
        char own[64];
        EXPECT_EQ(value, ReadProfileValue("Music", key.c_str(), own, sizeof own)) << key;
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"Spaced", "single", "half", "long", "bare", "empty", "sum"}));

    // A section larger than one read takes: what is read ends with a whole line.
    testenv::RemoveIni();
    std::ofstream huge(testenv::IniPath(), std::ios::binary);
    huge << "[Music]\r\n";
    for (int k = 1; k <= 60000; ++k) huge << "Key" << k << "=value number " << k << "\r\n";
    huge.close();
    const auto some = ReadProfileSection("Music");
    ASSERT_GT(some.size(), 30000u);
    EXPECT_EQ(some.back().second, "value number " + some.back().first.substr(3));
}
