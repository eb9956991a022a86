// Runs an action that may open a modal dialog, notes which dialog opened and cancels it.
#pragma once
#include <windows.h>

#include <string>

namespace testenv {

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
