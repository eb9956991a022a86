// Wiping stale bulbs: asking the desktop and the taskbar to repaint themselves.
#include "app/app.h"
#include "lights/light_string.h"

namespace {

// Long enough for a responsive shell to repaint the desktop, short enough that a hung
// one only delays the lights.
constexpr DWORD kRepaintWaitMs = 250;
constexpr DWORD kRepaintPollMs = 10;

// Marks the window, its frame and every window inside it (for the desktop: every
// top-level window) for repainting with erasing, and leaves the painting to the thread
// that owns each one. These windows belong to the shell, so the erase must not be
// forced from here: UpdateWindow or RDW_ERASENOW would take the erasing over, and under
// Wine, which cannot hand the erase message's device context to another process, that
// throws the repaint away (the desktop counts as repainted once its erase has been
// taken), so whatever was on the screen there, bulbs or a dialog just closed, stays.
void RequestRepaint(HWND window) {
    if (!window) return;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// Gives the desktop's owner a moment to repaint it, so that bulbs drawn next land on
// the fresh desktop instead of under its repaint. The update region goes when the
// owner starts painting (asking for it without erasing takes nothing away); the owner
// answers a sent message only between messages, so once it has answered, that paint
// is finished.
void WaitUntilRepainted(HWND desktop) {
    const DWORD start = GetTickCount();
    while (GetUpdateRect(desktop, nullptr, FALSE)) {
        if (GetTickCount() - start >= kRepaintWaitMs) return;
        Sleep(kRepaintPollMs);
    }
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(desktop, WM_NULL, 0, 0, SMTO_NORMAL, kRepaintWaitMs, &ignored);
}

}  // namespace

void RefreshDesktop() {
    HWND desktop = GetDesktopWindow();
    if (desktopWindow != desktop) RequestRepaint(desktopWindow);
    RequestRepaint(desktop);
    WaitUntilRepainted(desktop);
}

void RefreshTaskbar() {
    RequestRepaint(FindWindowA("Shell_TrayWnd", nullptr));
}
