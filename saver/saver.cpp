// The screen saver's activation: the record of user activity, the inactivity test,
// and opening and closing the saver window.
#include "saver/saver.h"

#include "app/app.h"
#include "app/settings.h"
#include "lights/light_string.h"

bool saverRunning = false;
HWND saverWindow = nullptr;
DWORD lastActivityTick = 0;
POINT saverStartCursor = {0, 0};

namespace {

// The low bit of the answer says the button went down since the previous query; the
// sign bit says it is down now. Only a finished click (up now) counts.
bool ClickedSincePreviousPoll(int button) {
    return static_cast<SHORT>(GetAsyncKeyState(button)) > 0;
}

// Registered afresh at every start; from the second start on the class exists and the
// call fails harmlessly. The blank "NullCursor" hides the pointer over the saver.
void RegisterSaverClass() {
    WNDCLASSA wc{};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_SAVEBITS;
    wc.lpfnWndProc = SaverWndProc;
    wc.hInstance = appInstance;
    wc.hCursor = LoadCursorA(appInstance, kSaverCursorName);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kSaverClassName;
    RegisterClassA(&wc);
}

}  // namespace

void NoteActivity() { lastActivityTick = GetTickCount(); }

bool SaverDue() {
    if (!settings.ScreenSaver || !settings.Power) return false;
    // Elapsed time as an unsigned difference stays right when the tick count wraps.
    const DWORD delay = static_cast<DWORD>(settings.SSDelay) * kMsPerMinute;
    if (GetTickCount() - lastActivityTick <= delay) return false;
    if (saverRunning) return false;
    if (ClickedSincePreviousPoll(VK_LBUTTON) || ClickedSincePreviousPoll(VK_RBUTTON)) {
        NoteActivity();
        return false;
    }
    return true;
}

void StartSaver() {
    if (saverRunning) return;
    RegisterSaverClass();
    LeaveStringWindow();
    saverWindow = CreateWindowExA(WS_EX_TOPMOST, kSaverClassName, "", WS_POPUP | WS_VISIBLE, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                  GetDesktopWindow(), nullptr, appInstance, nullptr);
    if (!saverWindow) {
        // Nothing could be shown, so nothing could ever end it: stay off, and try again
        // only after another full delay rather than on every tick.
        NoteActivity();
        return;
    }
    // Keys must reach the saver to end it.
    SetForegroundWindow(saverWindow);
    PaintString();
    saverRunning = true;
}

void StopSaver() {
    if (!saverRunning) return;
    HWND window = saverWindow;
    LeaveStringWindow();
    saverWindow = nullptr;
    saverRunning = false;
    // Null when the window is being destroyed already (see the window's WM_DESTROY).
    if (window) DestroyWindow(window);
    RefreshDesktop();
    NoteActivity();
    PaintString();
}
