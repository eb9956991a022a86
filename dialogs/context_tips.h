// Tooltips over a dialog's controls: one tip set per dialog kind, with its own text table
// and a thread message hook that relays the mouse messages of its dialog to the tooltips.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstddef>

// One tooltip text: the control it belongs to and its string-table entry.
struct TipText {
    int controlId;
    UINT textId;
};

struct TipTable {
    const TipText* rows;
    size_t count;
};

// The tips of one dialog while it is open; empty otherwise.
struct TipSet {
    HWND tooltip;       // the tooltip window, or null
    HWND dialog;        // the dialog whose controls it serves
    HHOOK hook;         // the relay hook, or null
    HOOKPROC relay;     // this set's own hook procedure
};

extern TipSet optionsTips;          // the Options dialog
extern TipSet saverSetupTips;       // the screen saver's setup dialog
extern const TipTable optionsTipTexts;
extern const TipTable saverSetupTipTexts;

// Called in the dialog's WM_INITDIALOG once its controls exist: a tooltip window with
// one tool per control (static labels excepted) and the relay hook. A set that is
// still full from before is emptied first. Returns false when the dialog gets no tips.
bool CreateContextTips(TipSet& set, HWND dialog);

// Answers the tooltips' text request (TTN_NEEDTEXTA) from the table; any other
// notification is left alone. Returns true when it answered.
bool ContextTipText(const TipTable& table, NMHDR* header);

// Removes the hook and the tooltip window; harmless on an empty set. Call it before
// the dialog ends, and from WM_DESTROY as well for the ways out that skip that.
void RemoveContextTips(TipSet& set);

// The text for a control: it lives for the whole run; empty for ids without a row.
const char* TipTextFor(const TipTable& table, int controlId);

// The hook procedures of the two sets.
LRESULT CALLBACK OptionsTipRelayHook(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK SaverSetupTipRelayHook(int code, WPARAM wParam, LPARAM lParam);
