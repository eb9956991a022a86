// Shared set-up of the light string tests: known settings, restored afterwards.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <set>
#include <vector>

#include "app/settings.h"
#include "lights/bulb_catalogue.h"
#include "lights/bulb_icons.h"
#include "lights/flash_engine.h"
#include "lights/light_string.h"
#include "saver/saver.h"

class LightsTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedSettings_ = settings;
        savedString_ = lightString;
        savedOwnWindow_ = ownWindow;
        savedSaverWindow_ = saverWindow;
        settings.Mode = 0;
        settings.Color = 2;
        settings.Rate = 2;
        settings.Broken = 0;
        settings.BurnedOut = 0;
        settings.BulbType = 0;
        settings.Power = 1;
        settings.NotSoMany = 0;
        settings.MissingBulbs = 0;
        settings.NoFlicker = 0;
        settings.OwnWindow = 0;
        settings.ChangeLights = 0;
        settings.KeyLights = 0;
        settings.IdleProcess = 0;
        lightString.bulbCount = 20;
        lightString.chasePos = 0;
        ownWindow = nullptr;
        saverWindow = nullptr;
    }

    void TearDown() override {
        settings = savedSettings_;
        lightString = savedString_;
        ownWindow = savedOwnWindow_;
        saverWindow = savedSaverWindow_;
    }

    // Reloads the set with these settings changed first.
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

    static std::vector<LONG> Colours() {
        std::vector<LONG> colours;
        for (LONG i = 0; i < lightString.bulbCount; ++i) colours.push_back(B(i).color);
        return colours;
    }

private:
    Settings savedSettings_{};
    LightString savedString_{};
    HWND savedOwnWindow_ = nullptr;
    HWND savedSaverWindow_ = nullptr;
};

// Bulb i shows the icon resources of these names (the cache holds one handle per name).
inline ::testing::AssertionResult ShowsIcons(const Bulb& bulb, const char* off, const char* on) {
    const HICON wantOff = CachedBulbIcon(off), wantOn = CachedBulbIcon(on);
    if (!bulb.icon[0] || !bulb.icon[1]) return ::testing::AssertionFailure() << "bulb has no icon";
    if (bulb.icon[0] != wantOff) return ::testing::AssertionFailure() << "off icon is not " << off;
    if (bulb.icon[1] != wantOn) return ::testing::AssertionFailure() << "on icon is not " << on;
    return ::testing::AssertionSuccess();
}
