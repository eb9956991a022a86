// Shared set-up of the light string tests: known settings, restored afterwards; a window
// to paint into and icons of known colours.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "app/settings.h"
#include "lights/bulb_catalogue.h"
#include "lights/bulb_icons.h"
#include "lights/flash_engine.h"
#include "lights/light_string.h"
#include "saver/saver.h"
#include "support/test_env.h"

constexpr COLORREF kBackground = RGB(12, 34, 56);

// A shown top-left popup filled with kBackground.
struct Canvas {
    Canvas(int width, int height) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = Brush();
        wc.lpszClassName = "LightsTestCanvas";
        RegisterClassA(&wc);
        hwnd = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP, 0, 0, width,
                               height, nullptr, nullptr, wc.hInstance, nullptr);
        ShowWindow(hwnd, SW_SHOWNOACTIVATE);
        Clear();
    }
    ~Canvas() { DestroyWindow(hwnd); }
    static HBRUSH Brush() {
        static HBRUSH brush = CreateSolidBrush(kBackground);
        return brush;
    }
    void Clear() {
        RECT rc;
        GetClientRect(hwnd, &rc);
        HDC dc = GetDC(hwnd);
        FillRect(dc, &rc, Brush());
        ReleaseDC(hwnd, dc);
        testenv::Pump();
    }
    COLORREF Pixel(int x, int y) const { return testenv::WindowPixel(hwnd, x, y); }
    HWND hwnd;
};

class LightsTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = {settings, lightString, ownWindow, saverWindow, lastStepTick, lastChangeTick};
        settings.Mode = settings.Broken = settings.BurnedOut = settings.BulbType = settings.NotSoMany = 0;
        settings.MissingBulbs = settings.NoFlicker = settings.OwnWindow = settings.ChangeLights = 0;
        settings.KeyLights = settings.IdleProcess = 0;
        settings.Color = settings.Rate = 2;
        settings.Power = 1;
        lightString.bulbCount = 20;
        lightString.chasePos = 0;
        ownWindow = saverWindow = nullptr;
        lastChangeTick = GetTickCount();   // no five-minute change unless a test asks
    }
    void TearDown() override {
        settings = saved_.settings;
        lightString = saved_.string;
        ownWindow = saved_.own;
        saverWindow = saved_.saver;
        lastStepTick = saved_.step;
        lastChangeTick = saved_.change;
        for (HICON icon : testIcons_) DestroyIcon(icon);
    }

    static void Load(LONG bulbType, LONG color) {
        settings.BulbType = bulbType;
        settings.Color = color;
        LoadBulbSet();
    }
    static Bulb& B(LONG i) { return lightString.bulbs[i]; }
    static std::vector<LONG> LitBulbs() {
        std::vector<LONG> lit;
        for (LONG i = 0; i < lightString.bulbCount; ++i)
            if (B(i).lit) lit.push_back(i);
        return lit;
    }
    static COLORREF TestColour(LONG i, LONG lit) { return RGB(8 * i, lit ? 240 : 60, lit ? 40 : 200); }

    // An icon of one colour, transparent in a border `border` pixels wide.
    HICON SolidIcon(COLORREF colour, int border = 4) {
        HDC screen = GetDC(nullptr);
        ICONINFO info{TRUE, 0, 0, CreateBitmap(kBulbSize, kBulbSize, 1, 1, nullptr),
                      CreateCompatibleBitmap(screen, kBulbSize, kBulbSize)};
        HDC dc = CreateCompatibleDC(screen);
        const RECT all = {0, 0, kBulbSize, kBulbSize};
        const RECT inner = {border, border, kBulbSize - border, kBulbSize - border};
        HGDIOBJ old = SelectObject(dc, info.hbmColor);
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        HBRUSH fill = CreateSolidBrush(colour);
        FillRect(dc, &inner, fill);
        DeleteObject(fill);
        SelectObject(dc, info.hbmMask);   // white (transparent) around, black inside
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        FillRect(dc, &inner, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        SelectObject(dc, old);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        HICON icon = CreateIconIndirect(&info);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        testIcons_.push_back(icon);
        return icon;
    }
    // Bulbs 0..count-1 at their places with icons of TestColour.
    void DressBulbs(LONG count) {
        lightString.bulbCount = count;
        for (LONG i = 0; i < count; ++i) {
            B(i) = Bulb{};
            B(i).x = kBulbSize * i;
            B(i).icon[0] = SolidIcon(TestColour(i, 0));
            B(i).icon[1] = SolidIcon(TestColour(i, 1));
        }
        iconsLoaded = true;
    }

private:
    struct {
        Settings settings;
        LightString string;
        HWND own, saver;
        DWORD step, change;
    } saved_{};
    std::vector<HICON> testIcons_;
};

// The bulb shows the cached icon resources of these names.
inline ::testing::AssertionResult ShowsIcons(const Bulb& bulb, const char* off, const char* on) {
    if (bulb.icon[0] && bulb.icon[0] == CachedBulbIcon(off) && bulb.icon[1] == CachedBulbIcon(on))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "icons are not " << off << ", " << on;
}

inline bool IconAlive(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return false;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}
