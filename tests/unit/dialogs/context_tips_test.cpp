// Tooltips over dialog controls: the texts of both dialogs, the tools, the relay hook and clean removal.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <map>

#include "app/app.h"
#include "dialogs/context_tips.h"
#include "dialogs/options_dlg.h"
#include "saver/saver_setup_dlg.h"
#include "support/test_env.h"

TEST(ContextTips, EveryControlOfBothDialogsGetsItsTextOrNone) {
    const std::map<int, std::string> options = {
        {1, "Save changes / hide options"}, {2, "Cancel changes / hide options"}, {3, "Remove lights && exit"},
        {9, "Help dialog"}, {10, "Draw bulbs in their own window or on desktop"},
        {11, "Prevents flickering when lights are drawn"}, {101, "No flashing"}, {102, "Random flashing"},
        {103, "Bulbs flash in sync"}, {104, "Bulbs chase in sequence"}, {105, "Bulbs alternate flashing"},
        {106, "Some bulbs flash"}, {135, "Allow burned out bulbs"}, {136, "Allow broken lights"},
        {137, "Some bulbs can be missing"}, {140, "Select bulb type"}, {146, "Toggle music on/off"},
        {147, "Put more lights in the string"}, {148, "Select bulb color(s)"}, {149, "Select music for playing"},
        {150, "Select bulb flash rate"}, {152, "Select bulb type"}, {153, "Enable screen saver"},
        {154, "Test the screen saver"}, {155, "Select screen saver"}, {156, "Apply new settings"},
        {159, "Toggle window zoom effects on/off"}, {160, "Toggle sound effects on/off"},
        {161, "Shows sample flashing pattern, based on flashing mode and rate"},
        {163, "Show options dialog at startup"}, {166, "Screen saver setup"}, {170, "Flash keyboard status lights"},
        {400, "Toggle power on/off"},
        {1008, "When random bulbs are selected, checking this option allows the bulb type to be changed every five "
               "minutes."}};
    const std::map<int, std::string> setup = {
        {1, "Save changes"}, {2, "Ignore changes"}, {167, "Set timeout"}, {168, "Mouse movement stops screen saver"},
        {169, "Disallow Windows95 screen saver"}, {171, "Mouse click stops screen saver"}};
    testenv::Spine spine({{"Zoom", "0"}, {"Sound", "0"}});
    const struct { const char* name; DLGPROC proc; const std::map<int, std::string>& texts; } dialogs[] = {
        {"OptionsDlg", OptionsDlgProc, options}, {kSaverSetupTemplate, SaverSetupDlgProc, setup}};
    for (const auto& d : dialogs) {
        HWND dialog = CreateDialogParamA(appInstance, d.name, mainWindow, d.proc, 0);
        for (const auto& row : d.texts) EXPECT_NE(GetDlgItem(dialog, row.first), nullptr) << row.first;
        // Asked through the dialog, as the tooltip control asks; ids without a row (statics,
        // "Idle Process", the saver's message field) get the empty text.
        for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
            NMTTDISPINFOA request{};
            request.hdr = {nullptr, reinterpret_cast<UINT_PTR>(control), UINT(TTN_NEEDTEXTA)};
            SendMessageA(dialog, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
            const auto row = d.texts.find(GetDlgCtrlID(control));
            EXPECT_EQ(request.lpszText ? request.lpszText : "<none>", row == d.texts.end() ? "" : row->second)
                << d.name << " " << GetDlgCtrlID(control);
        }
        NMTTDISPINFOA other{};
        other.hdr = {nullptr, reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, IDOK)), UINT(TTN_SHOW)};
        SendMessageA(dialog, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&other));
        EXPECT_EQ(other.lpszText, nullptr) << "only text requests are answered";
        DestroyWindow(dialog);
    }
    RemoveContextTips(optionsTips);
    RemoveContextTips(saverSetupTips);
}

