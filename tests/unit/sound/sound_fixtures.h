// Fixtures of the sound tests: the multimedia stand-in, song files, a started program, a label.
#pragma once
#include <windows.h>
#include <mmsystem.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace soundtest {

struct MciCall {
    std::string command;
    HWND window;
};

struct SoundCall {
    const void* sound;
    UINT flags;
};

// Installs itself into the `winmm` table for its lifetime; one at a time.
class FakeWinmm {
public:
    FakeWinmm();
    ~FakeWinmm();
    FakeWinmm(const FakeWinmm&) = delete;
    FakeWinmm& operator=(const FakeWinmm&) = delete;

    std::vector<MciCall> commands;
    std::vector<SoundCall> sounds;
    UINT devices = 0;
    // Error code by the command's first word ("open", "play", ...).
    std::map<std::string, MCIERROR> failures;
    // Like MCI, stopping a song whose play asked for a notification posts
    // MCI_NOTIFY_ABORTED to that play's window.
    bool postAbortOnStop = true;

    std::vector<std::string> CommandTexts() const;

private:
    std::map<std::string, HWND> pendingNotify_;   // alias -> window of its "play ... notify"
    static MCIERROR WINAPI SendString(LPCSTR command, LPSTR reply, UINT replySize, HWND callback);
    static UINT WINAPI Devices();
    static BOOL WINAPI PlaySound(LPCSTR sound, UINT flags);
};

// The folder of the running test program, with its trailing backslash: the player
// looks for songs there.
std::string ProgramFolder();
std::string ShortPathOf(const std::string& path);

// Small files with these names in the program's folder for the life of the object.
class SongFiles {
public:
    explicit SongFiles(std::vector<std::string> names);
    ~SongFiles();
    SongFiles(const SongFiles&) = delete;
    SongFiles& operator=(const SongFiles&) = delete;

private:
    std::vector<std::string> names_;
};

// Section "Music": "NumEntries" and "MIDI1".. from the names; "Current" removed.
void WritePlaylist(const std::vector<std::string>& names);

// Starts the real program, as the spine tests do, with a playlist "alpha.mid",
// "beta.mid" whose "Current" is 1, no dialog at start-up, and the given Music and
// Power; takes it down again as "&Remove Lights" does.
class StartedWithMusic {
public:
    StartedWithMusic(FakeWinmm& fake, const char* music, const char* power);
    ~StartedWithMusic();
    StartedWithMusic(const StartedWithMusic&) = delete;
    StartedWithMusic& operator=(const StartedWithMusic&) = delete;
    bool ok() const { return ok_; }

private:
    SongFiles songs_{{"alpha.mid", "beta.mid"}};
    bool ok_ = false;
};

// A window that stands in for the open Options dialog and keeps every text that
// WM_NOWPLAYING brings it; it is `optionsDialog` for its lifetime.
class LabelWindow {
public:
    LabelWindow();
    ~LabelWindow();
    LabelWindow(const LabelWindow&) = delete;
    LabelWindow& operator=(const LabelWindow&) = delete;
    std::vector<std::string> texts;

private:
    HWND window_ = nullptr;
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

// Runs `action` while a timer answers every message box it opens with OK; gives the
// texts of the boxes, each as "caption|text".
std::vector<std::string> AnswerMessageBoxes(const std::function<void()>& action);

}  // namespace soundtest
