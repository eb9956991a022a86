// The flash-pattern preview of the Options dialog: eight tiny bulbs under the rate slider.
#include "dialogs/preview.h"

#include <cstdlib>

#include "app/app.h"
#include "resource.h"

int previewMode = 0;
BYTE previewPattern = 1;
int previewTicks = 0;
int dialogRate = 0;

namespace {

enum PreviewMode { kNone, kRandom, kAllTogether, kChase, kAlternating, kSomeFlash };

constexpr BYTE kAllLit = 0xFF;
constexpr BYTE kChaseStart = 0x11;          // bulbs 0 and 4
constexpr BYTE kChaseWrapped = 0x10;        // what 0x88 shifts into
constexpr BYTE kRedBulbs = 0x55;            // bulbs 0, 2, 4, 6
constexpr BYTE kSomeFlashSteady = 0xDA;     // bulbs 1, 3, 4, 6, 7 always lit
constexpr int kFastestRate = 4;
constexpr int kTicksPerRateStep = 3;

BYTE RandomByte() { return static_cast<BYTE>(std::rand() % 256); }

// A memory DC with one bitmap selected; the previous bitmap is put back and the DC
// deleted when it goes out of scope.
class SelectedBitmap {
public:
    SelectedBitmap(HDC compatible, HBITMAP bitmap) : dc_(CreateCompatibleDC(compatible)) {
        previous_ = SelectObject(dc_, bitmap);
    }
    ~SelectedBitmap() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    SelectedBitmap(const SelectedBitmap&) = delete;
    SelectedBitmap& operator=(const SelectedBitmap&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace

BYTE PreviewStartPattern(int mode, BYTE current) {
    switch (mode) {
    case kNone:
    case kAllTogether: return kAllLit;
    case kRandom: return RandomByte();
    case kChase: return kChaseStart;
    case kAlternating: return kRedBulbs;
    default: return current;    // Some Flash changes at its first step
    }
}

void PreviewStart(int mode) { previewPattern = PreviewStartPattern(mode, previewPattern); }

int PreviewTicksPerStep(int rate) {
    int ticks = kTicksPerRateStep * (kFastestRate - rate);
    return ticks < 1 ? 1 : ticks;
}

BYTE PreviewStepPattern(int mode, BYTE pattern) {
    switch (mode) {
    case kNone: return kAllLit;
    case kRandom: return RandomByte();
    case kAllTogether:
    case kAlternating: return static_cast<BYTE>(kAllLit - pattern);
    case kSomeFlash: return static_cast<BYTE>(RandomByte() | kSomeFlashSteady);
    default: return pattern;    // the chase moves after drawing
    }
}

BYTE PreviewAfterDraw(int mode, BYTE pattern) {
    if (mode != kChase) return pattern;
    BYTE next = static_cast<BYTE>(pattern << 1);
    return next == kChaseWrapped ? kChaseStart : next;
}

void PreviewTick(HWND dialog) {
    if (++previewTicks < PreviewTicksPerStep(dialogRate)) return;
    previewTicks = 0;
    previewPattern = PreviewStepPattern(previewMode, previewPattern);
    DrawPreview(dialog, IDC_OPT_PREVIEW, previewPattern);
    previewPattern = PreviewAfterDraw(previewMode, previewPattern);
}

void DrawPreviewRow(HDC dc, const RECT& frame, HBITMAP cells, BYTE pattern) {
    BITMAP info{};
    if (!cells || !GetObjectA(cells, sizeof info, &info)) return;
    const int w = info.bmWidth / 2, h = info.bmHeight / 2;
    HBITMAP row = CreateCompatibleBitmap(dc, kPreviewBulbs * w, h);
    {
        SelectedBitmap target(dc, row);
        SelectedBitmap source(dc, cells);
        for (int i = 0; i < kPreviewBulbs; ++i) {
            const int x = (pattern & (1 << i)) ? w : 0;
            const int y = (i % 2 == 0) ? h : 0;     // even bulbs red (lower row), odd green
            BitBlt(target.dc(), i * w, 0, w, h, source.dc(), x, y, SRCCOPY);
        }
        BitBlt(dc, (frame.left + frame.right) / 2 - kPreviewBulbs / 2 * w, (frame.top + frame.bottom) / 2 - h / 2,
               kPreviewBulbs * w, h, target.dc(), 0, 0, SRCCOPY);
    }
    DeleteObject(row);
}

void DrawPreview(HWND dialog, int controlId, BYTE pattern) {
    HWND control = GetDlgItem(dialog, controlId);
    if (!control) return;
    RECT frame;
    GetClientRect(control, &frame);
    MapWindowPoints(control, dialog, reinterpret_cast<POINT*>(&frame), 2);
    HBITMAP cells = LoadBitmapA(appInstance, kBulbSeqName);
    HDC dc = GetDC(dialog);
    DrawPreviewRow(dc, frame, cells, pattern);
    ReleaseDC(dialog, dc);
    if (cells) DeleteObject(cells);
}
