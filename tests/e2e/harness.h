// End-to-end harness: runs the real lumenkin.exe from a fresh folder and talks to it
// through its windows, its settings file and the screen.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

// Folder of the program under test: LUMENKIN_PROGRAM_DIR when set (the program that
// ships, built elsewhere), else the folder above the test programs (this build's own).
std::string ProgramDir();

// A fresh temporary folder holding a copy of lumenkin.exe (and the data files that
// ship beside it). The destructor stops the program if it still runs and removes
// the folder.
class Sandbox {
public:
    // `exeName` lets a test run the program under another file name; `minPathLength`
    // nests the folder until its path is at least that long.
    explicit Sandbox(const std::string& exeName = "lumenkin.exe", size_t minPathLength = 0);
    // Runs the program where it already lies (an unpacked release package); the
    // destructor still stops it and removes that folder.
    struct InPlace {
        std::string dir;
    };
    explicit Sandbox(InPlace existing);
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    const std::string& dir() const { return dir_; }
    std::string ExePath() const { return dir_ + "\\" + exeName_; }
    std::string IniPath() const { return dir_ + "\\lumenk95.ini"; }

    // Settings file access.
    bool IniExists() const;
    std::string IniText() const;
    void WriteIniText(const std::string& text);
    void SetValue(const char* section, const char* key, const char* value);
    std::string Value(const char* section, const char* key, const char* fallback = "<missing>") const;
    std::vector<std::string> Keys(const char* section) const;
    // A settings file that opens no dialog at start-up (no MIDI warning, no Options).
    void WriteQuietIni();

    // Process control. `desktop` names the desktop to start on (null: this process's own).
    bool Start(const char* desktop = nullptr);
    DWORD pid() const { return pi_.dwProcessId; }
    HANDLE process() const { return pi_.hProcess; }
    bool Running() const;
    // Waits for the process to end; true and the exit code when it did in time.
    bool WaitExit(DWORD timeoutMs, DWORD* exitCode);
    // Closes the program as "&Remove Lights" does, then kills it if it hangs.
    void Stop();

    // The program's hidden main window ("lumenkinWClass"), waiting for it to appear.
    HWND MainWindow(DWORD timeoutMs = 10000) const;

private:
    std::string dir_;
    std::string root_;
    std::string exeName_;
    PROCESS_INFORMATION pi_{};
};

// Top-level windows of process `pid` with this class (null: any) and caption (null: any).
std::vector<HWND> WindowsOf(DWORD pid, const char* cls, const char* caption);
// Waits until such a window exists and is visible; null on time-out.
HWND WaitForWindow(DWORD pid, const char* cls, const char* caption, DWORD timeoutMs = 10000);
// Waits for a dialog box (class "#32770") of the process with this caption.
HWND WaitForDialog(DWORD pid, const char* caption, DWORD timeoutMs = 10000);
// Text of a window or control.
std::string TextOf(HWND window);
// Text of the first static control of a message box (its message).
std::string MessageBoxText(HWND box);
// Presses a dialog's button as a user would (WM_COMMAND with BN_CLICKED).
void PressButton(HWND dialog, int id);
// Ticks or clears a check box of another process's dialog.
void SetCheck(HWND dialog, int id, bool checked);

// A Wine virtual desktop with a taskbar, as users run the program: unlike the bare X
// screen it repaints what windows uncover. A process keeps using the desktop it first
// drew on, so the test runs again in a process of its own there: in the first process
// the constructor runs it and reports how it went and here() is false; in the new one
// here() is true, the test body runs and starts programs with Start(name()), and the
// destructor closes the desktop.
class VirtualDesktop {
public:
    VirtualDesktop();
    ~VirtualDesktop();
    VirtualDesktop(const VirtualDesktop&) = delete;
    VirtualDesktop& operator=(const VirtualDesktop&) = delete;

    bool here() const { return here_; }
    const char* name() const { return name_; }

private:
    char name_[64] = "";
    bool here_ = false;
};

// Screen pixels.
COLORREF ScreenPixel(int x, int y);
// The screen's pixels in `area`, row by row, as 0x00RRGGBB.
std::vector<uint32_t> ScreenBits(const RECT& area);
// Paints the whole screen one colour (nothing repaints the bare X root by itself).
void FillScreen(COLORREF colour);

// Waits up to timeoutMs for `condition` to hold, polling.
template <typename F>
bool WaitFor(F condition, DWORD timeoutMs = 10000) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(50);
    }
}

}  // namespace e2e
