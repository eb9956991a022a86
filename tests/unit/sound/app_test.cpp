// The music in the running program and its Options dialog, the key click, and the generated files.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <iterator>

#include "resource.h"
#include "sound/sound_effects.h"
#include "sound_fixtures.h"

using namespace soundtest;

namespace {

constexpr UINT kClick = SND_ASYNC | SND_NODEFAULT | SND_MEMORY;

TEST(StartUp, DeviceMusicAndPowerDecideTheFirstSong) {
    struct Case { UINT devices; const char *music, *power; bool plays; } cases[] = {
        {0, "1", "1", false}, {1, "0", "1", false}, {1, "1", "0", false}, {1, "1", "1", true}};
    for (const Case& c : cases) {
        FakeWinmm fake;
        fake.devices = c.devices;
        StartedWithMusic run(fake, c.music, c.power);
        ASSERT_TRUE(run.ok);
        EXPECT_EQ(midiDevicePresent, static_cast<int>(c.devices));
        EXPECT_EQ(bPlaying, c.plays) << c.devices << c.music << c.power;
        EXPECT_EQ(testenv::ReadIni(kSettingsSection, "Music"), c.music);   // off without a device for this run only
        if (!c.devices) { EXPECT_EQ(settings.Music, 0); }
        if (!c.plays) { EXPECT_TRUE(fake.commands.empty()); continue; }
        // The list goes on after the entry started last; the main window gets the notifications.
        EXPECT_EQ(currentSong, "beta.mid");
        EXPECT_EQ(fake.commands.at(1).window, mainWindow);
        SendMessageA(mainWindow, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 1);
        EXPECT_EQ(currentSong, "alpha.mid");
        // Removing the lights stops the music.
        const std::string alias = midiAlias;
        fake.commands.clear();
        SendMessageA(mainWindow, WM_CLOSE, 0, 0);
        EXPECT_EQ(fake.Texts(), (Strings{"stop " + alias, "close " + alias}));
    }
}

TEST(OptionsDialog, LabelApplyRestartRuleAndKeyClick) {
    FakeWinmm fake;
    fake.devices = 1;
    StartedWithMusic run(fake, "1", "1");
    ASSERT_TRUE(run.ok);
    HWND dialog = CreateDialogParamA(appInstance, "OptionsDlg", mainWindow, OptionsDlgProc, 0);
    ASSERT_NE(dialog, nullptr);
    auto label = [&] {
        char text[256] = "";
        GetDlgItemTextA(dialog, IDC_OPT_NOW_PLAYING, text, sizeof text);
        return std::string(text);
    };
    auto click = [&](int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); };
    auto apply = [&] { SendMessageA(dialog, WM_COMMAND, IDC_OPT_APPLY, LPARAM(GetDlgItem(dialog, IDC_OPT_APPLY))); };
    EXPECT_EQ(label(), "Playing: beta.mid");
    SendMessageA(mainWindow, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 1);
    EXPECT_EQ(label(), "Playing: alpha.mid");
    fake.commands.clear();
    apply();   // nothing changed: the song plays on
    EXPECT_TRUE(fake.commands.empty());
    const std::string alias = midiAlias;
    click(IDC_OPT_MUSIC);
    apply();
    EXPECT_EQ(fake.Texts(), (Strings{"stop " + alias, "close " + alias}));
    EXPECT_EQ(label(), "Playing: <nothing>");

    // The key click plays from resource memory, which stays loaded; each stops the one before.
    settings.Sound = 1;
    PlaySoundEffect("Keyclick");   // resource names match without regard to case
    fake.sounds.clear();
    for (int i = 0; i < 2; ++i) click(IDC_OPT_ZOOM);
    ASSERT_EQ(fake.sounds.size(), 4u);
    for (size_t i : {0u, 2u}) {
        EXPECT_EQ(fake.sounds[i], (std::pair<const void*, UINT>{nullptr, SND_MEMORY | SND_NODEFAULT}));
        EXPECT_EQ(fake.sounds[i + 1].second, kClick);
        EXPECT_EQ(std::memcmp(fake.sounds[i + 1].first, "RIFF", 4), 0);
    }
    EXPECT_EQ(fake.sounds[3].first, LockResource(heldEffect));
    // A missing resource still stops the click before it.
    fake.sounds.clear();
    PlaySoundEffect("NoSuchSound");
    EXPECT_EQ(fake.sounds.size(), 1u);
    EXPECT_EQ(heldEffect, nullptr);
    // "Sound F/X" off, applied: no more clicks.
    click(IDC_OPT_SOUND);
    apply();
    fake.sounds.clear();
    click(IDC_OPT_ZOOM);
    PlaySoundEffect("KEYCLICK");
    EXPECT_TRUE(fake.sounds.empty());
    settings.Sound = 1;
    DestroyWindow(dialog);
    testenv::Pump();
}

