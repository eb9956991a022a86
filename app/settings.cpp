// Loading, normalising and saving the settings record.
#include "app/settings.h"

#include <cstdio>
#include <cctype>
#include <cstring>
#include <set>

#include "app/app.h"
#include "app/text.h"
#include "resource.h"

Settings settings;

namespace {

// How a value read from the file is brought into range.
enum class Norm { Clamp, Flag, Raw, Delay };

struct IntKey {
    const char* key;
    LONG Settings::*field;
    LONG defaultValue;
    Norm norm;
    LONG low, high;     // for Clamp
};

// Read order.
const IntKey kReadOrder[] = {
    {"Mode", &Settings::Mode, 3, Norm::Clamp, 0, 5},
    {"Color", &Settings::Color, 8, Norm::Clamp, -1, 9},
    {"Rate", &Settings::Rate, 2, Norm::Clamp, 0, 4},
    {"BackColor", &Settings::BackColor, 0, Norm::Raw, 0, 0},
    {"Broken", &Settings::Broken, 0, Norm::Flag, 0, 0},
    {"BurnedOut", &Settings::BurnedOut, 0, Norm::Flag, 0, 0},
    {"SSType", &Settings::SSType, 0, Norm::Clamp, 0, 6},
    {"BulbType", &Settings::BulbType, 0, Norm::Clamp, -1, 20},
    {"Power", &Settings::Power, 1, Norm::Flag, 0, 0},
    {"Music", &Settings::Music, 1, Norm::Flag, 0, 0},
    {"WarnMusic", &Settings::WarnMusic, 1, Norm::Flag, 0, 0},
    {"NotSoMany", &Settings::NotSoMany, 1, Norm::Flag, 0, 0},
    {"MissingBulbs", &Settings::MissingBulbs, 0, Norm::Flag, 0, 0},
    {"ScreenSaver", &Settings::ScreenSaver, 0, Norm::Flag, 0, 0},
    {"NoFlicker", &Settings::NoFlicker, 0, Norm::Flag, 0, 0},
    {"OnTop", &Settings::OnTop, 0, Norm::Raw, 0, 0},
    {"Zoom", &Settings::Zoom, 1, Norm::Flag, 0, 0},
    {"Sound", &Settings::Sound, 1, Norm::Flag, 0, 0},
    {"StartOptions", &Settings::StartOptions, 1, Norm::Flag, 0, 0},
    {"ChangeLights", &Settings::ChangeLights, 1, Norm::Flag, 0, 0},
    {"IdleProcess", &Settings::IdleProcess, 0, Norm::Flag, 0, 0},
    {"WarnPower", &Settings::WarnPower, 1, Norm::Flag, 0, 0},
    {"KeyLights", &Settings::KeyLights, 0, Norm::Flag, 0, 0},
    {"SSMouseMove", &Settings::SSMouseMove, 1, Norm::Flag, 0, 0},
    {"OwnWindow", &Settings::OwnWindow, 0, Norm::Flag, 0, 0},
    {"SSDelay", &Settings::SSDelay, 5, Norm::Delay, 0, 0},
    {"SSMouseClick", &Settings::SSMouseClick, 1, Norm::Flag, 0, 0},
    {"IgnoreWinSS", &Settings::IgnoreWinSS, 1, Norm::Flag, 0, 0},
};

// Save order; a new file lists its keys in this order.
const char* const kSaveOrder[] = {
    "Mode", "Color", "Rate", "SSType", "Broken", "BurnedOut", "BulbType", "Power",
    "NoFlicker", "Music", "WarnMusic", "NotSoMany", "MissingBulbs", "ChangeLights",
    "OnTop", "OwnWindow", "Zoom", "Sound", "ScreenSaver", "StartOptions",
    "IdleProcess", "WarnPower", "KeyLights", "SSMouseMove", "SSDelay",
    "SSMouseClick", "IgnoreWinSS", "BackColor",
};

const IntKey& FindKey(const char* name) {
    for (const IntKey& k : kReadOrder)
        if (std::strcmp(k.key, name) == 0) return k;
    return kReadOrder[0];   // unreachable: every saved key is in the read table
}

LONG Normalise(const IntKey& k, LONG v) {
    switch (k.norm) {
    case Norm::Clamp:
        return v < k.low ? k.low : (v > k.high ? k.high : v);
    case Norm::Flag:
        return v != 0 ? 1 : 0;
    case Norm::Delay:
        // Compared without sign, so negative values become 60 as well.
        return static_cast<DWORD>(v) >= 60u ? 60 : v;
    case Norm::Raw:
        break;
    }
    return v;
}

// An integer key; a missing key or a value that does not start with a number gives
// the default (GetPrivateProfileIntA alone would give 0 for text).
LONG ReadIntKey(const IntKey& k, const std::string& path) {
    char text[32];
    GetPrivateProfileStringA(kSettingsSection, k.key, "", text, sizeof text, path.c_str());
    const char* p = text;
    while (*p == ' ' || *p == '\t') ++p;
    if (*p == '-' || *p == '+') ++p;
    if (*p < '0' || *p > '9') return k.defaultValue;
    return static_cast<LONG>(GetPrivateProfileIntA(kSettingsSection, k.key, k.defaultValue, path.c_str()));
}

bool SectionExists(const char* section, const std::string& path) {
    char names[64];
    return GetPrivateProfileStringA(section, nullptr, "", names, sizeof names, path.c_str()) > 0;
}

constexpr size_t kValueChars = 32;   // a value read back holds at most 31 characters

// A value as the profile read gives it: enclosing quotes dropped, then cut to 31 characters.
std::string ProfileValueText(std::string value) {
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        value = value.substr(1, value.size() - 2);
    if (value.size() >= kValueChars) value.resize(kValueChars - 1);
    return value;
}

// Far more than any playlist; a larger section is read only this far.
constexpr size_t kMaxSectionChars = 1 << 20;

// The section's "key=value" lines, each ending in a NUL, the list in a second NUL.
std::vector<char> SectionText(const char* section, const std::string& path) {
    std::vector<char> text(4096);
    for (;;) {
        const DWORD size = static_cast<DWORD>(text.size());
        const DWORD n = GetPrivateProfileSectionA(section, text.data(), size, path.c_str());
        if (n + 2 < size) {   // a full buffer is reported as its size less two
            text[n] = text[n + 1] = '\0';
            break;
        }
        if (size >= kMaxSectionChars) {
            // Drop the last line: the buffer may have cut it short.
            size_t end = n > 0 ? n - 1 : 0;
            while (end > 0 && text[end - 1] != '\0') --end;
            text[end] = '\0';
            break;
        }
        text.resize(text.size() * 2);
    }
    return text;
}

}  // namespace

