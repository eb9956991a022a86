// The settings record and the ini file it is loaded from and saved to.
#pragma once
#include <windows.h>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// One value per key of the [Settings] section; other modules read and change the
// fields directly and persist them with SaveSettings.
struct Settings {
    LONG Mode;          // 0 None, 1 Random, 2 All Together, 3 Chase, 4 Alternating, 5 Some Flash
    LONG Color;         // -1 Random, 0..9 colour schemes
    LONG Rate;          // 0 Very Slow .. 4 Very Fast
    LONG BackColor;     // background of the own taskbar window, 0..6
    LONG Broken;
    LONG BurnedOut;
    LONG SSType;        // screen-saver effect 0..6
    LONG BulbType;      // -1 Random, 0..20
    LONG Power;
    LONG Music;
    LONG WarnMusic;
    LONG NotSoMany;
    LONG MissingBulbs;
    LONG ScreenSaver;
    LONG NoFlicker;
    LONG OnTop;         // kept as stored: any non-zero value means on
    LONG Zoom;
    LONG Sound;
    LONG StartOptions;
    LONG ChangeLights;
    LONG IdleProcess;
    LONG WarnPower;
    LONG KeyLights;
    LONG SSMouseMove;
    LONG OwnWindow;
    LONG SSDelay;       // minutes, 0..60
    LONG SSMouseClick;
    LONG IgnoreWinSS;
    char SSMsg[32];     // at most 31 characters
};

extern Settings settings;

constexpr const char kSettingsFileName[] = "lumenk95.ini";
constexpr const char kSettingsSection[] = "Settings";
constexpr const char kMusicSection[] = "Music";

// Full path of the settings file beside the executable; any length of path.
std::string SettingsFilePath();

// Reads every key (missing ones take their defaults), normalises the values and,
// on the very first start, seeds the playlist.
void LoadSettings();

// Writes every key of [Settings] in the fixed save order, then the maker's section.
void SaveSettings();

// Reads one value (at most 31 characters) of any section into dest, which holds
// destSize characters; returns dest. A missing key gives the empty text.
char* ReadProfileValue(const char* section, const char* key, char* dest, size_t destSize);

// Every key of a section, once each and in file order, with the value ReadProfileValue
// gives it. One read of the file, however many keys the section holds; a section of more
// than a megabyte is taken up to its last whole line within that.
std::vector<std::pair<std::string, std::string>> ReadProfileSection(const char* section);

// Writes one value of any section; a null value deletes the key.
BOOL WriteProfileValue(const char* section, const char* key, const char* value);
