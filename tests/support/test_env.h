// Helpers for the in-process unit tests: a clean settings file, a started spine, pixels.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace testenv {

// Path of the settings file the code under test uses (beside the test program).
std::string IniPath();
// Deletes the settings file.
void RemoveIni();
// Writes one raw value into the settings file (null value deletes the key).
void WriteIni(const char* section, const char* key, const char* value);
// Reads one raw value; `fallback` when missing.
std::string ReadIni(const char* section, const char* key, const char* fallback = "<missing>");
// The whole settings file as text.
std::string IniText();

// Dispatches every queued message, then keeps pumping for `ms` milliseconds.
void Pump(DWORD ms = 0);

// Colour of one screen pixel.
COLORREF ScreenPixel(int x, int y);
// Colour of one pixel of a window's client area, read from the window's DC.
COLORREF WindowPixel(HWND window, int x, int y);

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

}  // namespace testenv
