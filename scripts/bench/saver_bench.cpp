// Saver benchmarks: frame times of each effect alone, whole saver-window frames, and pictures.
// Usage: saver_bench effects [PICTURE_FOLDER] | saver_bench window
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/settings.h"
#include "app/text.h"
#include "resource.h"
#include "saver/effects/caterpillar.h"
#include "saver/effects/curves.h"
#include "saver/effects/falling_snow.h"
#include "saver/effects/fireworks.h"
#include "saver/effects/sparks.h"
#include "saver/effects/warp_drive.h"
#include "saver/saver.h"
#include "saver/saver_effect.h"
#include "saver/saver_effect_table.h"
#include "support/test_env.h"

namespace {

constexpr int kWarmUp = 400, kTimed = 200;   // twenty seconds of warm-up: the snow lies deep, every slot is taken

const struct { const char* name; const SaverEffect* effect; } kEffects[] = {
    {"falling-snow", &fallingSnowEffect}, {"warp-drive", &warpDriveEffect},   {"fireworks", &fireworksEffect},
    {"curves", &curvesEffect},            {"caterpillar", &caterpillarEffect}, {"sparks", &sparksEffect},
};

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * (to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

// Runs `frame` kWarmUp times, then times kTimed more; prints the mean and the slowest.
template <typename F>
void TimeFrames(const char* name, F frame) {
    for (int i = 0; i < kWarmUp; ++i) frame();
    double total = 0, slowest = 0;
    for (int i = 0; i < kTimed; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        frame();
        GdiFlush();
        QueryPerformanceCounter(&end);
        const double ms = Milliseconds(start, end);
        total += ms;
        slowest = std::max(slowest, ms);
    }
    std::printf("  %-20s mean %7.3f ms   slowest %7.3f ms\n", name, total / kTimed, slowest);
}

HWND BlackWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = "SaverBenchCanvas";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, nullptr, nullptr);
    UpdateWindow(window);
    return window;
}

// The window's client area as a 24-bit BMP file.
bool SavePicture(HWND window, const std::string& path) {
    RECT client;
    GetClientRect(window, &client);
    const int w = client.right, h = client.bottom, rowBytes = (w * 3 + 3) & ~3;
    BITMAPINFOHEADER header = {sizeof header, w, h, 1, 24, BI_RGB, static_cast<DWORD>(rowBytes * h), 0, 0, 0, 0};
    std::vector<unsigned char> bits(rowBytes * h);
    HDC dc = GetDC(window), memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, w, h);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, dc, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    GetDIBits(memory, bitmap, 0, h, bits.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof header;
    BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(offset + bits.size()), 0, 0, offset};
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::fwrite(bits.data(), 1, bits.size(), out);
    return std::fclose(out) == 0;
}

void Effects(const char* pictures) {
    std::printf("Frame times of each effect alone at %d x %d (%d frames after %d of warm-up)\n",
                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), kTimed, kWarmUp);
    for (const auto& e : kEffects) {
        HWND window = BlackWindow();
        std::srand(1);
        e.effect->Reset();
        TimeFrames(e.name, [&] { e.effect->Frame(window); });
        DestroyWindow(window);
    }
    if (!pictures) return;
    for (const auto& e : kEffects) {   // five seconds of frames each
        HWND window = BlackWindow();
        e.effect->Reset();
        for (int i = 0; i < 100; ++i, Sleep(5)) e.effect->Frame(window);
        const std::string path = std::string(pictures) + "\\" + e.name + ".bmp";
        if (!SavePicture(window, path)) std::printf("could not write %s\n", path.c_str());
        DestroyWindow(window);
    }
}

// Whole frames of the running saver window: the effect, a 31-character message and the title.
void Window() {
    testenv::Spine spine({{"ScreenSaver", "1"}, {"Zoom", "0"}, {"Power", "1"}, {"Music", "0"}});
    std::printf("Whole saver frames at %d x %d with a 31-character message (%d frames after %d of warm-up)\n",
                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), kTimed, kWarmUp);
    for (LONG type = 0; type < kSaverTypeCount; ++type) {
        settings.SSType = type;
        std::strcpy(settings.SSMsg, "Season's Greetings to everyone!");
        std::srand(1);
        StartSaver();
        UpdateWindow(saverWindow);
        TimeFrames(LoadText(IDS_SAVER_TYPE_NAME_FIRST + type).c_str(),
                   [] { SendMessageA(saverWindow, WM_TIMER, kSaverTimerId, 0); });
        StopSaver();
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string what = argc > 1 ? argv[1] : "";
    if (what == "effects") {
        Effects(argc > 2 ? argv[2] : nullptr);
    } else if (what == "window") {
        Window();
    } else {
        std::fprintf(stderr, "usage: saver_bench effects [PICTURE_FOLDER] | saver_bench window\n");
        return 2;
    }
    std::fflush(stdout);
    return 0;
}
