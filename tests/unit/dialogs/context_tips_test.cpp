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

template <const TipTable& table>
INT_PTR CALLBACK TipDialogProc(HWND, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_NOTIFY) return FALSE;
    ContextTipText(table, reinterpret_cast<NMHDR*>(lParam));
    return TRUE;
}

HWND Child(HWND parent, const char* cls, int id, int y, DWORD style = 0) {
    return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, 10, y, 80, 24, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

// A dialog (hidden) with buttons, an edit, a static label, and a button inside a static panel.
struct TipDialog {
    HWND dialog, ok, test, delay, quit, label, panel, power;
};

TipDialog MakeTipDialog(int left, DLGPROC proc) {
    struct alignas(DWORD) {
        DLGTEMPLATE head;
        WORD menu, cls, title;
    } blank{{WS_POPUP | WS_BORDER, 0, 0, 0, 0, 0, 0}, 0, 0, 0};
    TipDialog d{};
    d.dialog = CreateDialogIndirectParamA(nullptr, &blank.head, nullptr, proc, 0);
    SetWindowPos(d.dialog, HWND_TOPMOST, left, 200, 300, 200, SWP_NOACTIVATE);
    d.ok = Child(d.dialog, "Button", 1, 10);
    d.test = Child(d.dialog, "Button", 154, 40);
    d.delay = Child(d.dialog, "Edit", 167, 70);
    d.quit = Child(d.dialog, "Button", 3, 100);
    d.label = Child(d.dialog, "Static", -1, 130);
    d.panel = Child(d.dialog, "Static", 500, 160, SS_ETCHEDFRAME);
    d.power = Child(d.panel, "Button", 400, 0);
    return d;
}

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
    entry.first = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(tooltip, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchTooltip)));
    return entry.second;
}

// Takes every queued message (which is where the hook sees them); mouse and key
// messages are not dispatched, so the controls do not react.
void TakeMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message < WM_KEYFIRST || msg.message > WM_MOUSELAST) DispatchMessageA(&msg);
}

int TooltipWindows() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            char name[64] = "";
            GetClassNameA(window, name, sizeof name);
            if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0) ++*reinterpret_cast<int*>(found);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

class ContextTips : public ::testing::Test {
protected:
    void TearDown() override {
        RemoveContextTips(optionsTips);
        RemoveContextTips(saverSetupTips);
        for (HWND d : {options.dialog, setup.dialog}) DestroyWindow(d);
        TakeMessages();
        watched.clear();
    }
    TipDialog options = MakeTipDialog(100, TipDialogProc<optionsTipTexts>);
    TipDialog setup = MakeTipDialog(500, TipDialogProc<saverSetupTipTexts>);
};

}  // namespace

TEST(ContextTipTexts, LookUpByControlId) {
    EXPECT_STREQ(TipTextFor(optionsTipTexts, 154), "Test the screen saver");
    EXPECT_STREQ(TipTextFor(optionsTipTexts, 400), "Toggle power on/off");
    // The tooltip shows the doubled ampersand as one.
    EXPECT_STREQ(TipTextFor(optionsTipTexts, 3), "Remove lights && exit");
    EXPECT_STREQ(TipTextFor(optionsTipTexts, 152), "Select bulb type");
    // "Idle Process" and any id without a row have the empty text: no tip.
    EXPECT_STREQ(TipTextFor(optionsTipTexts, 174), "");
    EXPECT_STREQ(TipTextFor(optionsTipTexts, -1), "");
    EXPECT_STREQ(TipTextFor(saverSetupTipTexts, 169), "Disallow Windows95 screen saver");
    EXPECT_STREQ(TipTextFor(saverSetupTipTexts, 172), "");
    // Every row finds its text in the string table.
    for (const TipTable* table : {&optionsTipTexts, &saverSetupTipTexts})
        for (size_t i = 0; i < table->count; ++i)
            EXPECT_STRNE(TipTextFor(*table, table->rows[i].controlId), "") << table->rows[i].controlId;
}

TEST_F(ContextTips, TextRequestsAreAnsweredFromTheDialogsOwnTable) {
    NMTTDISPINFOA request{};
    request.hdr.idFrom = reinterpret_cast<UINT_PTR>(options.quit);
    request.hdr.code = TTN_NEEDTEXTA;
    EXPECT_TRUE(ContextTipText(optionsTipTexts, &request.hdr));
    EXPECT_STREQ(request.lpszText, "Remove lights && exit");
    request.hdr.idFrom = reinterpret_cast<UINT_PTR>(setup.delay);
    ContextTipText(saverSetupTipTexts, &request.hdr);
    EXPECT_STREQ(request.lpszText, "Set timeout");
    NMTTDISPINFOA other{};
    other.hdr.code = TTN_SHOW;
    EXPECT_FALSE(ContextTipText(optionsTipTexts, &other.hdr));
    EXPECT_EQ(other.lpszText, nullptr);
}

