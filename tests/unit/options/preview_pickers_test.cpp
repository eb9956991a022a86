// The flash preview's patterns and pace, the slider, and the hand-drawn lists and switch.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/app.h"
#include "app/settings.h"
#include "dialogs/options_dlg.h"
#include "dialogs/pickers.h"
#include "dialogs/preview.h"
#include "options_fixture.h"
#include "resource.h"

using namespace optest;

namespace {

enum { kNone, kRandom, kAllTogether, kChase, kAlternating, kSomeFlash };

// A memory canvas with a 32-bit bitmap, read back pixel by pixel.
class Canvas {
public:
    Canvas(int w, int h) : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, w, h};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

// Every pixel of a w x h block of two canvases agrees.
bool SameBlock(const Canvas& a, int ax, int ay, const Canvas& b, int bx, int by, int w, int h) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (a.at(ax + x, ay + y) != b.at(bx + x, by + y)) return false;
    return true;
}

DRAWITEMSTRUCT Request(HWND dialog, int id, UINT type, UINT item, UINT state, HDC dc, RECT r) {
    DRAWITEMSTRUCT d{};
    d.CtlType = type;
    d.CtlID = id;
    d.itemID = item;
    d.itemAction = ODA_DRAWENTIRE;
    d.itemState = state;
    d.hwndItem = GetDlgItem(dialog, id);
    d.hDC = dc;
    d.rcItem = r;
    return d;
}

}  // namespace

TEST(Preview, EachModeStartsAndStepsItsOwnWay) {
    EXPECT_EQ(PreviewStartPattern(kNone, 0x12), 0xFF);
    EXPECT_EQ(PreviewStartPattern(kAllTogether, 0x12), 0xFF);
    EXPECT_EQ(PreviewStartPattern(kChase, 0x12), 0x11);
    EXPECT_EQ(PreviewStartPattern(kAlternating, 0x12), 0x55);
    EXPECT_EQ(PreviewStartPattern(kSomeFlash, 0x12), 0x12);
    EXPECT_EQ(PreviewStepPattern(kNone, 0x12), 0xFF);
    EXPECT_EQ(PreviewStepPattern(kAllTogether, 0xFF), 0x00);
    EXPECT_EQ(PreviewStepPattern(kAlternating, 0x55), 0xAA);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(PreviewStepPattern(kSomeFlash, 0) & 0xDA, 0xDA);
    // The chase: two bulbs four apart, one place on per step, back to 0 and 4.
    BYTE p = PreviewStartPattern(kChase, 0);
    const BYTE expected[] = {0x11, 0x22, 0x44, 0x88, 0x11, 0x22};
    for (BYTE e : expected) {
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
        while (previewPattern == 0xFF && ticks < 100) {
            PreviewTick(nullptr);
            ++ticks;
        }
        EXPECT_EQ(ticks, expected[rate]) << rate;
    }
}

