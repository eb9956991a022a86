// The tray icon and the own taskbar window: what the shell is given, the menus, the mouse
// rules, docking, the shell's notifications, and both over the program's life.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/app.h"
#include "app/commands.h"
#include "app/settings.h"
#include "dialogs/options_dlg.h"
#include "lights/light_string.h"
#include "shell/appbar.h"
#include "shell/tray.h"
#include "support/test_env.h"

namespace {

// A hidden stand-in main window that records the commands and closes it receives. A popup
// menu it owns is noted when it opens, then closed by typing `menuKey`, or Escape when 0.
struct Recorder {
    static LRESULT CALLBACK Proc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<Recorder*>(GetWindowLongPtrA(w, GWLP_USERDATA));
        if (self && (message == WM_COMMAND || message == WM_SYSCOMMAND))
            return self->got.push_back({message, wParam}), 0;
        if (self && message == WM_CLOSE) return ++self->closes, 0;
        if (self && message == WM_INITMENUPOPUP) {
            self->menus.push_back(reinterpret_cast<HMENU>(wParam));
            if (self->menuKey) PostMessageA(w, WM_CHAR, static_cast<WPARAM>(self->menuKey), 0);
            return PostMessageA(w, WM_KEYDOWN, VK_ESCAPE, 0), 0;
        }
        return DefWindowProcA(w, message, wParam, lParam);
    }
    Recorder() { SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this)), mainWindow = hwnd; }
    ~Recorder() { DestroyWindow(hwnd), mainWindow = nullptr; }
    HWND hwnd = testenv::MakeWindow("lmkShellTestRecorder", WS_POPUP, {0, 0, 10, 10}, Proc, WS_EX_TOOLWINDOW);
    std::vector<std::pair<UINT, WPARAM>> got;
    std::vector<HMENU> menus;
    int closes = 0;
    char menuKey = 0;
};

const LONG w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);

// Another application bar, registered with the shell by the test.
struct ProbeBar {
    ProbeBar() { Send(ABM_NEW, nullptr); }
    ~ProbeBar() { Send(ABM_REMOVE, nullptr), DestroyWindow(hwnd); }
    RECT Send(DWORD message, const RECT* rect) {
        APPBARDATA data{sizeof data, hwnd, WM_APP + 77, ABE_TOP, rect ? *rect : RECT{0, 0, w, h}, 0};
        return SHAppBarMessage(message, &data), data.rc;
    }
    LONG QueryTop() { return Send(ABM_QUERYPOS, nullptr).top; }  // of what the shell offers at the top
    HWND hwnd = testenv::MakeWindow("lmkShellTestProbe", WS_POPUP, {0, 0, 10, 10}, DefWindowProcA);
};

RECT WindowRect(HWND window) { RECT r{}; return GetWindowRect(window, &r), r; }
bool IsTopmost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
bool IsAtTheBottom(HWND window) { return GetWindow(window, GW_HWNDNEXT) == nullptr; }

}  // namespace

inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

