// Tooltips over a dialog's controls: one tip set per dialog kind, with its own text table
// and a thread message hook that relays the mouse messages of its dialog to the tooltips.
#include "dialogs/context_tips.h"

#include "app/app.h"

TipSet optionsTips{nullptr, nullptr, nullptr, OptionsTipRelayHook};
TipSet saverSetupTips{nullptr, nullptr, nullptr, SaverSetupTipRelayHook};

namespace {

constexpr int kClassNameChars = 64;

bool IsStaticControl(HWND window) {
    char name[kClassNameChars + 1] = "";
    GetClassNameA(window, name, sizeof name);
    // The system reports the class as "Static"; any spelling of it is a static control.
    return lstrcmpiA(name, "STATIC") == 0;
}

BOOL CALLBACK AddToolForChild(HWND child, LPARAM tooltip) {
    if (IsStaticControl(child)) return TRUE;
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = GetParent(child);
    tool.uId = reinterpret_cast<UINT_PTR>(child);
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(reinterpret_cast<HWND>(tooltip), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    return TRUE;
}

bool IsRelayedMouseMessage(UINT message) {
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return true;
    }
    return false;
}

LRESULT RelayToTips(TipSet& set, int code, WPARAM wParam, LPARAM lParam) {
    const HHOOK hook = set.hook;
    if (code >= 0 && set.tooltip) {
        MSG* msg = reinterpret_cast<MSG*>(lParam);
        if (IsRelayedMouseMessage(msg->message) && IsChild(set.dialog, msg->hwnd)) {
            MSG copy = *msg;
            SendMessageA(set.tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
        }
    }
    // A dialog that went without removing its tips took its tooltip window (which it
    // owned) with it; the hook goes at the next message, so nothing stays installed.
    if (set.hook && !IsWindow(set.dialog)) {
        UnhookWindowsHookEx(set.hook);
        set = TipSet{nullptr, nullptr, nullptr, set.relay};
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK OptionsTipRelayHook(int code, WPARAM wParam, LPARAM lParam) {
    return RelayToTips(optionsTips, code, wParam, lParam);
}

LRESULT CALLBACK SaverSetupTipRelayHook(int code, WPARAM wParam, LPARAM lParam) {
    return RelayToTips(saverSetupTips, code, wParam, lParam);
}

bool CreateContextTips(TipSet& set, HWND dialog) {
    RemoveContextTips(set);
    set.tooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, appInstance, nullptr);
    if (!set.tooltip) return false;
    set.dialog = dialog;
    if (!EnumChildWindows(dialog, AddToolForChild, reinterpret_cast<LPARAM>(set.tooltip))) return false;
    set.hook = SetWindowsHookExA(WH_GETMESSAGE, set.relay, nullptr, GetCurrentThreadId());
    return set.hook != nullptr;
}

bool ContextTipText(const TipTable& table, NMHDR* header) {
    if (header->code != TTN_NEEDTEXTA) return false;
    auto* request = reinterpret_cast<NMTTDISPINFOA*>(header);
    const int controlId = GetDlgCtrlID(reinterpret_cast<HWND>(request->hdr.idFrom));
    request->lpszText = const_cast<char*>(TipTextFor(table, controlId));
    return true;
}

void RemoveContextTips(TipSet& set) {
    if (set.hook) {
        UnhookWindowsHookEx(set.hook);
        set.hook = nullptr;
    }
    if (set.tooltip) {
        DestroyWindow(set.tooltip);
        set.tooltip = nullptr;
    }
    set.dialog = nullptr;
}
