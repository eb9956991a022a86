// End-to-end harness: runs the real lumenkin.exe from a fresh folder and talks to it.
#include "harness.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace e2e {

namespace {

constexpr char kDesktopVariable[] = "LUMENKIN_E2E_DESKTOP";

// Runs the current test in a new process of this program on a virtual desktop of this
// name, the size of the screen and with a taskbar, and returns its exit code.
DWORD RunCurrentTestOn(const char* desktop) {
    const std::string key = "Software\\Wine\\Explorer\\Desktops";   // the test prefix turns the shell on
    char text[MAX_PATH];
    wsprintfA(text, "%dx%d", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), desktop, REG_SZ, text, lstrlenA(text) + 1);
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    GetModuleFileNameA(nullptr, text, sizeof text);
    std::string cmd = std::string("\"") + text + "\" --gtest_color=no --gtest_filter=" + test->test_suite_name() +
                      "." + test->name();
    std::string desktopName = desktop;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.lpDesktop = &desktopName[0];
    PROCESS_INFORMATION pi{};
    SetEnvironmentVariableA(kDesktopVariable, desktop);
    DWORD code = 98;
    if (CreateProcessA(text, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        if (WaitForSingleObject(pi.hProcess, 5 * 60 * 1000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 99);
        GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    SetEnvironmentVariableA(kDesktopVariable, nullptr);
    RegDeleteKeyValueA(HKEY_CURRENT_USER, key.c_str(), desktop);
    return code;
}

}  // namespace

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string ProgramDir() {
    char path[MAX_PATH * 4];
    DWORD n = GetEnvironmentVariableA("LUMENKIN_PROGRAM_DIR", path, sizeof path);
    if (n > 0 && n < sizeof path) return path;
    std::string dir(path, GetModuleFileNameA(nullptr, path, sizeof path));   // build/tests/e2e.exe
    dir.resize(dir.find_last_of('\\'));
    return dir.substr(0, dir.find_last_of('\\'));
}

Sandbox::Sandbox(const std::string& exeName, size_t minPathLength) : exeName_(exeName) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    char unique[64];
    wsprintfA(unique, "lumenkin-e2e-%lu-%lu", GetCurrentProcessId(), GetTickCount());
    root_ = dir_ = std::string(temp) + unique;
    CreateDirectoryA(root_.c_str(), nullptr);
    // The program's own path must still fit the 260 characters CreateProcess takes.
    while (dir_.size() + 1 < minPathLength) {
        dir_ += "\\" + std::string(std::min<size_t>(minPathLength - dir_.size() - 1, 60), 'd');
        CreateDirectoryA(dir_.c_str(), nullptr);
    }
    CopyFileA((ProgramDir() + "\\lumenkin.exe").c_str(), ExePath().c_str(), FALSE);
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA((ProgramDir() + "\\*.mid").c_str(), &fd);
    for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &fd))
        CopyFileA((ProgramDir() + "\\" + fd.cFileName).c_str(), (dir_ + "\\" + fd.cFileName).c_str(), FALSE);
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
}

Sandbox::Sandbox(InPlace existing) : dir_(existing.dir), root_(existing.dir), exeName_("lumenkin.exe") {}

Sandbox::~Sandbox() {
    if (pi_.hProcess) {
        if (Running() && RemoveLights() == 12345) TerminateProcess(pi_.hProcess, 99), WaitExit(5000);
        CloseHandle(pi_.hThread);
        CloseHandle(pi_.hProcess);
    }
    const std::string from = root_ + '\0';   // a list of one, ending in two NULs
    SHFILEOPSTRUCTA remove{};
    remove.wFunc = FO_DELETE;
    remove.pFrom = from.c_str();
    remove.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&remove);
}

void Sandbox::WriteIniText(const std::string& text) {
    std::ofstream(IniPath(), std::ios::binary | std::ios::trunc) << text;
}

std::string Sandbox::Value(const char* section, const char* key) const {
    char buffer[1024];
    GetPrivateProfileStringA(section, key, "<missing>", buffer, sizeof buffer, IniPath().c_str());
    return buffer;
}

std::vector<std::string> Sandbox::Keys(const char* section) const {
    std::vector<std::string> keys;
    char buffer[4096];
    const DWORD n = GetPrivateProfileStringA(section, nullptr, "", buffer, sizeof buffer, IniPath().c_str());
    for (DWORD i = 0; i < n; i += static_cast<DWORD>(keys.back().size()) + 1) keys.emplace_back(buffer + i);
    return keys;
}

bool Sandbox::Start(const char* desktop) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string desktopName = desktop ? desktop : "";
    if (desktop) si.lpDesktop = &desktopName[0];
    // Started from another folder, as from a shortcut: whatever it keeps goes beside the exe.
    std::string cmd = "\"" + ExePath() + "\"";
    if (!CreateProcessA(ExePath().c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_))
        return false;
    WaitForInputIdle(pi_.hProcess, 5000);
    return true;
}

bool Sandbox::WaitExit(DWORD timeoutMs, DWORD* exitCode) {
    if (!pi_.hProcess || WaitForSingleObject(pi_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(pi_.hProcess, exitCode);
    return true;
}

DWORD Sandbox::RemoveLights() {
    for (HWND w : WindowsOf(pi_.dwProcessId, "lumenkinWClass", nullptr)) PostMessageA(w, WM_SYSCOMMAND, 1003, 0);
    DWORD code = 12345;
    WaitExit(10000, &code);
    return code;
}

HWND Sandbox::MainWindow() const {
    std::vector<HWND> found;
    WaitFor([&] { return !(found = WindowsOf(pi_.dwProcessId, "lumenkinWClass", nullptr)).empty(); });
    return found.empty() ? nullptr : found.front();
}

std::vector<HWND> WindowsOf(DWORD pid, const char* cls, const char* caption) {
    std::vector<HWND> found;
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, cls, caption)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid) found.push_back(w);
    }
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

std::string TextOf(HWND window) {
    // The wide call crosses process boundaries whole; the ANSI one may not.
    wchar_t wide[1024] = L"";
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(wide));
    char text[2048] = "";
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
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
    EXPECT_EQ(RunCurrentTestOn(name_), 0u) << "the run on the virtual desktop " << name_ << " failed";
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