using Bytes = std::vector<uint8_t>;
uint32_t Num(const uint8_t* p, int n, bool bigEndian) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = v << 8 | p[bigEndian ? i : n - 1 - i];
    return v;
}
std::string Tag(const uint8_t* p) { return std::string(p, p + 4); }

TEST(GeneratedFiles, TunesAreMidiFilesWhoseChunksAddUp) {
    std::string build = ProgramFolder();   // the tunes sit beside lumenkin.exe, one folder up
    build = build.substr(0, build.find_last_of('\\', build.size() - 2) + 1);
    for (const char* name : {"xmastune.mid", "wewish.mid", "deckhall.mid", "otannen.mid", "joyworld.mid", "silentnt.mid"}) {
        std::ifstream in(build + name, std::ios::binary);
        const Bytes b{std::istreambuf_iterator<char>(in), {}};
        ASSERT_GT(b.size(), 14u) << name;
        EXPECT_EQ(Tag(&b[0]) + std::to_string(Num(&b[4], 4, true)) + "/" + std::to_string(Num(&b[8], 2, true)), "MThd6/1") << name;
        EXPECT_LT(Num(&b[12], 2, true) - 1, 0x7FFFu) << name << ": ticks per quarter";
        size_t at = 14, tracks = 0;
        for (; at + 8 <= b.size(); ++tracks) {
            ASSERT_EQ(Tag(&b[at]), "MTrk") << name;
            const uint32_t length = Num(&b[at + 4], 4, true);
            ASSERT_TRUE(length >= 4 && at + 8 + length <= b.size()) << name;
            EXPECT_EQ(Num(&b[at + 5 + length], 3, true), 0xFF2F00u) << name << ": end of track";
            at += 8 + length;
        }
        EXPECT_EQ(at, b.size()) << name;
        EXPECT_EQ(tracks, Num(&b[10], 2, true)) << name;
        EXPECT_GE(tracks, 2u) << name;
    }
}

TEST(GeneratedFiles, KeyClickIsAPcmStereo22kHz8BitWaveOf4000Bytes) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, "KEYCLICK", "WAVE");
    ASSERT_NE(found, nullptr);
    const DWORD size = SizeofResource(module, found);
    const auto* p = static_cast<const uint8_t*>(LockResource(LoadResource(module, found)));
    ASSERT_TRUE(size >= 44 && Tag(p) == "RIFF" && Tag(p + 8) == "WAVE");
    EXPECT_EQ(Num(p + 4, 4, false), size - 8);
    const uint8_t *fmt = nullptr, *data = nullptr;
    uint32_t dataSize = 0;
    for (uint32_t at = 12; at + 8 <= size;) {
        const uint32_t length = Num(p + at + 4, 4, false);
        ASSERT_LE(at + 8 + length, size) << Tag(p + at);
        if (Tag(p + at) == "fmt ") fmt = p + at + 8;
        if (Tag(p + at) == "data") data = p + at + 8, dataSize = length;
        at += 8 + length + (length & 1);
    }
    ASSERT_TRUE(fmt && data);
    // PCM, 2 channels, 22050 per second, 44100 bytes per second, blocks of 2, 8 bits, 4000 bytes.
    const uint32_t want[][2] = {{0, 1}, {2, 2}, {4, 22050}, {8, 44100}, {12, 2}, {14, 8}};
    for (auto [at, value] : want) EXPECT_EQ(Num(fmt + at, at == 4 || at == 8 ? 4 : 2, false), value) << at;
    EXPECT_EQ(dataSize, 4000u);
    // A click: loud at the start, silent (128) at the end.
    int loud = 0;
    for (uint32_t i = 0; i < 400; ++i) loud += data[i] < 64 || data[i] > 192;
    EXPECT_GT(loud, 5);
    for (uint32_t i = dataSize - 200; i < dataSize; ++i) EXPECT_NEAR(data[i], 128, 1) << i;
}

}  // namespace