std::string SettingsFilePath() {
    // GetModuleFileNameA cuts a long path to the buffer; grow until it fits.
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD n = GetModuleFileNameA(appInstance, &path[0], static_cast<DWORD>(path.size()));
        if (n == 0) { path.clear(); break; }
        if (n < path.size()) { path.resize(n); break; }
        if (path.size() >= 32768) { path.resize(n); break; }
        path.resize(path.size() * 2);
    }
    size_t slash = path.find_last_of("\\/");
    path.resize(slash == std::string::npos ? 0 : slash + 1);
    return path + kSettingsFileName;
}

char* ReadProfileValue(const char* section, const char* key, char* dest, size_t destSize) {
    char value[kValueChars];
    GetPrivateProfileStringA(section, key, "", value, sizeof value, SettingsFilePath().c_str());
    if (dest && destSize > 0) {
        std::strncpy(dest, value, destSize - 1);
        dest[destSize - 1] = '\0';
    }
    return dest;
}

std::vector<std::pair<std::string, std::string>> ReadProfileSection(const char* section) {
    const std::vector<char> text = SectionText(section, SettingsFilePath());
    std::vector<std::pair<std::string, std::string>> entries;
    std::set<std::string> seen;   // keys in lower case: the first of equal keys is the one read
    for (const char* line = text.data(); *line; line += std::strlen(line) + 1) {
        const char* equals = std::strchr(line, '=');
        std::string key = equals ? std::string(line, equals) : std::string(line);
        std::string folded = key;
        for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (key.empty() || !seen.insert(folded).second) continue;
        entries.emplace_back(std::move(key), equals ? ProfileValueText(equals + 1) : std::string());
    }
    return entries;
}

BOOL WriteProfileValue(const char* section, const char* key, const char* value) {
    return WritePrivateProfileStringA(section, key, value, SettingsFilePath().c_str());
}

void LoadSettings() {
    const std::string path = SettingsFilePath();
    // First start: no [Settings] yet. A playlist the user already made is left alone.
    const bool firstStart = !SectionExists(kSettingsSection, path) && !SectionExists(kMusicSection, path);

    for (const IntKey& k : kReadOrder) {
        settings.*k.field = Normalise(k, ReadIntKey(k, path));
    }
    GetPrivateProfileStringA(kSettingsSection, "SSMsg", "", settings.SSMsg, sizeof settings.SSMsg, path.c_str());

    if (firstStart) {
        WriteProfileValue(kMusicSection, "MIDI1", "xmastune.mid");
        WriteProfileValue(kMusicSection, "NumEntries", "1");
        WriteProfileValue(kMusicSection, "Current", nullptr);
    }
}

void SaveSettings() {
    const std::string path = SettingsFilePath();
    char number[16];
    for (const char* key : kSaveOrder) {
        std::snprintf(number, sizeof number, "%ld", static_cast<long>(settings.*FindKey(key).field));
        WritePrivateProfileStringA(kSettingsSection, key, number, path.c_str());
    }
    WritePrivateProfileStringA(kSettingsSection, "SSMsg", settings.SSMsg, path.c_str());

    const std::string maker = LoadText(IDS_MAKER_SECTION);
    WritePrivateProfileStringA(maker.c_str(), "Web Site", LoadText(IDS_MAKER_WEB).c_str(), path.c_str());
    WritePrivateProfileStringA(maker.c_str(), "EMail", LoadText(IDS_MAKER_EMAIL).c_str(), path.c_str());
    WritePrivateProfileStringA(maker.c_str(), "Copyright", LoadText(IDS_MAKER_COPYRIGHT).c_str(), path.c_str());
}
