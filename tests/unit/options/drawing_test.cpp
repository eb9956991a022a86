// The flash preview's patterns, pace and picture, and the hand-drawn lists and switch.
#include "options_fixture.h"

using namespace optest;

namespace {

// A 32-bit memory canvas, white at first, in the font of `fontOf`; compared bit for bit.
struct Canvas {
    int w, h;
    HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    Canvas(int width, int height, HWND fontOf = nullptr) : w(width), h(height) {
        PatBlt(dc, 0, 0, w, h, WHITENESS);
        SelectObject(dc, fontOf ? reinterpret_cast<HGDIOBJ>(SendMessageA(fontOf, WM_GETFONT, 0, 0)) : GetStockObject(SYSTEM_FONT));
        SelectObject(dc, GetStockObject(DC_PEN));
    }
    ~Canvas() { SelectObject(dc, previous), DeleteObject(bitmap), DeleteDC(dc); }
    bool operator==(const Canvas& o) const { GdiFlush(); return std::memcmp(bits, o.bits, w * h * 4) == 0; }
    // `back` all over and `text` from `left`, one line centred vertically, an ampersand as it is.
    void Face(COLORREF back, COLORREF ink, int left, const char* text) {
        RECT all{0, 0, w, h}, label{left, 0, w, h};
        SetDCBrushColor(dc, back);
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        SetBkColor(dc, back), SetTextColor(dc, ink);
        DrawTextA(dc, text, -1, &label, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX);
    }
    void Blit(const char* picture, int x, int y, int cw, int ch, int sx, int sy) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, LoadBitmapA(GetModuleHandleA(nullptr), picture));
        BitBlt(dc, x, y, cw, ch, source, sx, sy, SRCCOPY);
        DeleteObject(SelectObject(source, old)), DeleteDC(source);
    }
    // What the dialog draws into this canvas for an item of `id` (items: Bells, Red & Green, the first file).
    Canvas& DrawnBy(HWND dialog, int id, UINT type, UINT action, bool selected) {
        DRAWITEMSTRUCT d{type, static_cast<UINT>(id), id == IDC_OPT_BULB_TYPE ? 5u : id == IDC_OPT_COLOR ? 8u : 0u, action,
                         selected ? static_cast<UINT>(ODS_SELECTED) : 0u, GetDlgItem(dialog, id), dc, {0, 0, w, h}, 0};
        SendMessageA(dialog, WM_DRAWITEM, id, reinterpret_cast<LPARAM>(&d));
        return *this;
    }
};

}  // namespace

TEST(Preview, EachModeStartsAndStepsItsOwnWayAtItsRate) {
    for (int mode = 0; mode < 6; ++mode) {
        std::srand(9);
        const int r = std::rand() % 256, start[] = {0xFF, r, 0xFF, 0x11, 0x55, 0x12}, step[] = {0xFF, r, 0xED, 0x12, 0xED, r | 0xDA};
        EXPECT_EQ((std::srand(9), PreviewStartPattern(mode, 0x12)), start[mode]) << mode;
        EXPECT_EQ((std::srand(9), PreviewStepPattern(mode, 0x12)) * 1000 + PreviewAfterDraw(mode, 0x88), step[mode] * 1000 + (mode == 3 ? 0x11 : 0x88)) << mode;
    }
    // Ticks per step by rate, through the dialog's tick; the chase moves on after drawing.
    const int ticks[] = {12, 9, 6, 3, 1};
    for (int rate = 0; rate <= 4; ++rate) {
        dialogRate = rate, previewMode = 3, previewPattern = 0x11;
        int n = previewTicks = 0;
        for (; previewPattern == 0x11 && n < 100; ++n) PreviewTick(nullptr);
        EXPECT_EQ(n * 1000 + previewPattern, ticks[rate] * 1000 + 0x22) << rate;
    }
}

