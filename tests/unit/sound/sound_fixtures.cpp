// Fixtures of the sound tests: the multimedia stand-in, song files, a started program.
#include "sound_fixtures.h"

#include <fstream>

#include "app/app.h"
#include "app/commands.h"
#include "app/settings.h"
#include "dialogs/options_dlg.h"
#include "sound/music.h"
#include "sound/winmm_calls.h"
#include "support/test_env.h"

namespace soundtest {

namespace {
FakeWinmm* active = nullptr;
WinmmCalls saved;   // the table as it was before the stand-in took over
}  // namespace

FakeWinmm::FakeWinmm() {
    active = this;
    saved = winmm;
    winmm = {SendString, Devices, PlaySound};
}

FakeWinmm::~FakeWinmm() {
    winmm = saved;
    active = nullptr;
}

std::vector<std::string> FakeWinmm::CommandTexts() const {
    std::vector<std::string> texts;
    for (const MciCall& c : commands) texts.push_back(c.command);
    return texts;
}

MCIERROR WINAPI FakeWinmm::SendString(LPCSTR command, LPSTR reply, UINT replySize, HWND callback) {
    if (reply && replySize) reply[0] = '\0';
    FakeWinmm& self = *active;
    const std::string text = command;
    self.commands.push_back({text, callback});
    const std::string verb = text.substr(0, text.find(' '));
    const std::string rest = text.substr(verb.size() + 1);
    const std::string alias = rest.substr(0, rest.find(' '));
    if (verb == "play" && text.size() > 7 && text.compare(text.size() - 7, 7, " notify") == 0)
        self.pendingNotify_[alias] = callback;
    if (verb == "stop" && self.postAbortOnStop && self.pendingNotify_.count(alias)) {
        PostMessageA(self.pendingNotify_[alias], MM_MCINOTIFY, MCI_NOTIFY_ABORTED, 1);
        self.pendingNotify_.erase(alias);
    }
    auto failure = self.failures.find(verb);
    return failure == self.failures.end() ? 0 : failure->second;
}

UINT WINAPI FakeWinmm::Devices() { return active->devices; }

BOOL WINAPI FakeWinmm::PlaySound(LPCSTR sound, UINT flags) {
    active->sounds.push_back({sound, flags});
    return FALSE;   // as without a wave device
}

std::string ProgramFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s = path;
    return s.substr(0, s.find_last_of('\\') + 1);
}

std::string ShortPathOf(const std::string& path) {
    char buffer[1024];
    DWORD n = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    return n ? std::string(buffer, n) : path;
}

SongFiles::SongFiles(std::vector<std::string> names) : names_(std::move(names)) {
    for (const std::string& name : names_) std::ofstream(ProgramFolder() + name) << "MThd";
}

SongFiles::~SongFiles() {
    for (const std::string& name : names_) DeleteFileA((ProgramFolder() + name).c_str());
}

void WritePlaylist(const std::vector<std::string>& names) {
    testenv::WriteIni(kMusicSection, "NumEntries", std::to_string(names.size()).c_str());
    for (size_t i = 0; i < names.size(); ++i)
        testenv::WriteIni(kMusicSection, ("MIDI" + std::to_string(i + 1)).c_str(), names[i].c_str());
    testenv::WriteIni(kMusicSection, "Current", nullptr);
}

StartedWithMusic::StartedWithMusic(FakeWinmm& fake, const char* music, const char* power) {
    MIDIStop();
    fake.commands.clear();
    testenv::RemoveIni();
    testenv::WriteIni(kSettingsSection, "WarnMusic", "0");
    testenv::WriteIni(kSettingsSection, "StartOptions", "0");
    testenv::WriteIni(kSettingsSection, "Music", music);
    testenv::WriteIni(kSettingsSection, "Power", power);
    WritePlaylist({"alpha.mid", "beta.mid"});
    testenv::WriteIni(kMusicSection, "Current", "1");
    appInstance = GetModuleHandleA(nullptr);
    CreateMainClass(appInstance);   // already registered by an earlier test: harmless
    ok_ = InitInstance(appInstance, SW_HIDE) == 1;
}

StartedWithMusic::~StartedWithMusic() {
    if (mainWindow && IsWindow(mainWindow)) SendMessageA(mainWindow, WM_CLOSE, 0, 0);
    mainWindow = nullptr;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message != WM_QUIT) DispatchMessageA(&msg);
    MIDIStop();
    testenv::RemoveIni();
}

LabelWindow::LabelWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SoundTestLabel";
    RegisterClassA(&wc);   // already registered by an earlier test: harmless
    window_ = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    optionsDialog = window_;
}

LabelWindow::~LabelWindow() {
    optionsDialog = nullptr;
    DestroyWindow(window_);
}

LRESULT CALLBACK LabelWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOWPLAYING) {
        auto* self = reinterpret_cast<LabelWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self) self->texts.push_back(reinterpret_cast<const char*>(lParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

namespace {
std::vector<std::string> answered;

BOOL CALLBACK AnswerBox(HWND window, LPARAM) {
    char cls[32] = "", caption[128] = "", text[256] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (std::string(cls) != "#32770" || !IsWindowVisible(window)) return TRUE;
    GetWindowTextA(window, caption, sizeof caption);
    GetDlgItemTextA(window, 0xFFFF, text, sizeof text);   // a message box's message
    answered.push_back(std::string(caption) + "|" + text);
    PostMessageA(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

void CALLBACK AnswerTick(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), AnswerBox, 0); }
}  // namespace

std::vector<std::string> AnswerMessageBoxes(const std::function<void()>& action) {
    answered.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, AnswerTick);
    action();
    KillTimer(nullptr, timer);
    return answered;
}

}  // namespace soundtest
