// End-to-end harness: runs the real lumenkin.exe from a fresh folder and talks to it.
#include "harness.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace e2e {

namespace {

std::string ModuleDir() {
    char path[MAX_PATH * 4];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir(path, n);
    return dir.substr(0, dir.find_last_of('\\'));
}

void RemoveTree(const std::string& dir) {
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = fd.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = dir + "\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &fd));
        FindClose(find);
    }
    RemoveDirectoryA(dir.c_str());
}

// Files that ship beside the program (tunes and the like).
void CopyDataFiles(const std::string& from, const std::string& to) {
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA((from + "\\*.mid").c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        CopyFileA((from + "\\" + fd.cFileName).c_str(), (to + "\\" + fd.cFileName).c_str(), FALSE);
    } while (FindNextFileA(find, &fd));
    FindClose(find);
}

constexpr char kDesktopVariable[] = "LUMENKIN_E2E_DESKTOP";
constexpr char kDesktopsKey[] = "Software\\Wine\\Explorer\\Desktops";
constexpr DWORD kDesktopRunMs = 5 * 60 * 1000;

// Tells Wine's explorer to show the desktop of this name as a virtual desktop the size
// of the screen, with a taskbar; or forgets it again.
void DescribeDesktop(const char* name, bool add) {
    HKEY desktops;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &desktops,
                        nullptr) != ERROR_SUCCESS)
        return;
    if (add) {
        char size[32];
        wsprintfA(size, "%dx%d", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        RegSetValueExA(desktops, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(size), lstrlenA(size) + 1);
        const DWORD on = 1;
        RegSetKeyValueA(desktops, name, "EnableShell", REG_DWORD, &on, sizeof on);
    } else {
        RegDeleteValueA(desktops, name);
        RegDeleteKeyA(desktops, name);
    }
    RegCloseKey(desktops);
}

// Runs the current test in a new process of this program on the named desktop and
// returns its exit code; its output goes where this program's goes.
DWORD RunCurrentTestOn(const char* desktop) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string cmd = std::string("\"") + exe + "\" --gtest_color=no --gtest_filter=" + test->test_suite_name() +
                      "." + test->name();
    std::string desktopName = desktop;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.lpDesktop = &desktopName[0];
    PROCESS_INFORMATION pi{};
    SetEnvironmentVariableA(kDesktopVariable, desktop);
    const BOOL started = CreateProcessA(exe, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    SetEnvironmentVariableA(kDesktopVariable, nullptr);
    if (!started) return 98;
    DWORD code = 99;
    if (WaitForSingleObject(pi.hProcess, kDesktopRunMs) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    else TerminateProcess(pi.hProcess, code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

struct FindRequest {
    DWORD pid;
    const char* cls;
    const char* caption;
    std::vector<HWND>* found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto* req = reinterpret_cast<FindRequest*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != req->pid) return TRUE;
    char text[256];
    if (req->cls) {
        GetClassNameA(window, text, sizeof text);
        if (lstrcmpiA(text, req->cls) != 0) return TRUE;
    }
    if (req->caption) {
        GetWindowTextA(window, text, sizeof text);
        if (lstrcmpA(text, req->caption) != 0) return TRUE;
    }
    req->found->push_back(window);
    return TRUE;
}

}  // namespace

std::string ProgramDir() {
    char given[MAX_PATH];
    DWORD n = GetEnvironmentVariableA("LUMENKIN_PROGRAM_DIR", given, sizeof given);
    if (n > 0 && n < sizeof given) return given;
    std::string dir = ModuleDir();
    return dir.substr(0, dir.find_last_of('\\'));
}

Sandbox::Sandbox(const std::string& exeName, size_t minPathLength) : exeName_(exeName) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    char unique[64];
    wsprintfA(unique, "lumenkin-e2e-%lu-%lu", GetCurrentProcessId(), GetTickCount());
    root_ = std::string(temp) + unique;
    CreateDirectoryA(root_.c_str(), nullptr);
    dir_ = root_;
    // Nest folders until the path is exactly minPathLength long (the program's own path
    // must still fit the classic 260-character limit of CreateProcess).
    const std::string level = "\\a-rather-long-folder-name-for-testing-deep-paths";
    while (dir_.size() + level.size() < minPathLength) {
        dir_ += level;
        CreateDirectoryA(dir_.c_str(), nullptr);
    }
    if (dir_.size() + 1 < minPathLength) {
        dir_ += "\\" + std::string(minPathLength - dir_.size() - 1, 'x');
        CreateDirectoryA(dir_.c_str(), nullptr);
    }
    CopyFileA((ProgramDir() + "\\lumenkin.exe").c_str(), ExePath().c_str(), FALSE);
    CopyDataFiles(ProgramDir(), dir_);
}

Sandbox::Sandbox(InPlace existing) : dir_(existing.dir), root_(existing.dir), exeName_("lumenkin.exe") {}

Sandbox::~Sandbox() {
    Stop();
    RemoveTree(root_);
}