TEST_F(ContextTips, EveryControlButTheStaticsBecomesATool) {
    ASSERT_TRUE(CreateContextTips(optionsTips, options.dialog));
    std::map<HWND, HWND> tools;     // control -> the window that owns its tool
    const LRESULT count = SendMessageA(optionsTips.tooltip, TTM_GETTOOLCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        SendMessageA(optionsTips.tooltip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&tool));
        EXPECT_TRUE(tool.uFlags & TTF_IDISHWND);
        tools[reinterpret_cast<HWND>(tool.uId)] = tool.hwnd;
    }
    const std::map<HWND, HWND> expected{{options.ok, options.dialog}, {options.test, options.dialog},
                                        {options.delay, options.dialog}, {options.quit, options.dialog},
                                        {options.power, options.panel}};
    EXPECT_EQ(tools, expected);
}

TEST_F(ContextTips, EachHookRelaysOnlyTheFiveMouseMessagesOfItsOwnDialog) {
    ASSERT_TRUE(CreateContextTips(optionsTips, options.dialog));
    ASSERT_TRUE(CreateContextTips(saverSetupTips, setup.dialog));
    TakeMessages();
    Relays& toOptions = Watch(optionsTips.tooltip);
    Relays& toSetup = Watch(saverSetupTips.tooltip);
    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_LBUTTONDBLCLK,
                         WM_RBUTTONDBLCLK, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_KEYDOWN})
        PostMessageA(options.ok, message, 0, 0);
    PostMessageA(options.power, WM_MOUSEMOVE, 0, 0);    // a control inside a control
    PostMessageA(options.dialog, WM_MOUSEMOVE, 0, 0);   // the dialog itself
    PostMessageA(setup.delay, WM_LBUTTONDOWN, 0, 0);
    TakeMessages();
    EXPECT_EQ(toOptions, (Relays{{options.ok, WM_MOUSEMOVE}, {options.ok, WM_LBUTTONDOWN},
                                 {options.ok, WM_LBUTTONUP}, {options.ok, WM_RBUTTONDOWN},
                                 {options.ok, WM_RBUTTONUP}, {options.power, WM_MOUSEMOVE}}));
    EXPECT_EQ(toSetup, (Relays{{setup.delay, WM_LBUTTONDOWN}}));
}

TEST_F(ContextTips, RemovalLeavesNoHookAndNoTooltipAlsoWithTwoSetsOpen) {
    ASSERT_TRUE(CreateContextTips(optionsTips, options.dialog));
    ASSERT_TRUE(CreateContextTips(saverSetupTips, setup.dialog));
    EXPECT_EQ(TooltipWindows(), 2);
    const HHOOK optionsHook = optionsTips.hook, setupHook = saverSetupTips.hook;

    // The setup dialog ends first; the Options tips keep working.
    RemoveContextTips(saverSetupTips);
    EXPECT_FALSE(UnhookWindowsHookEx(setupHook)) << "the hook was still installed";
    EXPECT_EQ(TooltipWindows(), 1);
    Relays& toOptions = Watch(optionsTips.tooltip);
    PostMessageA(options.ok, WM_LBUTTONUP, 0, 0);
    TakeMessages();
    EXPECT_EQ(toOptions, (Relays{{options.ok, WM_LBUTTONUP}}));

    RemoveContextTips(optionsTips);
    RemoveContextTips(optionsTips);     // a second removal does nothing
    EXPECT_FALSE(UnhookWindowsHookEx(optionsHook)) << "the hook was still installed";
    EXPECT_EQ(TooltipWindows(), 0);

    // A dialog destroyed without removing its tips takes the tooltip with it, and the
    // hook goes at the next message the thread takes.
    ASSERT_TRUE(CreateContextTips(saverSetupTips, setup.dialog));
    const HHOOK orphan = saverSetupTips.hook;
    DestroyWindow(setup.dialog);
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
    TakeMessages();
    EXPECT_EQ(saverSetupTips.hook, nullptr);
    EXPECT_FALSE(UnhookWindowsHookEx(orphan));
    EXPECT_EQ(TooltipWindows(), 0);
}

TEST_F(ContextTips, RestingThePointerOnAControlShowsItsTip) {
    ShowWindow(options.dialog, SW_SHOWNOACTIVATE);
    ASSERT_TRUE(CreateContextTips(optionsTips, options.dialog));
    RECT r;
    GetWindowRect(options.test, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    char shown[128] = "";
    // Wait, without judging how long it takes, for the tip to come up.
    for (DWORD start = GetTickCount(); GetTickCount() - start < 10000 && !shown[0]; Sleep(20)) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        if (IsWindowVisible(optionsTips.tooltip)) GetWindowTextA(optionsTips.tooltip, shown, sizeof shown);
    }
    EXPECT_STREQ(shown, "Test the screen saver");
}
