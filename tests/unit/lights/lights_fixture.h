// Shared set-up of the light string tests: known settings, put back afterwards; windows and icons.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include "app/app.h"
#include "app/settings.h"
#include "lights/bulb_catalogue.h"
#include "lights/bulb_icons.h"
#include "lights/flash_engine.h"
#include "lights/flash_rates.h"
#include "lights/light_string.h"
#include "saver/saver.h"
#include "support/test_env.h"

constexpr COLORREF kBackground = RGB(12, 34, 56);
constexpr COLORREF kWipe = RGB(90, 0, 0);

// A shown popup at the top of the screen, of its own class, whose background is kBackground.
struct Canvas {
    Canvas(int width, int height, const char* name = "LightsTestCanvas") {
        hwnd = testenv::MakeWindow(name, WS_POPUP, {0, 0, width, height}, DefWindowProcA,
                                   WS_EX_TOPMOST | WS_EX_TOOLWINDOW, CreateSolidBrush(kBackground));
        ShowWindow(hwnd, SW_SHOWNOACTIVATE), Fill({0, 0, width, height}, kBackground);
    }
    ~Canvas() { DestroyWindow(hwnd); }
    void Fill(const RECT& area, COLORREF colour) {
        HDC dc = GetDC(hwnd);
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &area, brush), DeleteObject(brush), ReleaseDC(hwnd, dc), testenv::Pump();
    }
    COLORREF Pixel(int x, int y) const { return testenv::WindowPixel(hwnd, x, y); }
    HWND hwnd;
};

class LightsTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.Mode = settings.Broken = settings.BurnedOut = settings.BulbType = settings.NotSoMany = 0;
        settings.MissingBulbs = settings.NoFlicker = settings.OwnWindow = settings.ChangeLights = 0;
        settings.KeyLights = settings.IdleProcess = 0, settings.Color = settings.Rate = 2, settings.Power = 1;
        lightString.bulbCount = 20, lightString.chasePos = 0, ownWindow = saverWindow = nullptr;
        lastChangeTick = GetTickCount();   // no five-minute change unless a test asks
    }
    void TearDown() override {
        std::tie(settings, lightString, ownWindow, saverWindow, desktopWindow, mainWindow, lastStepTick,
                 lastChangeTick) = saved_;
        for (HICON icon : icons_) DestroyIcon(icon);
    }

    static Bulb& B(LONG i) { return lightString.bulbs[i]; }
    static std::vector<LONG> LitBulbs() {
        std::vector<LONG> lit;
        for (LONG i = 0; i < lightString.bulbCount; ++i) if (B(i).lit) lit.push_back(i);
        return lit;
    }
    static COLORREF TestColour(LONG i, LONG lit) { return RGB(8 * i, lit ? 240 : 60, lit ? 40 : 200); }

    // Bulbs 0..count-1 at their places, each icon of its TestColour with an alpha channel, as ours have: a
    // lit one fills its cell, a dark one leaves a border 4 pixels wide transparent.
    void DressBulbs(LONG count) {
        lightString.bulbCount = count, iconsLoaded = true;
        for (LONG i = 0; i < count; ++i) B(i) = Bulb{kBulbSize * i, 0, 0, 0, 0, 0, 0, 0, {Icon(i, 0), Icon(i, 1)}};
    }
    HICON Icon(LONG i, LONG lit) {
        const COLORREF colour = TestColour(i, lit);
        DWORD pixels[kBulbSize * kBulbSize];
        BYTE mask[kBulbSize * kBulbSize / 8] = {};   // a set bit leaves the pixel beneath
        for (int p = 0; p < kBulbSize * kBulbSize; ++p) {
            const int x = p % kBulbSize, y = p / kBulbSize;
            const bool inside = lit || (x >= 4 && y >= 4 && x < 28 && y < 28);
            pixels[p] = inside ? 0xFF000000 | GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour) : 0;
            mask[p / 8] |= inside ? 0 : 0x80 >> (p % 8);
        }
        icons_.push_back(CreateIcon(nullptr, kBulbSize, kBulbSize, 1, 32, mask, reinterpret_cast<BYTE*>(pixels)));
        return icons_.back();
    }
    std::tuple<Settings, LightString, HWND, HWND, HWND, HWND, DWORD, DWORD> saved_{
        settings, lightString, ownWindow, saverWindow, desktopWindow, mainWindow, lastStepTick, lastChangeTick};
    std::vector<HICON> icons_;
};