bool Sandbox::IniExists() const { return GetFileAttributesA(IniPath().c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Sandbox::IniText() const {
    std::ifstream in(IniPath(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void Sandbox::WriteIniText(const std::string& text) {
    std::ofstream out(IniPath(), std::ios::binary | std::ios::trunc);
    out << text;
}

void Sandbox::SetValue(const char* section, const char* key, const char* value) {
    WritePrivateProfileStringA(section, key, value, IniPath().c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, IniPath().c_str());   // flush
}

std::string Sandbox::Value(const char* section, const char* key, const char* fallback) const {
    char buffer[1024];
    GetPrivateProfileStringA(section, key, fallback, buffer, sizeof buffer, IniPath().c_str());
    return buffer;
}

std::vector<std::string> Sandbox::Keys(const char* section) const {
    std::vector<std::string> keys;
    char buffer[4096];
    DWORD n = GetPrivateProfileStringA(section, nullptr, "", buffer, sizeof buffer, IniPath().c_str());
    for (DWORD i = 0; i < n;) {
        keys.emplace_back(buffer + i);
        i += static_cast<DWORD>(keys.back().size()) + 1;
    }
    return keys;
}

void Sandbox::WriteQuietIni() {
    WriteIniText("[Settings]\r\nWarnMusic=0\r\nStartOptions=0\r\n");
}

bool Sandbox::Start(const char* desktop) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string desktopName = desktop ? desktop : "";
    if (desktop) si.lpDesktop = &desktopName[0];
    std::string cmd = "\"" + ExePath() + "\"";
    if (!CreateProcessA(ExePath().c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, dir_.c_str(), &si, &pi_))
        return false;
    WaitForInputIdle(pi_.hProcess, 5000);
    return true;
}

bool Sandbox::Running() const {
    return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Sandbox::WaitExit(DWORD timeoutMs, DWORD* exitCode) {
    if (!pi_.hProcess) return false;
    if (WaitForSingleObject(pi_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(pi_.hProcess, exitCode);
    return true;
}

void Sandbox::Stop() {
    if (!pi_.hProcess) return;
    if (Running()) {
        for (HWND w : WindowsOf(pi_.dwProcessId, "lumenkinWClass", nullptr))
            PostMessageA(w, WM_SYSCOMMAND, 1003, 0);
        if (WaitForSingleObject(pi_.hProcess, 5000) != WAIT_OBJECT_0) {
            TerminateProcess(pi_.hProcess, 99);
            WaitForSingleObject(pi_.hProcess, 5000);
        }
    }
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
    pi_ = PROCESS_INFORMATION{};
}

HWND Sandbox::MainWindow(DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitFor([&] {
        auto all = WindowsOf(pi_.dwProcessId, "lumenkinWClass", nullptr);
        found = all.empty() ? nullptr : all.front();
        return found != nullptr;
    }, timeoutMs);
    return found;
}

std::vector<HWND> WindowsOf(DWORD pid, const char* cls, const char* caption) {
    std::vector<HWND> found;
    FindRequest req{pid, cls, caption, &found};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&req));
    return found;
}

HWND WaitForWindow(DWORD pid, const char* cls, const char* caption, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitFor([&] {
        for (HWND w : WindowsOf(pid, cls, caption))
            if (IsWindowVisible(w)) { found = w; return true; }
        return false;
    }, timeoutMs);
    return found;
}

HWND WaitForDialog(DWORD pid, const char* caption, DWORD timeoutMs) {
    return WaitForWindow(pid, "#32770", caption, timeoutMs);
}

std::string TextOf(HWND window) {
    // The wide call crosses process boundaries whole; the ANSI one may not.
    wchar_t wide[1024] = L"";
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(wide));
    char text[2048];
    int n = WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return n > 0 ? std::string(text) : std::string();
}

std::string MessageBoxText(HWND box) {
    // The message is the box's longest static text (the other static holds the icon).
    std::string best;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[32];
        GetClassNameA(child, cls, sizeof cls);
        if (lstrcmpiA(cls, "Static") != 0) continue;
        std::string text = TextOf(child);
        if (text.size() > best.size()) best = text;
    }
    return best;
}

void PressButton(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void SetCheck(HWND dialog, int id, bool checked) {
    SendMessageA(GetDlgItem(dialog, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

VirtualDesktop::VirtualDesktop() {
    if (GetEnvironmentVariableA(kDesktopVariable, name_, sizeof name_)) {
        // The first use of the desktop window starts the explorer that shows it.
        GetDesktopWindow();
        here_ = WaitFor([] { return FindWindowA("Shell_TrayWnd", nullptr) != nullptr; });
        if (!here_) ADD_FAILURE() << "the virtual desktop did not show";
        return;
    }
    wsprintfA(name_, "LumenkinE2E%lu", GetCurrentProcessId());
    DescribeDesktop(name_, true);
    const DWORD code = RunCurrentTestOn(name_);
    DescribeDesktop(name_, false);
    EXPECT_EQ(code, 0u) << "the run on the virtual desktop " << name_ << " failed";
}

VirtualDesktop::~VirtualDesktop() {
    if (!here_) return;
    // Its explorer ends with the desktop, and with it the desktop's window on the X screen.
    HWND desktop = GetDesktopWindow();
    DWORD pid = 0;
    GetWindowThreadProcessId(desktop, &pid);
    HANDLE explorer = OpenProcess(SYNCHRONIZE, FALSE, pid);
    PostMessageA(desktop, WM_CLOSE, 0, 0);
    if (!explorer) return;
    WaitForSingleObject(explorer, 10000);
    CloseHandle(explorer);
}

COLORREF ScreenPixel(int x, int y) {
    HDC dc = GetDC(nullptr);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(nullptr, dc);
    return c;
}

std::vector<uint32_t> ScreenBits(const RECT& area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    std::vector<uint32_t> pixels(static_cast<uint32_t*>(bits), static_cast<uint32_t*>(bits) + width * height);
    for (uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

void FillScreen(COLORREF colour) {
    HDC dc = GetDC(nullptr);
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    ReleaseDC(nullptr, dc);
}

}  // namespace e2e
