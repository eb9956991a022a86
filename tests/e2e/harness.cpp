// End-to-end harness: runs the real lumenkin.exe from a fresh folder and talks to it.
#include "harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace e2e {

namespace {

constexpr char kDesktopVariable[] = "LUMENKIN_E2E_DESKTOP";

// The first top-level window of process `pid` with this class and caption (null: any).
HWND WindowOf(DWORD pid, const char* cls, const char* caption, bool visible) {
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, cls, caption)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid && (!visible || IsWindowVisible(w))) return w;
    }
    return nullptr;
}

}  // namespace

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
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
    wsprintfA(temp + GetTempPathA(MAX_PATH - 64, temp), "lumenkin-e2e-%lu-%lu", GetCurrentProcessId(), GetTickCount());
    root_ = dir_ = temp;
    CreateDirectoryA(root_.c_str(), nullptr);
    // The program's own path must still fit the 260 characters CreateProcess takes.
    while (dir_.size() + 1 < minPathLength) {
        dir_ += "\\" + std::string(std::min<size_t>(minPathLength - dir_.size() - 1, 60), 'd');
        CreateDirectoryA(dir_.c_str(), nullptr);
    }
    const std::string from = ProgramDir() + "\\";
    CopyFileA((from + "lumenkin.exe").c_str(), ExePath().c_str(), FALSE);
    for (const char* tune : kTunes) CopyFileA((from + tune).c_str(), (dir_ + "\\" + tune).c_str(), FALSE);
}

Sandbox::~Sandbox() {
    if (pi_.hProcess) {
        if (RemoveLights() == kNotEnded) TerminateProcess(pi_.hProcess, 99), WaitForSingleObject(pi_.hProcess, 5000);
        CloseHandle(pi_.hThread);
        CloseHandle(pi_.hProcess);
    }
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

void Sandbox::WriteIniText(const std::string& text) {
    std::ofstream(IniPath(), std::ios::binary | std::ios::trunc) << text;
}

std::string Sandbox::Value(const char* section, const char* key) const {
    char buffer[1024];
    GetPrivateProfileStringA(section, key, "<missing>", buffer, sizeof buffer, IniPath().c_str());
    return buffer;
}

bool Sandbox::Start(const char* desktop) {
    std::string desktopName = desktop ? desktop : "", cmd = "\"" + ExePath() + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.lpDesktop = desktop ? &desktopName[0] : nullptr;
    // Started from another folder, as from a shortcut: whatever it keeps goes beside the exe.
    const bool started = CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_);
    if (started) WaitForInputIdle(pi_.hProcess, 5000);
    return started;
}

DWORD Sandbox::ExitCode() {
    DWORD code = kNotEnded;
    if (WaitForSingleObject(pi_.hProcess, 10000) == WAIT_OBJECT_0) GetExitCodeProcess(pi_.hProcess, &code);
    return code;
}

DWORD Sandbox::RemoveLights() {
    PostMessageA(WindowOf(pid(), "lumenkinWClass", nullptr, false), WM_SYSCOMMAND, 1003, 0);
    return ExitCode();
}

HWND Sandbox::MainWindow() const { return WaitForWindow(pid(), "lumenkinWClass", nullptr, 10000, false); }

HWND WaitForWindow(DWORD pid, const char* cls, const char* caption, DWORD timeoutMs, bool visible) {
    HWND found = nullptr;
    if (!WaitFor([&] { return (found = WindowOf(pid, cls, caption, visible)) != nullptr; }, timeoutMs) && timeoutMs)
        ADD_FAILURE() << "no window " << (caption ? caption : cls) << " showed";
    return found;
}

std::wstring TextOf(HWND window) {
    wchar_t text[1024] = L"";   // the wide call crosses process boundaries whole; the ANSI one may not
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
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
    // Runs the current test in a new process of this program on a virtual desktop the
    // size of the screen and with a taskbar.
    wsprintfA(name_, "LumenkinE2E%lu", GetCurrentProcessId());
    const std::string key = "Software\\Wine\\Explorer\\Desktops";   // the test prefix turns the shell on
    char text[MAX_PATH];
    wsprintfA(text, "%dx%d", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name_, REG_SZ, text, lstrlenA(text) + 1);
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    GetModuleFileNameA(nullptr, text, sizeof text);
    std::string cmd = std::string("\"") + text + "\" --gtest_color=no --gtest_filter=" + test->test_suite_name() +
                      "." + test->name();
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.lpDesktop = name_;
    PROCESS_INFORMATION pi{};
    SetEnvironmentVariableA(kDesktopVariable, name_);
    DWORD code = 98;
    if (CreateProcessA(text, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        if (WaitForSingleObject(pi.hProcess, 5 * 60 * 1000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 99);
        GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    SetEnvironmentVariableA(kDesktopVariable, nullptr);
    RegDeleteKeyValueA(HKEY_CURRENT_USER, key.c_str(), name_);
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

std::vector<uint32_t> Picture(int width, int height, const uint32_t* start, const std::function<void(HDC)>& draw) {
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    auto* pixels = static_cast<uint32_t*>(bits);
    if (start) std::copy(start, start + width * height, pixels);
    draw(dc);
    GdiFlush();
    std::vector<uint32_t> picture(pixels, pixels + width * height);
    for (uint32_t& pixel : picture) pixel &= 0xFFFFFF;
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return picture;
}

std::vector<uint32_t> ScreenBits(const RECT& area) {
    return Picture(area.right - area.left, area.bottom - area.top, nullptr, [&](HDC dc) {
        HDC screen = GetDC(nullptr);
        BitBlt(dc, 0, 0, area.right - area.left, area.bottom - area.top, screen, area.left, area.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
    });
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
