// Where the string goes: its length, the drawing window, the own window and its colours.
#include "lights/own_window.h"
#include "lights_fixture.h"

// The saver window while it exists, else the own window when OwnWindow is set and it exists, else the
// desktop window; ApplyOwnWindowSetting makes and shows, or destroys, the own window.
TEST_F(LightsTest, DrawingWindowRule) {
    Canvas saver(8, 8), own(8, 8), desktop(8, 8);
    HWND dead = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(dead), desktopWindow = desktop.hwnd;
    const struct { HWND saver, own; LONG ownSetting; HWND expected; } cases[] = {
        {saver.hwnd, own.hwnd, 1, saver.hwnd}, {saver.hwnd, nullptr, 0, saver.hwnd}, {dead, own.hwnd, 1, own.hwnd},
        {nullptr, own.hwnd, 0, desktop.hwnd},  {nullptr, dead, 1, desktop.hwnd},     {dead, nullptr, 1, desktop.hwnd}};
    for (const auto& c : cases) {
        saverWindow = c.saver, ownWindow = c.own, settings.OwnWindow = c.ownSetting;
        EXPECT_EQ(DrawingWindow(), c.expected) << "case " << &c - cases;
    }
    saverWindow = ownWindow = nullptr, settings.OwnWindow = 1, ApplyOwnWindowSetting();
    const HWND bar = ownWindow;   // shown, and the desktop asked to repaint without the bulbs
    EXPECT_TRUE(bar && IsWindowVisible(bar) && DrawingWindow() == bar && GetUpdateRect(desktop.hwnd, nullptr, 0));
    settings.OwnWindow = 0, ApplyOwnWindowSetting();
    EXPECT_FALSE(ownWindow || IsWindow(bar));
}

// One bulb per 32 pixels, at most 80. BackColor 1 to 6 by the table, 0 and any other value the
// system's desktop colour: the own window's class background, painted at once.
TEST_F(LightsTest, BulbCountAndOwnWindowColours) {
    for (const auto& [width, count] : {std::pair{640, 20}, {1023, 31}, {1024, 32}, {2560, 80}, {4000, 80}, {31, 0}})
        EXPECT_EQ(BulbCountForWidth(width), count) << width;
    const COLORREF desktop = GetSysColor(COLOR_BACKGROUND);
    const struct { LONG backColor; COLORREF colour; } cases[] = {
        {0, desktop}, {1, RGB(0, 0, 0)}, {2, RGB(127, 127, 127)}, {3, RGB(192, 192, 192)}, {4, RGB(255, 255, 255)},
        {5, RGB(0, 0, 127)}, {6, RGB(0, 0, 255)}, {7, desktop}, {-1, desktop}, {99, desktop}};
    Canvas bar(64, 40, "LightsTestBar");
    for (const auto& c : cases) {
        settings.BackColor = c.backColor, ownWindow = bar.hwnd, ApplyOwnWindowColor();
        const COLORREF brush = testenv::ClassBrushColour(bar.hwnd);
        EXPECT_EQ(std::vector<COLORREF>({OwnWindowBackColor(c.backColor), brush, bar.Pixel(5, 5)}),
                  std::vector<COLORREF>(3, c.colour)) << c.backColor;
    }
}
