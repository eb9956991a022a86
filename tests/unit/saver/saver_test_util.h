// Helpers for the saver tests: the running program, window pixels, real clicks, answered boxes.
#pragma once
#include <windows.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "support/test_env.h"

namespace savertest {

// The program with the saver on, Blank Screen and no message; the saver is stopped at the end.
struct SaverSpine {
    SaverSpine();
    ~SaverSpine();
    bool ok() const { return spine->ok(); }
    std::unique_ptr<testenv::Spine> spine;
};

// A window's client pixels as COLORREF values.
struct Picture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    std::set<COLORREF> ColoursIn(const RECT& area) const;
    size_t Count(const RECT& area, COLORREF colour) const;
};
Picture Capture(HWND window);

void RealButton(DWORD flag);   // one mouse event through the system's input queue
void ClearButtonMarks();       // forgets the "pressed since the last query" marks
void Frames(HWND window, int count);   // that many timer ticks of the saver window

// Answers with OK every message box this thread opens while it lives; keeps "caption|text".
struct MessageBoxAnswerer {
    MessageBoxAnswerer();
    ~MessageBoxAnswerer();
    const std::vector<std::string>& answered() const;
    UINT_PTR timer;
};

}  // namespace savertest