TEST(Preview, TheRowIsDrawnFromTheBulbCells) {
    HBITMAP cells = LoadBitmapA(appInstance, kBulbSeqName);
    if (!cells) GTEST_SKIP() << "the BulbSeq picture is not in the resources yet";
    BITMAP info{};
    GetObjectA(cells, sizeof info, &info);
    const int w = info.bmWidth / 2, h = info.bmHeight / 2;
    Canvas sheet(info.bmWidth, info.bmHeight);
    HDC source = CreateCompatibleDC(sheet.dc());
    HGDIOBJ old = SelectObject(source, cells);
    BitBlt(sheet.dc(), 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    Canvas row(200, 40);
    const RECT frame{10, 5, 190, 35};
    DrawPreviewRow(row.dc(), frame, cells, 0x0B);     // bulbs 0, 1 and 3 lit
    const int left = 100 - 4 * w, top = 20 - h / 2;
    for (int i = 0; i < 8; ++i) {
        const bool lit = (0x0B >> i) & 1;
        const bool red = i % 2 == 0;
        EXPECT_TRUE(SameBlock(row, left + i * w, top, sheet, lit ? w : 0, red ? h : 0, w, h)) << "bulb " << i;
    }
    DeleteObject(cells);
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
    EXPECT_EQ(scroll(TB_LINEDOWN), 3);
    EXPECT_TRUE(Enabled(dialog, IDC_OPT_APPLY));
    EXPECT_EQ(scroll(TB_PAGEDOWN), 4);
    EXPECT_EQ(scroll(TB_LINEDOWN), 4);      // not past the end
    EXPECT_EQ(ItemText(dialog, IDC_OPT_RATE_NAME), "Very Fast");
    EXPECT_EQ(scroll(TB_TOP), 0);
    EXPECT_EQ(scroll(TB_LINEUP), 0);
    EXPECT_EQ(scroll(TB_BOTTOM), 4);
    EXPECT_EQ(scroll(TB_PAGEUP), 3);
    EXPECT_EQ(scroll(TB_THUMBTRACK, 1), 1);
    EXPECT_EQ(scroll(TB_THUMBPOSITION, 2), 2);
    EXPECT_EQ(scroll(TB_ENDTRACK), 2);
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
    struct Case {
        int control, item;
        const char* icon;
        const char* label;
    } cases[] = {{IDC_OPT_BULB_TYPE, 5, "Bell11", "Bells"}, {IDC_OPT_COLOR, 8, "RedGreen", " Red & Green"}};
    for (const Case& c : cases) {
        for (bool selected : {false, true}) {
            Canvas drawn(160, kPickerItemHeight), wanted(160, kPickerItemHeight);
            HWND combo = GetDlgItem(dialog, c.control);
            HGDIOBJ font = SelectObject(drawn.dc(), reinterpret_cast<HGDIOBJ>(SendMessageA(combo, WM_GETFONT, 0, 0)));
            DRAWITEMSTRUCT d = Request(dialog, c.control, ODT_COMBOBOX, c.item, selected ? ODS_SELECTED : 0,
                                       drawn.dc(), item);
            DrawPickerItem(dialog, &d);
            // What it should be: the named icon 3 in and 2 down, the label from 38 in,
            // with the ampersand shown as it is.
            SelectObject(wanted.dc(), reinterpret_cast<HGDIOBJ>(SendMessageA(combo, WM_GETFONT, 0, 0)));
            HICON icon = static_cast<HICON>(LoadImageA(appInstance, c.icon, IMAGE_ICON, 32, 32, 0));
            ASSERT_NE(icon, nullptr) << c.icon;
            DrawPickerFace(wanted.dc(), item, icon, c.label, selected);
            DestroyIcon(icon);
            EXPECT_TRUE(SameBlock(drawn, 0, 0, wanted, 0, 0, 160, kPickerItemHeight)) << c.label;
            EXPECT_EQ(drawn.at(1, 1), selected ? highlight : window);
            // The icon really is there: some pixel of its square differs from the background.
            bool iconShown = false;
            for (int y = 2; y < 34 && !iconShown; ++y)
                for (int x = 3; x < 35 && !iconShown; ++x) iconShown = drawn.at(x, y) != drawn.at(1, 1);
            EXPECT_TRUE(iconShown) << c.icon;
            SelectObject(drawn.dc(), font);
        }
    }
    EXPECT_EQ(PickerItemLook(IDC_OPT_COLOR, 0, "plain").iconName, "");
}

TEST_F(OptionsTest, MusicListShowsTicksNotHighlights) {
    MidiFiles files({"carol.mid"});
    Open({{"Music", "1"}});
    const RECT item{0, 0, 100, kMusicItemHeight};
    for (bool enabled : {true, false}) {
        EnableWindow(GetDlgItem(dialog, IDC_OPT_PLAYLIST), enabled);
        for (bool ticked : {false, true}) {
            Canvas c(100, kMusicItemHeight);
            DRAWITEMSTRUCT d = Request(dialog, IDC_OPT_PLAYLIST, ODT_LISTBOX, 0, ticked ? ODS_SELECTED : 0, c.dc(), item);
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
    EXPECT_EQ(PowerSwitchPictureName(1), "p1401");
    EXPECT_EQ(PowerSwitchPictureName(0), "p1400");
    HBITMAP on = LoadBitmapA(appInstance, "P1401");
    if (!on) GTEST_SKIP() << "the switch pictures are not in the resources yet";
    DeleteObject(on);
    for (int power : {1, 0}) {
        dialogPower = power;
        Canvas drawn(32, 48), wanted(32, 48);
        DRAWITEMSTRUCT d = Request(dialog, IDC_OPT_POWER, ODT_BUTTON, 0, 0, drawn.dc(), RECT{0, 0, 32, 48});
        DrawPowerSwitch(dialog, &d);
        HBITMAP picture = LoadBitmapA(appInstance, power ? "P1401" : "P1400");
        HDC source = CreateCompatibleDC(wanted.dc());
        HGDIOBJ old = SelectObject(source, picture);
        BitBlt(wanted.dc(), 0, 0, 32, 48, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
        DeleteObject(picture);
        EXPECT_TRUE(SameBlock(drawn, 0, 0, wanted, 0, 0, 32, 48)) << power;
    }
}

TEST_F(OptionsTest, TheClosedListShowsTheChosenBulbLikeAnItem) {
    Open({{"BulbType", "4"}});      // Bells
    HWND combo = GetDlgItem(dialog, IDC_OPT_BULB_TYPE);
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetFocus(GetDlgItem(dialog, IDCANCEL));     // the field then shows no highlight
    RedrawWindow(combo, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    testenv::Pump(100);
    RECT client;
    GetClientRect(combo, &client);
    ASSERT_GE(client.bottom, kPickerItemHeight);    // tall enough for the picture
    Canvas shown(client.right, client.bottom);
    HDC dc = GetDC(combo);
    BitBlt(shown.dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ReleaseDC(combo, dc);
    // The bulb drawn as a list item draws it, somewhere near the field's top-left corner.
    Canvas wanted(160, kPickerItemHeight);
    HICON icon = static_cast<HICON>(LoadImageA(appInstance, "Bell11", IMAGE_ICON, 32, 32, 0));
    DrawPickerFace(wanted.dc(), RECT{0, 0, 160, kPickerItemHeight}, icon, "", false);
    DestroyIcon(icon);
    bool found = false;
    for (int dy = 0; dy <= 6 && !found; ++dy)
        for (int dx = 0; dx <= 6 && !found; ++dx)
            found = SameBlock(shown, 3 + dx, 2 + dy, wanted, 3, 2, 32, 32);
    EXPECT_TRUE(found);
}