TEST(Tray, RecordAsAddedAndDeletedAndTheMenu) {
    TrayLoadResources();  // the tip is string 4500
    EXPECT_EQ(trayIcon, LoadImageA(appInstance, "trayIcon", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                   GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    const HWND owner = GetDesktopWindow();
    const NOTIFYICONDATAA add = TrayRecord(owner, TrayAction::Add), remove = TrayRecord(owner, TrayAction::Delete);
    for (const NOTIFYICONDATAA* r : {&add, &remove})
        EXPECT_TRUE(r->cbSize == NOTIFYICONDATAA_V1_SIZE && r->hWnd == owner && r->uID == 4762);
    EXPECT_EQ(std::tuple(add.uFlags, remove.uFlags, add.uCallbackMessage, std::string(add.szTip)),
              std::tuple(UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP), 0u, 1125u, std::string("Lumenkin")));
    EXPECT_TRUE(add.hIcon && add.hIcon == trayIcon);
    for (bool open : {false, true}) {   // Options is greyed while its dialog is open
        optionsOpen = open;
        HMENU menu = TrayBuildMenu();
        EXPECT_EQ(testenv::MenuItems(menu), (std::vector<std::string>{"1004 * LUMENKIN v2.0 * grey", "-",
                  "1000 &About Lumenkin...", open ? "1001 &Options... grey" : "1001 &Options...", "-",
                  "1003 &Remove Lights"}));
        DestroyMenu(menu);
    }
    optionsOpen = false;
}

TEST(Tray, MouseRulesAndMenuCommands) {
    Recorder rec;
    auto callback = [](WPARAM id, LPARAM mouse) { TrayOnCallback(id, mouse), testenv::Pump(); };
    // Only a left button-down on our icon asks for Options: a double click asks once.
    for (LPARAM m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) callback(kTrayIconId, m);
    callback(kTrayIconId + 1, WM_LBUTTONDOWN);
    for (LPARAM m : {WM_MOUSEMOVE, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_MBUTTONDOWN}) callback(kTrayIconId, m);
    EXPECT_TRUE(rec.menus.empty());
    // A right button-down on any icon shows the menu, destroyed after use; a choice comes back as a command.
    for (char key : {'a', 'o', 'r'}) {
        rec.menuKey = key;
        callback(key == 'a' ? 99 : kTrayIconId, WM_RBUTTONDOWN);
    }
    const std::vector<std::pair<UINT, WPARAM>> expected = {
        {WM_SYSCOMMAND, 1001}, {WM_COMMAND, 1000}, {WM_COMMAND, 1001}, {WM_COMMAND, 1003}};
    EXPECT_EQ(rec.got, expected);
    ASSERT_EQ(rec.menus.size(), 3u);
    for (HMENU menu : rec.menus) EXPECT_FALSE(IsMenu(menu));
}

// The bar, created below another bar that holds the top 20 pixels, with a recorder as main window.
class AppBarTest : public ::testing::Test {
protected:
    void SetUp() override { bar = ownWindow = AppBarCreate(appInstance); }
    void TearDown() override { DestroyWindow(bar), testenv::RemoveIni(); }
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam = 0) {
        const LRESULT result = SendMessageA(bar, message, wParam, lParam);
        return testenv::Pump(), result;
    }
    void MoveAway() { SetWindowPos(bar, nullptr, 100, 100, 50, 10, SWP_NOZORDER | SWP_NOACTIVATE); }
    const RECT top{0, 0, w, 20}, strip{0, 20, w, 52};
    Recorder recorder;
    ProbeBar taskbar;
    RECT taken = taskbar.Send(ABM_SETPOS, &top);  // before the bar is made, in SetUp
    HWND bar = nullptr;
};

TEST_F(AppBarTest, WindowAndDockingOnEverySide) {
    EXPECT_EQ(GetClassLongPtrA(bar, GCL_STYLE), CS_DBLCLKS);
    EXPECT_EQ(GetWindowLongA(bar, GWL_STYLE) & (WS_CHILD | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE), WS_CHILD);
    EXPECT_TRUE(IsTopmost(bar) && WindowRect(bar) == strip);
    const struct { int side; RECT docked; } sides[] = {
        {kSideLeft, {0, 20, 32, h}}, {kSideTop, strip}, {kSideRight, {w - 32, 20, w, h}},
        {kSideBottom, {0, h - 32, w, h}}};
    for (const auto& s : sides) {
        EXPECT_TRUE(AppBarDockedRect(s.side) == s.docked) << s.side;
        EXPECT_NE(AppBarSetSide(s.side), 0u);
        EXPECT_TRUE(WindowRect(bar) == s.docked) << s.side;
    }
    // The shell reaches the bar with its callback message: when another bar moves, it re-docks.
    MoveAway();
    taskbar.Send(ABM_SETPOS, &strip);
    testenv::Pump(100);
    EXPECT_TRUE(WindowRect(bar) == sides[3].docked);
}

