// Helpers for the in-process unit tests: the settings file, a started spine, windows, menus, pixels.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace testenv {

// Path of the settings file the code under test uses (beside the test program).
std::string IniPath();
void RemoveIni();   // flushes the cached copy, then deletes the file
// One raw value of the settings file (a null value deletes the key); `fallback` when missing.
void WriteIni(const char* section, const char* key, const char* value);
std::string ReadIni(const char* section, const char* key, const char* fallback = "<missing>");
std::string IniText();

// Dispatches every queued message, then keeps pumping for `ms` milliseconds.
void Pump(DWORD ms = 0);

// One pixel of a window's client area, read from its DC (of the screen for a null window).
COLORREF WindowPixel(HWND window, int x, int y);
inline COLORREF ScreenPixel(int x, int y) { return WindowPixel(nullptr, x, y); }
// The colour of the solid brush a window's class paints its background with.
COLORREF ClassBrushColour(HWND window);

// A window of class `cls`: a class of the system's without `proc`, else registered on first use with `proc`.
HWND MakeWindow(const char* cls, DWORD style, RECT at, WNDPROC proc = nullptr, DWORD exStyle = 0,
                HBRUSH background = nullptr, HWND parent = nullptr, int id = 0);

// Each item of a menu from position `first`: "-" or "id text", with " grey" and " checked" when set.
std::vector<std::string> MenuItems(HMENU menu, int first = 0);

// Runs the real start-up (InitInstance) with a settings file that opens no dialog
// at start-up; extra "Key=Value" settings can be given. The destructor takes the
// program down the way "&Remove Lights" does and drains the quit message.
class Spine {
public:
    explicit Spine(std::initializer_list<std::pair<const char*, const char*>> extra = {});
    ~Spine();
    Spine(const Spine&) = delete;
    Spine& operator=(const Spine&) = delete;
    bool ok() const { return ok_; }

private:
    bool ok_ = false;
};

// While it lives, answers with OK each box that shows modally in this thread (the active
// window, unless it is the open Options dialog or `keep`), ticking box `tick` in it first
// when set, and notes it in `seen` as "caption|text".
class BoxAnswerer {
public:
    BoxAnswerer();
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;
    std::vector<std::string> seen;
    int tick = 0;
    HWND keep = nullptr;

private:
    UINT_PTR timer_;
};

struct CaughtDialog {
    std::string caption;    // empty when no dialog opened
    HWND owner = nullptr;
};

// The first dialog of this thread that shows while `action` runs is noted and cancelled,
// so an action that runs a modal dialog returns.
template <class Action>
CaughtDialog DialogOpenedBy(Action action) {
    static CaughtDialog* caught;
    CaughtDialog result;
    caught = &result;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK {
        EnumThreadWindows(GetCurrentThreadId(), [](HWND w, LPARAM) CALLBACK -> BOOL {
            char text[128] = "";
            GetClassNameA(w, text, sizeof text);
            if (!IsWindowVisible(w) || lstrcmpA(text, "#32770") != 0) return TRUE;
            GetWindowTextA(w, text, sizeof text);
            if (caught->caption.empty()) *caught = CaughtDialog{text, GetWindow(w, GW_OWNER)};
            PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
            return FALSE;
        }, 0);
    });
    action();
    KillTimer(nullptr, timer);
    return result;
}

}  // namespace testenv
