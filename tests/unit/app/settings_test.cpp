// The settings store: defaults, normalisation, save order, first-start seeding, raw values.
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

// Keys of one section in the order they stand in the file.
std::vector<std::string> KeysOf(const std::string& section) {
    std::vector<std::string> keys;
    char buffer[4096];
    DWORD n = GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer, sizeof buffer,
                                       testenv::IniPath().c_str());
    for (DWORD i = 0; i < n; i += static_cast<DWORD>(keys.back().size()) + 1) keys.emplace_back(buffer + i);
    return keys;
}

}  // namespace

TEST_F(SettingsTest, FreshStartGivesDefaultsAndSavesThemInOrder) {
    LoadSettings();
    EXPECT_EQ(settings.Mode, 3);
    EXPECT_EQ(settings.Color, 8);
    EXPECT_EQ(settings.Rate, 2);
    EXPECT_EQ(settings.BulbType, 0);
    EXPECT_EQ(settings.Power, 1);
    EXPECT_EQ(settings.NotSoMany, 1);
    EXPECT_EQ(settings.SSDelay, 5);
    EXPECT_EQ(settings.IgnoreWinSS, 1);
    EXPECT_EQ(settings.OwnWindow, 0);
    EXPECT_STREQ(settings.SSMsg, "");
    SaveSettings();

    const std::vector<std::string> expected = {
        "Mode", "Color", "Rate", "SSType", "Broken", "BurnedOut", "BulbType", "Power",
        "NoFlicker", "Music", "WarnMusic", "NotSoMany", "MissingBulbs", "ChangeLights",
        "OnTop", "OwnWindow", "Zoom", "Sound", "ScreenSaver", "StartOptions",
        "IdleProcess", "WarnPower", "KeyLights", "SSMouseMove", "SSDelay",
        "SSMouseClick", "IgnoreWinSS", "BackColor", "SSMsg"};
    EXPECT_EQ(KeysOf("Settings"), expected);
    EXPECT_EQ(ReadIni("Settings", "Mode"), "3");
    EXPECT_EQ(ReadIni("Settings", "Color"), "8");
    EXPECT_EQ(ReadIni("Settings", "SSMsg"), "");
    // The maker's informational section follows.
    EXPECT_EQ(KeysOf("Lumenkin"), (std::vector<std::string>{"Web Site", "EMail", "Copyright"}));
}

TEST_F(SettingsTest, HandEditedValuesAreBroughtIntoRange) {
    const struct { const char* key; const char* stored; LONG Settings::*field; LONG expected; } cases[] = {
        {"Mode", "9", &Settings::Mode, 5},         {"Mode", "-3", &Settings::Mode, 0},
        {"Color", "-7", &Settings::Color, -1},     {"Color", "12", &Settings::Color, 9},
        {"Rate", "-1", &Settings::Rate, 0},        {"Rate", "7", &Settings::Rate, 4},
        {"SSType", "8", &Settings::SSType, 6},     {"BulbType", "25", &Settings::BulbType, 20},
        {"BulbType", "-4", &Settings::BulbType, -1},
        {"SSDelay", "0", &Settings::SSDelay, 0},   {"SSDelay", "-1", &Settings::SSDelay, 60},
        {"SSDelay", "90", &Settings::SSDelay, 60}, {"SSDelay", "59", &Settings::SSDelay, 59},
        {"Power", "7", &Settings::Power, 1},       {"Broken", "-2", &Settings::Broken, 1},
        {"OnTop", "7", &Settings::OnTop, 7},       {"BackColor", "9", &Settings::BackColor, 9},
        {"Mode", "junk", &Settings::Mode, 3},
    };
    for (const auto& c : cases) {
        testenv::RemoveIni();
        WriteIni("Settings", c.key, c.stored);
        LoadSettings();
        EXPECT_EQ(settings.*c.field, c.expected) << c.key << "=" << c.stored;
    }
    // Normalised values are what gets written back; OnTop keeps its stored value.
    testenv::RemoveIni();
    WriteIni("Settings", "Power", "7");
    WriteIni("Settings", "OnTop", "7");
    LoadSettings();
    SaveSettings();
    EXPECT_EQ(ReadIni("Settings", "Power"), "1");
    EXPECT_EQ(ReadIni("Settings", "OnTop"), "7");
}

TEST_F(SettingsTest, LongScreenSaverMessageIsCutTo31Characters) {
    const std::string forty(40, 'x');
    WriteIni("Settings", "SSMsg", forty.c_str());
    LoadSettings();
    EXPECT_EQ(std::string(settings.SSMsg), forty.substr(0, 31));
}

TEST_F(SettingsTest, PlaylistIsSeededOnTheFirstStartOnly) {
    LoadSettings();
    EXPECT_EQ(ReadIni("Music", "MIDI1"), "xmastune.mid");
    EXPECT_EQ(ReadIni("Music", "NumEntries"), "1");
    EXPECT_EQ(ReadIni("Music", "Current"), "<missing>");
    SaveSettings();

    // The user edits the playlist; later starts leave it alone.
    WriteIni("Music", "MIDI1", "other.mid");
    WriteIni("Music", "NumEntries", "0");
    WriteIni("Music", "Current", "1");
    LoadSettings();
    SaveSettings();
    EXPECT_EQ(ReadIni("Music", "MIDI1"), "other.mid");
    EXPECT_EQ(ReadIni("Music", "NumEntries"), "0");
    EXPECT_EQ(ReadIni("Music", "Current"), "1");

    // A playlist made by hand before the first start is kept too.
    testenv::RemoveIni();
    WriteIni("Music", "MIDI1", "mine.mid");
    LoadSettings();
    EXPECT_EQ(ReadIni("Music", "MIDI1"), "mine.mid");
    EXPECT_EQ(ReadIni("Music", "NumEntries"), "<missing>");
}

TEST_F(SettingsTest, RawValuesReadWriteAndDelete) {
    EXPECT_TRUE(WriteProfileValue("Music", "MIDI2", "carol.mid"));
    char value[64] = "unchanged";
    EXPECT_STREQ(ReadProfileValue("Music", "MIDI2", value, sizeof value), "carol.mid");
    EXPECT_EQ(ReadProfileValue("Music", "MIDI2", value, sizeof value), value);

    // At most 31 characters are read, and a small destination is never overrun.
    WriteProfileValue("Music", "MIDI3", std::string(50, 'a').c_str());
    EXPECT_EQ(std::string(ReadProfileValue("Music", "MIDI3", value, sizeof value)), std::string(31, 'a'));
    char small[8];
    std::memset(small, '#', sizeof small);
    ReadProfileValue("Music", "MIDI3", small, 5);
    EXPECT_STREQ(small, "aaaa");
    EXPECT_EQ(small[5], '#');

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

TEST_F(SettingsTest, SettingsFileSitsBesideTheProgram) {
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string dir(module);
    dir.resize(dir.find_last_of('\\') + 1);
    EXPECT_EQ(SettingsFilePath(), dir + "lumenk95.ini");
}