TEST_F(OptionsTest, PreviewTickDrawsTheRowCentredOnTheFrame) {
    Open();
    KillTimer(dialog, 1);
    previewMode = 3, dialogRate = 4, previewPattern = 0x59;   // the chase draws, then moves on
    RECT client, frame;
    GetClientRect(dialog, &client), GetWindowRect(GetDlgItem(dialog, IDC_OPT_PREVIEW), &frame);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&frame), 2);
    Canvas shown(client.right, client.bottom), wanted(client.right, client.bottom);
    HDC dc = GetDC(dialog);
    BitBlt(wanted.dc, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    PreviewTick(dialog);
    BitBlt(shown.dc, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ReleaseDC(dialog, dc);
    // "BulbSeq" cells of 11 x 10: off at x 0, on at x 11; the green row on top for odd bulbs, the red below for even ones.
    const int x = (frame.left + frame.right) / 2 - 44, y = (frame.top + frame.bottom) / 2 - 5;
    for (int i = 0; i < 8; ++i) wanted.Blit("BulbSeq", x + 11 * i, y, 11, 10, (0x59 >> i & 1) ? 11 : 0, i % 2 ? 0 : 10);
    EXPECT_TRUE(shown == wanted && previewPattern == 0xB2);
}

TEST_F(OptionsTest, ListsDrawIconAndLabelOrTickBoxAndTheSwitchItsPicture) {
    MidiFiles files({"carol.mid"});
    Open({{"Music", "1"}});
    // Pickers: the icon 3 in and 2 down, the label from 38 in, highlighted when selected.
    for (auto [id, selected, icon, label] : {std::tuple{IDC_OPT_BULB_TYPE, true, "Bell11", "Bells"}, {IDC_OPT_COLOR, false, "RedGreen", " Red & Green"}}) {
        Canvas wanted(160, 36, GetDlgItem(dialog, id));
        wanted.Face(GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW), GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT), 38, label);
        HICON picture = static_cast<HICON>(LoadImageA(appInstance, icon, IMAGE_ICON, 32, 32, 0));
        DrawIconEx(wanted.dc, 3, 2, picture, 32, 32, 0, nullptr, DI_NORMAL), DestroyIcon(picture);
        EXPECT_TRUE(Canvas(160, 36, GetDlgItem(dialog, id)).DrawnBy(dialog, id, ODT_COMBOBOX, ODA_DRAWENTIRE, selected) == wanted) << label;
    }
    // Music list: a 10 x 10 box at (2, 4), crossed when ticked, the name from 16 in; grey when disabled; never highlighted.
    for (int look = 0; look < 4; ++look) {
        const bool enabled = look < 2, ticked = look % 2;
        EnableWindow(GetDlgItem(dialog, IDC_OPT_PLAYLIST), enabled);
        Canvas wanted(100, 18, GetDlgItem(dialog, IDC_OPT_PLAYLIST));
        wanted.Face(GetSysColor(COLOR_WINDOW), GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT), 16, "carol.mid");
        SetDCBrushColor(wanted.dc, enabled ? RGB(0, 0, 0) : GetSysColor(COLOR_GRAYTEXT)), SetDCPenColor(wanted.dc, GetDCBrushColor(wanted.dc));
        const RECT box{2, 4, 13, 15};
        FrameRect(wanted.dc, &box, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        for (auto [from, to] : {std::pair{2, 12}, {12, 2}}) if (ticked) MoveToEx(wanted.dc, from, 4, nullptr), LineTo(wanted.dc, to, 14);
        EXPECT_TRUE(Canvas(100, 18, GetDlgItem(dialog, IDC_OPT_PLAYLIST)).DrawnBy(dialog, IDC_OPT_PLAYLIST, ODT_LISTBOX, ODA_SELECT, ticked) == wanted) << look;
    }
    // The power switch: "p1400" off, "p1401" on, unscaled from its top-left corner.
    for (int power : {1, 0}) {
        Canvas wanted(21, 40);
        wanted.Blit(power ? "P1401" : "P1400", 0, 0, 21, 40, 0, 0), dialogPower = power;
        EXPECT_TRUE(Canvas(21, 40).DrawnBy(dialog, IDC_OPT_POWER, ODT_BUTTON, ODA_DRAWENTIRE, false) == wanted) << power;
    }
}
