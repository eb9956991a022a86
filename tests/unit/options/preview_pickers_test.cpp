// The flash preview's patterns and pace, the slider, and the hand-drawn lists and switch.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "dialogs/pickers.h"
#include "dialogs/preview.h"
#include "options_fixture.h"
#include "resource.h"

using namespace optest;

namespace {

enum { kNone, kRandom, kAllTogether, kChase, kAlternating, kSomeFlash };

// A memory canvas with a 32-bit bitmap on grey, read back pixel by pixel.
struct Canvas {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    HGDIOBJ previous;
    Canvas(int w, int h) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous = SelectObject(dc, bitmap);
        RECT all{0, 0, w, h};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    }
    ~Canvas() { SelectObject(dc, previous); DeleteObject(bitmap); DeleteDC(dc); }
    COLORREF at(int x, int y) const { return GetPixel(dc, x, y); }
};

bool Same(const Canvas& a, const Canvas& b, int w, int h) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (a.at(x, y) != b.at(x, y)) return false;
    return true;
}

DRAWITEMSTRUCT Request(HWND dialog, int id, UINT type, UINT item, UINT state, HDC dc, RECT r) {
    return {type, static_cast<UINT>(id), item, ODA_DRAWENTIRE, state, GetDlgItem(dialog, id), dc, r, 0};
}

}  // namespace

TEST(Preview, EachModeStartsAndStepsItsOwnWay) {
    const struct { int mode; BYTE start, step; } cases[] = {   // from 0x12, then a step from that start
        {kNone, 0xFF, 0xFF}, {kAllTogether, 0xFF, 0x00}, {kChase, 0x11, 0x11}, {kAlternating, 0x55, 0xAA}};
    for (const auto& c : cases) {
        EXPECT_EQ(PreviewStartPattern(c.mode, 0x12), c.start) << c.mode;
        EXPECT_EQ(PreviewStepPattern(c.mode, c.start), c.step) << c.mode;
    }
    EXPECT_EQ(PreviewStartPattern(kSomeFlash, 0x12), 0x12);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(PreviewStepPattern(kSomeFlash, 0) & 0xDA, 0xDA);
    // The chase: two bulbs four apart, one place on per step, back to 0 and 4.
    BYTE p = PreviewStartPattern(kChase, 0);
    for (BYTE e : {0x11, 0x22, 0x44, 0x88, 0x11}) {
        EXPECT_EQ(PreviewStepPattern(kChase, p), e);
        p = PreviewAfterDraw(kChase, PreviewStepPattern(kChase, p));
    }
    EXPECT_EQ(PreviewAfterDraw(kAlternating, 0x55), 0x55);
}

TEST(Preview, TicksPerStepFollowTheRate) {
    const int expected[] = {12, 9, 6, 3, 1};
    for (int rate = 0; rate <= 4; ++rate) {
        dialogRate = rate;
        previewMode = kAllTogether;
        previewPattern = 0xFF;
        previewTicks = 0;
        int ticks = 0;
        for (; previewPattern == 0xFF && ticks < 100; ++ticks) PreviewTick(nullptr);
        EXPECT_EQ(ticks, expected[rate]) << rate;
    }
}

TEST_F(OptionsTest, ModeButtonsRestartThePreview) {
    Open({{"Mode", "3"}});
    EXPECT_EQ(previewPattern, 0x11);
    Click(IDC_OPT_MODE_FIRST + kAlternating);
    EXPECT_EQ(previewMode, kAlternating);
    EXPECT_EQ(previewPattern, 0x55);
    previewPattern = 0x44;
    Click(IDC_OPT_MODE_FIRST + kSomeFlash);     // keeps the picture until its first step
    EXPECT_EQ(previewPattern, 0x44);
    Click(IDC_OPT_MODE_FIRST + kChase);
    EXPECT_EQ(previewPattern, 0x11);
}

TEST_F(OptionsTest, SliderScrollCodesMoveTheRate) {
    Open({{"Rate", "2"}});
    HWND slider = GetDlgItem(dialog, IDC_OPT_RATE);
    auto scroll = [&](int code, int thumb = 0) {
        SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(code, thumb), reinterpret_cast<LPARAM>(slider));
        EXPECT_EQ(SendMessageA(slider, TBM_GETPOS, 0, 0), dialogRate);
        return dialogRate;
    };
    const int codes[][3] = {   // code, thumb, rate after
        {TB_LINEDOWN, 0, 3}, {TB_PAGEDOWN, 0, 4}, {TB_LINEDOWN, 0, 4}, {TB_TOP, 0, 0}, {TB_LINEUP, 0, 0},
        {TB_BOTTOM, 0, 4}, {TB_PAGEUP, 0, 3}, {TB_THUMBTRACK, 1, 1}, {TB_THUMBPOSITION, 2, 2}, {TB_ENDTRACK, 0, 2}};
    for (auto [code, thumb, rate] : codes) EXPECT_EQ(scroll(code, thumb), rate) << code;
    EXPECT_TRUE(Enabled(dialog, IDC_OPT_APPLY));
    EXPECT_EQ(ItemText(dialog, IDC_OPT_RATE_NAME), "Medium");
    EXPECT_EQ(settings.Rate, 2);            // the setting waits for Apply
    // A key press moves the slider one place, no more.
    SetFocus(slider);
    SendMessageA(slider, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(dialogRate, 3);
    EXPECT_EQ(SendMessageA(slider, TBM_GETPOS, 0, 0), 3);
}

