// Helpers for the saver tests: a running program with the saver settings of a test,
// window pixels, real mouse input, and message boxes answered from a timer.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "support/test_env.h"

namespace savertest {

// The program started (see testenv::Spine) with the saver enabled and quiet defaults
// the test can change in the settings record; the saver is stopped again at the end.
class SaverSpine {
public:
    SaverSpine();
    ~SaverSpine();
    bool ok() const { return spine_->ok(); }

private:
    std::unique_ptr<testenv::Spine> spine_;
};

// The pixels of a window's client area, 0x00BBGGRR like COLORREF.
struct Picture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    // The distinct colours inside area (clipped to the picture).
    std::set<COLORREF> ColoursIn(const RECT& area) const;
    // How many pixels inside area have this colour.
    size_t Count(const RECT& area, COLORREF colour) const;
};
Picture Capture(HWND window);

// One real left, right or middle click (down and up) through the system's input queue.
void RealClick(DWORD downFlag, DWORD upFlag);
void RealButton(DWORD flag);
// Forgets every "pressed since the last query" mark of the mouse buttons.
void ClearButtonMarks();

// Sends the saver window one frame's timer tick and returns once it is drawn.
void Frames(HWND window, int count);

// Answers every message box that this thread opens from now on with OK, keeping their
// texts; stops when destroyed.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer();
    ~MessageBoxAnswerer();
    const std::vector<std::string>& texts() const;
    const std::vector<std::string>& captions() const;

private:
    UINT_PTR timer_;
};

}  // namespace savertest
