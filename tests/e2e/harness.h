// End-to-end harness: runs the real lumenkin.exe from a fresh folder and talks to it
// through its windows, its settings file and the screen.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Settings that open no dialog at start-up (no MIDI warning, no Options).
inline const std::string kQuiet = "[Settings]\r\nWarnMusic=0\r\nStartOptions=0\r\n";
constexpr DWORD kNotEnded = 12345;
// The tunes that ship beside the program.
inline const char* const kTunes[] = {"xmastune.mid", "wewish.mid", "deckhall.mid", "otannen.mid", "joyworld.mid",
                                     "silentnt.mid"};

std::string FileText(const std::string& path);
// LUMENKIN_PROGRAM_DIR when set (the program that ships), else this build's own folder.
std::string ProgramDir();

// A fresh temporary folder holding a copy of lumenkin.exe (under `exeName`, in a folder
// path `minPathLength` long) and the tunes beside it, or (InPlace) an unpacked package.
// The destructor stops the program if it still runs and removes the folder.
class Sandbox {
public:
    explicit Sandbox(const std::string& exeName = "lumenkin.exe", size_t minPathLength = 0);
    struct InPlace { std::string dir; };
    explicit Sandbox(InPlace in) : dir_(in.dir), root_(in.dir), exeName_("lumenkin.exe") {}
    ~Sandbox();

    const std::string& dir() const { return dir_; }
    std::string ExePath() const { return dir_ + "\\" + exeName_; }
    std::string IniPath() const { return dir_ + "\\lumenk95.ini"; }
    bool IniExists() const { return GetFileAttributesA(IniPath().c_str()) != INVALID_FILE_ATTRIBUTES; }
    std::string IniText() const { return FileText(IniPath()); }
    void WriteIniText(const std::string& text);
    std::string Value(const char* section, const char* key) const;   // "<missing>" if absent

    // `desktop` names the desktop to start on (null: this process's own).
    bool Start(const char* desktop = nullptr);
    DWORD pid() const { return pi_.dwProcessId; }
    // The exit code once the program has ended, or kNotEnded after 10 seconds.
    DWORD ExitCode();
    // "&Remove Lights" (1003) to the main window, then ExitCode().
    DWORD RemoveLights();
    // The hidden main window ("lumenkinWClass"), waiting for it as WaitForWindow does.
    HWND MainWindow() const;

private:
    std::string dir_, root_, exeName_;
    PROCESS_INFORMATION pi_{};
};

// Waits until a top-level window of process `pid` with this class and caption (null:
// any) shows (or only exists); on time-out returns null and, unless it only looked
// (no time), fails the test.
HWND WaitForWindow(DWORD pid, const char* cls, const char* caption, DWORD timeoutMs = 10000, bool visible = true);
inline HWND WaitForDialog(DWORD pid, const char* caption, DWORD timeoutMs = 10000) {
    return WaitForWindow(pid, "#32770", caption, timeoutMs);
}
std::wstring TextOf(HWND window);
// Presses a dialog's button as a user would (WM_COMMAND with BN_CLICKED).
void PressButton(HWND dialog, int id);

// A Wine virtual desktop with a taskbar, which (unlike the bare X screen) repaints what
// windows uncover. A process keeps the desktop it first drew on, so the constructor runs
// the current test again in a new process there and reports how it went; in that process
// here() is true, the test starts the program with Start(name()), and the destructor
// closes the desktop.
class VirtualDesktop {
public:
    VirtualDesktop();
    ~VirtualDesktop();
    bool here() const { return here_; }
    const char* name() const { return name_; }

private:
    char name_[64] = "";
    bool here_ = false;
};

// A width x height picture that starts as `start` (null: black) and has `draw` done on
// it, row by row as 0x00RRGGBB.
std::vector<uint32_t> Picture(int width, int height, const uint32_t* start, const std::function<void(HDC)>& draw);
// The screen's pixels in `area`.
std::vector<uint32_t> ScreenBits(const RECT& area);
// Paints the whole screen one colour (nothing repaints the bare X root by itself).
void FillScreen(COLORREF colour);

template <typename F>
bool WaitFor(F condition, DWORD timeoutMs = 10000) {
    for (const DWORD start = GetTickCount();; Sleep(50)) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
    }
}

}  // namespace e2e