TEST_F(AppBarTest, ShellNotificationsRereadStateRedockAndOrderTheBar) {
    ShowWindow(bar, SW_SHOWNA);
    // Re-docking keeps the bar topmost, drops it to the bottom under a full-screen application,
    // and leaves it among the others when it is not to stay on top.
    const struct { WPARAM code; LPARAM lParam; int side; bool onTop, redocks, fullScreen; } rows[] = {
        {ABN_STATECHANGE, 0, kSideTop, true, false, false},  {ABN_POSCHANGED, 0, kSideTop, true, true, false},
        {ABN_POSCHANGED, 0, kSideFloating, true, false, false}, {ABN_FULLSCREENAPP, 1, kSideTop, true, true, true},
        {ABN_FULLSCREENAPP, 0, kSideTop, true, true, false},  {ABN_WINDOWARRANGE, 0, kSideTop, true, false, false},
        {ABN_POSCHANGED, 0, kSideTop, false, true, false}};
    for (const auto& r : rows) {
        MoveAway();
        SetWindowPos(bar, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        appBar.dock.side = r.side;
        appBar.dock.alwaysOnTop = r.onTop;
        appBar.taskbarState = 0x55;
        EXPECT_EQ(Send(1863, r.code, r.lParam), 0);
        EXPECT_EQ(WindowRect(bar) == strip, r.redocks) << r.code;
        EXPECT_EQ(appBar.taskbarState != 0x55, r.code == ABN_STATECHANGE) << r.code;
        EXPECT_EQ(appBar.fullScreen, r.fullScreen) << r.code;
        EXPECT_EQ(IsTopmost(bar), r.redocks && r.onTop && !r.fullScreen) << r.code;
        EXPECT_EQ(IsAtTheBottom(bar), r.redocks && r.fullScreen) << r.code;
    }
}

TEST_F(AppBarTest, MessagesAndCommands) {
    testenv::WriteIni("Settings", "Zoom", "0");  // read when the Options dialog is cancelled
    settings.Zoom = 0;
    settings.BackColor = 5;
    EXPECT_EQ(Send(WM_LBUTTONDBLCLK, 0), 1);
    EXPECT_EQ(testenv::ClassBrushColour(bar), RGB(0, 0, 127));
    EXPECT_EQ(Send(WM_CLOSE, 0), 1);
    EXPECT_EQ(Send(WM_COMMAND, kCmdRemoveLights), 1);
    PostMessageA(bar, WM_CHAR, 'x', 0);  // read by the context menu: "E&xit Lumenkin"
    EXPECT_EQ(Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(bar), MAKELPARAM(40, 10)), 1);
    EXPECT_EQ(recorder.closes, 3);
    const struct { WPARAM command; const char* opens; HWND owner; } rows[] = {
        {1000, "About Lumenkin...", recorder.hwnd}, {1008, "Select Background Color", recorder.hwnd},
        {1001, "Options", bar}};
    for (const auto& r : rows) {
        const testenv::CaughtDialog opened = testenv::DialogOpenedBy([&] { Send(WM_COMMAND, r.command); });
        EXPECT_TRUE(opened.caption == r.opens && opened.owner == r.owner) << r.command;
    }
    // Auto-hide gives the strip back, and the bar slides away to the edge.
    Send(WM_COMMAND, kCmdBarAutoHide);
    EXPECT_TRUE(WindowRect(bar) == (RECT{0, -30, w, 2}));
    EXPECT_EQ(ProbeBar().QueryTop(), 20);
    Send(WM_COMMAND, kCmdBarAutoHide);
    EXPECT_TRUE(WindowRect(bar) == strip);
}

TEST(ShellProgram, TrayIconAndBarComeWithTheProgramSurviveAShellRestartAndGoAtItsEnd) {
    testenv::Spine spine({{"OwnWindow", "1"}});
    ASSERT_TRUE(spine.ok());
    HWND bar = ownWindow, main = mainWindow;
    auto hasIcon = [main] {  // the shell accepts a change to an icon it knows
        NOTIFYICONDATAA data = TrayRecord(main, TrayAction::Delete);
        return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
    };
    ProbeBar later;
    EXPECT_TRUE(hasIcon() && IsWindowVisible(bar) && later.QueryTop() == 32);
    // A restarted shell has lost the icon and the bar, and announces its new taskbar.
    TrayRemoveIcon(main);
    AppBarMessage(ABM_REMOVE, kSideNone, 0, nullptr);
    for (HWND window : {main, bar}) SendMessageA(window, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(hasIcon());
    EXPECT_EQ(AppBarMessage(ABM_NEW, kSideTop, 0, nullptr), 0u) << "the shell should know the bar again";
    // The clean-up at the program's end removes the icon and the bar, which gives its strip back.
    ShutdownCleanup(main);
    EXPECT_FALSE(hasIcon() || IsWindow(bar) || ownWindow);
    EXPECT_EQ(later.QueryTop(), 0);
}