namespace {

HWND Make(const char* cls, HWND parent, int id, int y, DWORD style = WS_CHILD | WS_VISIBLE) {
    return testenv::MakeWindow(cls, style, {10, y, 90, y + 24}, nullptr, 0, nullptr, parent, id);
}

// A hidden window standing for a dialog: a button, a static label, and a button inside a static panel.
struct TipDialog {
    TipDialog() { Make("Static", dialog, -1, 40); }
    ~TipDialog() { DestroyWindow(dialog); }
    HWND dialog = Make("Static", nullptr, 0, 0, WS_POPUP), ok = Make("Button", dialog, 1, 10),
         panel = Make("Static", dialog, 500, 70, WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME),
         power = Make("Button", panel, 400, 0);
};

// What the tooltip windows were asked to relay, seen by subclassing them.
std::vector<std::pair<HWND, UINT>> relays;
WNDPROC tooltipProc;
LRESULT CALLBACK WatchTooltip(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const MSG* relayed = reinterpret_cast<const MSG*>(lParam);
    if (message == TTM_RELAYEVENT) relays.emplace_back(relayed->hwnd, relayed->message);
    return CallWindowProcA(tooltipProc, window, message, wParam, lParam);
}

}  // namespace

TEST(ContextTips, ToolsHookAndRemoval) {
    TipDialog options, setup;
    ASSERT_TRUE(CreateContextTips(optionsTips, options.dialog));
    ASSERT_TRUE(CreateContextTips(saverSetupTips, setup.dialog));
    EXPECT_TRUE(GetWindowLongA(optionsTips.tooltip, GWL_STYLE) & TTS_ALWAYSTIP &&
                GetWindow(optionsTips.tooltip, GW_OWNER) == options.dialog);
    // Every control but the statics is a tool, children of children included, owned by its parent.
    std::map<HWND, HWND> tools;
    for (LRESULT i = 0, n = SendMessageA(optionsTips.tooltip, TTM_GETTOOLCOUNT, 0, 0); i < n; ++i) {
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        SendMessageA(optionsTips.tooltip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&tool));
        EXPECT_TRUE(tool.uFlags & TTF_IDISHWND);
        tools[reinterpret_cast<HWND>(tool.uId)] = tool.hwnd;
    }
    EXPECT_EQ(tools, (std::map<HWND, HWND>{{options.ok, options.dialog}, {options.power, options.panel}}));

    // Each hook relays only the five mouse messages, and only of its own dialog's controls.
    testenv::Pump();   // the hooks see each message as it is taken
    tooltipProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(optionsTips.tooltip, GWLP_WNDPROC));
    for (HWND tip : {optionsTips.tooltip, saverSetupTips.tooltip})
        SetWindowLongPtrA(tip, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchTooltip));
    for (UINT m : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_LBUTTONDBLCLK,
                   WM_RBUTTONDBLCLK, WM_MBUTTONDOWN, WM_KEYDOWN})
        PostMessageA(options.ok, m, 0, 0);
    PostMessageA(options.power, WM_MOUSEMOVE, 0, 0);
    PostMessageA(options.dialog, WM_MOUSEMOVE, 0, 0);
    PostMessageA(setup.ok, WM_LBUTTONDOWN, 0, 0);
    testenv::Pump();
    EXPECT_EQ(relays, (std::vector<std::pair<HWND, UINT>>{
                          {options.ok, WM_MOUSEMOVE}, {options.ok, WM_LBUTTONDOWN}, {options.ok, WM_LBUTTONUP},
                          {options.ok, WM_RBUTTONDOWN}, {options.ok, WM_RBUTTONUP}, {options.power, WM_MOUSEMOVE},
                          {setup.ok, WM_LBUTTONDOWN}}));

    // Removing one set leaves the other working; removal leaves no hook and no tooltip.
    const HHOOK setupHook = saverSetupTips.hook;   // and its tooltip window
    const HWND setupTip = saverSetupTips.tooltip;
    RemoveContextTips(saverSetupTips);
    RemoveContextTips(saverSetupTips);  // a second removal does nothing
    EXPECT_FALSE(UnhookWindowsHookEx(setupHook) || IsWindow(setupTip)) << "still installed";
    relays.clear();
    PostMessageA(options.ok, WM_LBUTTONUP, 0, 0);
    testenv::Pump();
    EXPECT_EQ(relays, (std::vector<std::pair<HWND, UINT>>{{options.ok, WM_LBUTTONUP}}));
    // A dialog destroyed without removing its tips: the hook goes at the next message taken.
    const HHOOK orphan = optionsTips.hook;
    DestroyWindow(options.dialog);
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
    testenv::Pump();
    EXPECT_FALSE(optionsTips.hook || UnhookWindowsHookEx(orphan));
    relays.clear();
}
