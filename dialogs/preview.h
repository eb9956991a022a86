// The flash-pattern preview of the Options dialog: eight tiny bulbs under the rate slider.
#pragma once
#include <windows.h>

// The dialog's preview timer and its period.
constexpr UINT_PTR kPreviewTimerId = 1;
constexpr UINT kPreviewTimerMs = 50;
// Bulbs in the preview row; one bit of the pattern each, bulb 0 the leftmost.
constexpr int kPreviewBulbs = 8;
constexpr const char kBulbSeqName[] = "BulbSeq";

extern int previewMode;         // flash mode shown (0..5): the checked mode button
extern BYTE previewPattern;     // bit i lit = bulb i lit; kept between openings
extern int previewTicks;        // timer ticks since the last step
extern int dialogRate;          // the slider's position while the dialog is open (0..4)

// The pattern a mode starts from; Some Flash keeps `current`.
BYTE PreviewStartPattern(int mode, BYTE current);
// Sets previewPattern to the starting pattern of `mode`.
void PreviewStart(int mode);
// Timer ticks between two steps at this rate: 12, 9, 6, 3, and 1 at the fastest.
int PreviewTicksPerStep(int rate);
// The pattern to draw at a step, from the one shown before.
BYTE PreviewStepPattern(int mode, BYTE pattern);
// The pattern after a step has been drawn: only the chase moves on afterwards.
BYTE PreviewAfterDraw(int mode, BYTE pattern);

// One tick of the dialog's timer: steps and redraws the row when its period is up.
void PreviewTick(HWND dialog);
// Draws the row for `pattern` centred on the control `controlId` of the dialog.
void DrawPreview(HWND dialog, int controlId, BYTE pattern);
// Draws the row centred in `frame` of the DC, from the four cells of `cells` (a "BulbSeq"
// picture: off and on side by side, green row above red row).
void DrawPreviewRow(HDC dc, const RECT& frame, HBITMAP cells, BYTE pattern);
