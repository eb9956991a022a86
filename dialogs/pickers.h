// The Options dialog's hand-drawn controls: bulb-type and colour lists with a bulb beside
// each label, the music list with tick boxes, and the power switch.
#pragma once
#include <windows.h>

#include <string>

constexpr int kPickerItemHeight = 36;   // bulb-type and colour lists, selection field included
constexpr int kMusicItemHeight = 18;    // music list
constexpr int kPickerIconSize = 32;

// Answers WM_MEASUREITEM for the dialog's owner-drawn lists.
void MeasureOptionsItem(MEASUREITEMSTRUCT* request);

// What a picker item shows: the icon's resource name (empty for none) and the label.
struct PickerLook {
    std::string iconName;
    std::string label;
};
// Bulb-type list: the type's picture beside its name; colour list: "icon:label" split,
// the label with a blank in front; any other list: its text alone.
PickerLook PickerItemLook(int controlId, int item, const char* text);

// Draws a picker item's face into `item`: background, icon (if any) 3 pixels in and 2 down,
// and the label beside it. Highlighted when selected.
void DrawPickerFace(HDC dc, const RECT& item, HICON icon, const char* label, bool selected);

// WM_DRAWITEM handlers; each ignores requests that are not its own control type.
void DrawPickerItem(HWND dialog, const DRAWITEMSTRUCT* request);
void DrawMusicItem(HWND dialog, const DRAWITEMSTRUCT* request);
void DrawPowerSwitch(HWND dialog, const DRAWITEMSTRUCT* request);

// The music list's box at (x, y), w by h, with a cross when ticked; grey when disabled.
void DrawCheckBox(HDC dc, int x, int y, int w, int h, bool ticked, bool enabled);

// Resource name of the switch picture for this power state: "p1400" off, "p1401" on.
std::string PowerSwitchPictureName(int power);
// Posted to the dialog once per opening when the switch picture cannot be loaded,
// so the complaint is shown outside of painting.
constexpr UINT WM_SWITCH_PICTURE_MISSING = WM_APP + 1;
// Lets the next missing-picture complaint through (the dialog calls it when it opens).
void ResetSwitchPictureComplaint();