TEST_F(OptionsTest, PickersDrawTheIconBesideTheLabel) {
    Open();
    const RECT item{0, 0, 160, kPickerItemHeight};
    const COLORREF window = GetSysColor(COLOR_WINDOW), highlight = GetSysColor(COLOR_HIGHLIGHT);
    const struct { int control, item; const char *icon, *label; } cases[] = {
        {IDC_OPT_BULB_TYPE, 5, "Bell11", "Bells"}, {IDC_OPT_COLOR, 8, "RedGreen", " Red & Green"}};
    for (const auto& c : cases) {
        for (bool selected : {false, true}) {
            Canvas drawn(160, kPickerItemHeight), wanted(160, kPickerItemHeight);
            HWND combo = GetDlgItem(dialog, c.control);
            HGDIOBJ font = SelectObject(drawn.dc, reinterpret_cast<HGDIOBJ>(SendMessageA(combo, WM_GETFONT, 0, 0)));
            DRAWITEMSTRUCT d = Request(dialog, c.control, ODT_COMBOBOX, c.item, selected ? ODS_SELECTED : 0,
                                       drawn.dc, item);
            DrawPickerItem(dialog, &d);
            // What it should be: the named icon 3 in and 2 down, the label from 38 in,
            // with the ampersand shown as it is.
            SelectObject(wanted.dc, reinterpret_cast<HGDIOBJ>(SendMessageA(combo, WM_GETFONT, 0, 0)));
            HICON icon = static_cast<HICON>(LoadImageA(appInstance, c.icon, IMAGE_ICON, 32, 32, 0));
            ASSERT_NE(icon, nullptr) << c.icon;
            DrawPickerFace(wanted.dc, item, icon, c.label, selected);
            DestroyIcon(icon);
            EXPECT_TRUE(Same(drawn, wanted, 160, kPickerItemHeight)) << c.label;
            EXPECT_EQ(drawn.at(1, 1), selected ? highlight : window);
            bool iconShown = false;   // some pixel of the icon's square differs from the background
            for (int y = 2; y < 34; ++y)
                for (int x = 3; x < 35; ++x) iconShown |= drawn.at(x, y) != drawn.at(1, 1);
            EXPECT_TRUE(iconShown) << c.icon;
            SelectObject(drawn.dc, font);
        }
    }
}

TEST_F(OptionsTest, MusicListShowsTicksNotHighlights) {
    MidiFiles files({"carol.mid"});
    Open({{"Music", "1"}});
    const RECT item{0, 0, 100, kMusicItemHeight};
    for (bool enabled : {true, false}) {
        EnableWindow(GetDlgItem(dialog, IDC_OPT_PLAYLIST), enabled);
        for (bool ticked : {false, true}) {
            Canvas c(100, kMusicItemHeight);
            DRAWITEMSTRUCT d = Request(dialog, IDC_OPT_PLAYLIST, ODT_LISTBOX, 0, ticked ? ODS_SELECTED : 0, c.dc, item);
            DrawMusicItem(dialog, &d);
            const COLORREF ink = enabled ? RGB(0, 0, 0) : GetSysColor(COLOR_GRAYTEXT);
            EXPECT_EQ(c.at(90, 1), GetSysColor(COLOR_WINDOW));     // never highlighted
            EXPECT_EQ(c.at(2, 4), ink);                             // the box's corner
            EXPECT_EQ(c.at(12, 14), ink);                           // its far corner (10 x 10)
            EXPECT_EQ(c.at(7, 9), ticked ? ink : GetSysColor(COLOR_WINDOW));    // the cross
        }
    }
}

TEST_F(OptionsTest, PowerSwitchShowsItsState) {
    Open({{"Power", "1"}});
    for (int power : {1, 0}) {
        dialogPower = power;
        Canvas drawn(32, 48), wanted(32, 48);
        DRAWITEMSTRUCT d = Request(dialog, IDC_OPT_POWER, ODT_BUTTON, 0, 0, drawn.dc, RECT{0, 0, 32, 48});
        DrawPowerSwitch(dialog, &d);
        HBITMAP picture = LoadBitmapA(appInstance, power ? "P1401" : "P1400");
        HDC source = CreateCompatibleDC(wanted.dc);
        HGDIOBJ old = SelectObject(source, picture);
        BitBlt(wanted.dc, 0, 0, 32, 48, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
        DeleteObject(picture);
        EXPECT_TRUE(Same(drawn, wanted, 32, 48)) << power;
    }
}
