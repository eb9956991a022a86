// Tooltips over dialog controls: the texts, the tools, the relay hook and clean removal.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <utility>
#include <vector>

#include "dialogs/context_tips.h"

namespace {

using Relays = std::vector<std::pair<HWND, UINT>>;

HWND Child(HWND parent, const char* cls, int id, int y, DWORD style = 0) {
    return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, 10, y, 80, 24, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

INT_PTR CALLBACK PlainProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// A hidden dialog with two buttons, a static label, and a button inside a static panel.
struct TipDialog {
    explicit TipDialog(int left) {
        struct alignas(DWORD) {
            DLGTEMPLATE head;
            WORD menu, cls, title;
        } blank{{WS_POPUP | WS_BORDER, 0, 0, 0, 0, 0, 0}, 0, 0, 0};
        dialog = CreateDialogIndirectParamA(nullptr, &blank.head, nullptr, PlainProc, 0);
        SetWindowPos(dialog, HWND_TOPMOST, left, 200, 300, 200, SWP_NOACTIVATE);
        ok = Child(dialog, "Button", 1, 10);
        quit = Child(dialog, "Button", 3, 40);
        Child(dialog, "Static", -1, 70);
        panel = Child(dialog, "Static", 500, 100, SS_ETCHEDFRAME);
        power = Child(panel, "Button", 400, 0);
    }
    ~TipDialog() { DestroyWindow(dialog); }
    HWND dialog, ok, quit, panel, power;
};

// What each tooltip window was asked to relay, seen by subclassing it.
std::map<HWND, std::pair<WNDPROC, Relays>> watched;
LRESULT CALLBACK WatchTooltip(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto& entry = watched[window];
    if (message == TTM_RELAYEVENT) {
        const MSG* relayed = reinterpret_cast<const MSG*>(lParam);
        entry.second.emplace_back(relayed->hwnd, relayed->message);
    }
    return CallWindowProcA(entry.first, window, message, wParam, lParam);
}
Relays& Watch(HWND tooltip) {
    auto& entry = watched[tooltip];
    entry.first = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(tooltip, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchTooltip)));
    return entry.second;
}

// Takes every queued message (where the hook sees them); mouse and key messages are not
// dispatched, so the controls do not react.
void TakeMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message < WM_KEYFIRST || msg.message > WM_MOUSELAST) DispatchMessageA(&msg);
}

int TooltipWindows() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) CALLBACK -> BOOL {
            char name[64] = "";
            GetClassNameA(window, name, sizeof name);
            if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0) ++*reinterpret_cast<int*>(found);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace

TEST(ContextTips, TextsByControlId) {
    // The doubled ampersand stays (the tooltip shows it as one); no row or "Idle Process": empty.
    const struct { const TipTable* table; int id; const char* text; } cases[] = {
        {&optionsTipTexts, 3, "Remove lights && exit"}, {&optionsTipTexts, 400, "Toggle power on/off"},
        {&optionsTipTexts, 174, ""}, {&optionsTipTexts, -1, ""},
        {&saverSetupTipTexts, 169, "Disallow Windows95 screen saver"}, {&saverSetupTipTexts, 172, ""}};
    for (const auto& c : cases) EXPECT_STREQ(TipTextFor(*c.table, c.id), c.text) << c.id;
    TipDialog d(100);
    NMTTDISPINFOA request{};
    request.hdr.idFrom = reinterpret_cast<UINT_PTR>(d.quit);
    request.hdr.code = TTN_NEEDTEXTA;
    EXPECT_TRUE(ContextTipText(optionsTipTexts, &request.hdr));
    EXPECT_STREQ(request.lpszText, "Remove lights && exit");
    request.hdr.code = TTN_SHOW;
    EXPECT_FALSE(ContextTipText(optionsTipTexts, &request.hdr));
}

TEST(ContextTips, ToolsHookAndRemoval) {
    TipDialog options(100), setup(500);
    ASSERT_TRUE(CreateContextTips(optionsTips, options.dialog));
    // Every control but the statics is a tool, owned by its parent.
    std::map<HWND, HWND> tools;
    for (LRESULT i = 0, n = SendMessageA(optionsTips.tooltip, TTM_GETTOOLCOUNT, 0, 0); i < n; ++i) {
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        SendMessageA(optionsTips.tooltip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&tool));
        EXPECT_TRUE(tool.uFlags & TTF_IDISHWND);
        tools[reinterpret_cast<HWND>(tool.uId)] = tool.hwnd;
    }
    EXPECT_EQ(tools, (std::map<HWND, HWND>{{options.ok, options.dialog}, {options.quit, options.dialog},
                                           {options.power, options.panel}}));

    // Each hook relays only the five mouse messages, and only of its own dialog's controls.
    ASSERT_TRUE(CreateContextTips(saverSetupTips, setup.dialog));
    EXPECT_EQ(TooltipWindows(), 2);
    TakeMessages();
    Relays& toOptions = Watch(optionsTips.tooltip);
    Relays& toSetup = Watch(saverSetupTips.tooltip);
    for (UINT m : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_LBUTTONDBLCLK,
                   WM_RBUTTONDBLCLK, WM_MBUTTONDOWN, WM_KEYDOWN})
        PostMessageA(options.ok, m, 0, 0);
    PostMessageA(options.power, WM_MOUSEMOVE, 0, 0);
    PostMessageA(options.dialog, WM_MOUSEMOVE, 0, 0);
    PostMessageA(setup.ok, WM_LBUTTONDOWN, 0, 0);
    TakeMessages();
    EXPECT_EQ(toOptions, (Relays{{options.ok, WM_MOUSEMOVE}, {options.ok, WM_LBUTTONDOWN}, {options.ok, WM_LBUTTONUP},
                                 {options.ok, WM_RBUTTONDOWN}, {options.ok, WM_RBUTTONUP},
                                 {options.power, WM_MOUSEMOVE}}));
    EXPECT_EQ(toSetup, (Relays{{setup.ok, WM_LBUTTONDOWN}}));

    // Removing one set leaves the other working; removal leaves no hook and no tooltip.
    const HHOOK optionsHook = optionsTips.hook, setupHook = saverSetupTips.hook;
    RemoveContextTips(saverSetupTips);
    EXPECT_FALSE(UnhookWindowsHookEx(setupHook)) << "the hook was still installed";
    EXPECT_EQ(TooltipWindows(), 1);
    toOptions.clear();
    PostMessageA(options.ok, WM_LBUTTONUP, 0, 0);
    TakeMessages();
    EXPECT_EQ(toOptions, (Relays{{options.ok, WM_LBUTTONUP}}));
    RemoveContextTips(optionsTips);
    RemoveContextTips(optionsTips);  // a second removal does nothing
    EXPECT_FALSE(UnhookWindowsHookEx(optionsHook));
    EXPECT_EQ(TooltipWindows(), 0);

    // A dialog destroyed without removing its tips: the hook goes at the next message taken.
    ASSERT_TRUE(CreateContextTips(saverSetupTips, setup.dialog));
    const HHOOK orphan = saverSetupTips.hook;
    DestroyWindow(setup.dialog);
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
    TakeMessages();
    EXPECT_EQ(saverSetupTips.hook, nullptr);
    EXPECT_FALSE(UnhookWindowsHookEx(orphan));
    EXPECT_EQ(TooltipWindows(), 0);
    watched.clear();
}
