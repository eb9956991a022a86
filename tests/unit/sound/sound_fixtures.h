// Fixtures of the sound tests: the multimedia stand-in, song files, a started program,
// a stand-in Options dialog that keeps the "Playing:" texts, and a message-box answerer.
#pragma once
#include <windows.h>
#include <mmsystem.h>

#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/commands.h"
#include "app/settings.h"
#include "dialogs/options_dlg.h"
#include "sound/music.h"
#include "sound/winmm_calls.h"
#include "support/test_env.h"

namespace soundtest {

using Strings = std::vector<std::string>;

// Swaps itself into the `winmm` table for its lifetime. Like MCI, stopping a song whose
// play asked for a notification posts MCI_NOTIFY_ABORTED to that play's window.
struct FakeWinmm {
    struct Call { std::string command; HWND window; };
    std::vector<Call> commands;
    std::vector<std::pair<const void*, UINT>> sounds;
    UINT devices = 0;
    std::map<std::string, MCIERROR> failures;   // by the command's first word
    std::map<std::string, HWND> notify;         // alias -> window of its "play ... notify"
    WinmmCalls saved = winmm;

    static FakeWinmm*& Active() { static FakeWinmm* a = nullptr; return a; }
    FakeWinmm() { Active() = this; winmm = {Send, []() WINAPI { return Active()->devices; }, Play}; }
    ~FakeWinmm() { winmm = saved; Active() = nullptr; }
    Strings Texts() const { Strings t; for (const Call& c : commands) t.push_back(c.command); return t; }

    static MCIERROR WINAPI Send(LPCSTR command, LPSTR reply, UINT size, HWND callback) {
        if (reply && size) reply[0] = '\0';
        FakeWinmm& self = *Active();
        const std::string text = command, verb = text.substr(0, text.find(' '));
        const std::string alias = text.substr(verb.size() + 1, text.find(' ', verb.size() + 1) - verb.size() - 1);
        self.commands.push_back({text, callback});
        if (verb == "play" && text.size() > 7 && text.substr(text.size() - 7) == " notify") self.notify[alias] = callback;
        if (verb == "stop" && self.notify.count(alias)) {
            PostMessageA(self.notify[alias], MM_MCINOTIFY, MCI_NOTIFY_ABORTED, 1);
            self.notify.erase(alias);
        }
        auto f = self.failures.find(verb);
        return f == self.failures.end() ? 0 : f->second;
    }
    static BOOL WINAPI Play(LPCSTR sound, UINT flags) { Active()->sounds.push_back({sound, flags}); return FALSE; }
};

// The test program's folder, with its trailing backslash: the player looks for songs there.
inline std::string ProgramFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s = path;
    return s.substr(0, s.find_last_of('\\') + 1);
}

inline std::string ShortPathOf(const std::string& path) {
    char buffer[1024];
    DWORD n = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    return n ? std::string(buffer, n) : path;
}

// Small files with these names in the program's folder for the life of the object.
struct SongFiles {
    Strings names;
    explicit SongFiles(Strings n) : names(std::move(n)) { for (auto& s : names) std::ofstream(ProgramFolder() + s) << "MThd"; }
    ~SongFiles() { for (auto& s : names) DeleteFileA((ProgramFolder() + s).c_str()); }
};

// Section "Music": "NumEntries" and "MIDI1".. from the names; "Current" removed.
inline void WritePlaylist(const Strings& names) {
    testenv::WriteIni(kMusicSection, "NumEntries", std::to_string(names.size()).c_str());
    for (size_t i = 0; i < names.size(); ++i)
        testenv::WriteIni(kMusicSection, ("MIDI" + std::to_string(i + 1)).c_str(), names[i].c_str());
    testenv::WriteIni(kMusicSection, "Current", nullptr);
}

// The real program started with the playlist "alpha.mid", "beta.mid" at "Current" 1.
struct StartedWithMusic {
    SongFiles songs{{"alpha.mid", "beta.mid"}};
    bool ok = false;
    StartedWithMusic(FakeWinmm& fake, const char* music, const char* power) {
        MIDIStop();
        testenv::RemoveIni();
        for (auto [k, v] : {std::pair{"WarnMusic", "0"}, {"StartOptions", "0"}, {"Music", music}, {"Power", power}})
            testenv::WriteIni(kSettingsSection, k, v);
        WritePlaylist({"alpha.mid", "beta.mid"});
        testenv::WriteIni(kMusicSection, "Current", "1");
        fake.commands.clear();
        appInstance = GetModuleHandleA(nullptr);
        CreateMainClass(appInstance);
        ok = InitInstance(appInstance, SW_HIDE) == 1;
    }
    ~StartedWithMusic() {
        if (mainWindow && IsWindow(mainWindow)) SendMessageA(mainWindow, WM_CLOSE, 0, 0);
        mainWindow = nullptr;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message != WM_QUIT) DispatchMessageA(&msg);
        MIDIStop();
        testenv::RemoveIni();
    }
};

// Stands in for the open Options dialog (`optionsDialog`) and keeps every WM_NOWPLAYING text.
struct LabelWindow {
    Strings texts;
    HWND window;
    LabelWindow() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) CALLBACK -> LRESULT {
            auto* self = reinterpret_cast<LabelWindow*>(GetWindowLongPtrA(w, GWLP_USERDATA));
            if (m != WM_NOWPLAYING || !self) return DefWindowProcA(w, m, wp, lp);
            self->texts.push_back(reinterpret_cast<const char*>(lp));
            return 0;
        };
        wc.lpszClassName = "SoundTestLabel";
        RegisterClassA(&wc);
        window = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        optionsDialog = window;
    }
    ~LabelWindow() { optionsDialog = nullptr; DestroyWindow(window); }
};

// Runs `action` while a timer answers every message box with OK; gives "caption|text" of each.
inline Strings AnswerMessageBoxes(const std::function<void()>& action) {
    static Strings answered;
    answered.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK {
        EnumThreadWindows(GetCurrentThreadId(), [](HWND w, LPARAM) CALLBACK -> BOOL {
            char cls[32] = "", caption[128] = "", text[256] = "";
            GetClassNameA(w, cls, sizeof cls);
            if (std::string(cls) != "#32770" || !IsWindowVisible(w)) return TRUE;
            GetWindowTextA(w, caption, sizeof caption);
            GetDlgItemTextA(w, 0xFFFF, text, sizeof text);
            answered.push_back(std::string(caption) + "|" + text);
            PostMessageA(w, WM_COMMAND, IDOK, 0);
            return TRUE;
        }, 0);
    });
    action();
    KillTimer(nullptr, timer);
    return answered;
}

}  // namespace soundtest
