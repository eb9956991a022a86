// The Options dialog's hand-drawn controls: bulb-type and colour lists with a bulb beside
// each label, the music list with tick boxes, and the power switch.
#include "dialogs/pickers.h"

#include <cstdio>
#include <vector>

#include "app/app.h"
#include "dialogs/options_dlg.h"
#include "resource.h"

namespace {

constexpr int kLabelIndent = 3;         // label or icon from the item's left edge
constexpr int kIconTop = 2;             // icon below the item's top
constexpr int kIconAdvance = 35;        // from the icon's left edge to the label
constexpr int kNameChars = 32;          // icon names in the string table
constexpr int kBoxInset = 8;            // the tick box is the item height less this
constexpr int kBoxLeft = 2, kBoxTop = 4, kBoxGap = 6;
constexpr int kSwitchFocusInset = 2;
constexpr UINT kLabelFormat = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX;

bool switchComplaintPosted = false;

// A 32 x 32 icon loaded by name, destroyed when it goes out of scope.
class LoadedIcon {
public:
    explicit LoadedIcon(const std::string& name)
        : icon_(name.empty() ? nullptr
                             : static_cast<HICON>(LoadImageA(appInstance, name.c_str(), IMAGE_ICON,
                                                             kPickerIconSize, kPickerIconSize, LR_DEFAULTCOLOR))) {}
    ~LoadedIcon() {
        if (icon_) DestroyIcon(icon_);
    }
    LoadedIcon(const LoadedIcon&) = delete;
    LoadedIcon& operator=(const LoadedIcon&) = delete;
    HICON get() const { return icon_; }

private:
    HICON icon_;
};

std::string ComboItemText(HWND combo, UINT item) {
    LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, item, 0);
    if (length == CB_ERR) return {};
    std::vector<char> text(static_cast<size_t>(length) + 1);
    SendMessageA(combo, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

std::string ListItemText(HWND list, UINT item) {
    LRESULT length = SendMessageA(list, LB_GETTEXTLEN, item, 0);
    if (length == LB_ERR) return {};
    std::vector<char> text(static_cast<size_t>(length) + 1);
    SendMessageA(list, LB_GETTEXT, item, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

std::string BulbTypeIconName(int item) {
    char name[kNameChars + 1] = "";
    LoadStringA(appInstance, IDS_BULB_TYPE_ICON_FIRST + item, name, sizeof name);
    return name;
}

void DrawLabel(HDC dc, RECT area, const char* label) {
    DrawTextA(dc, label, -1, &area, kLabelFormat);
}

// The item's text and background colours for the duration of one drawing.
class ItemColours {
public:
    ItemColours(HDC dc, COLORREF text, COLORREF back)
        : dc_(dc), brush_(CreateSolidBrush(back)), text_(SetTextColor(dc, text)), back_(SetBkColor(dc, back)) {}
    ~ItemColours() {
        SetTextColor(dc_, text_);
        SetBkColor(dc_, back_);
        DeleteObject(brush_);
    }
    ItemColours(const ItemColours&) = delete;
    ItemColours& operator=(const ItemColours&) = delete;
    HBRUSH brush() const { return brush_; }

private:
    HDC dc_;
    HBRUSH brush_;
    COLORREF text_, back_;
};

bool DrawsWholeItem(UINT action) { return action & (ODA_DRAWENTIRE | ODA_SELECT); }

// A full redraw of the focused item draws its focus frame too; ODA_FOCUS then toggles it.
void DrawFocusIfFocused(const DRAWITEMSTRUCT* request, const RECT& frame) {
    if (request->itemState & ODS_FOCUS) DrawFocusRect(request->hDC, &frame);
}

}  // namespace

void MeasureOptionsItem(MEASUREITEMSTRUCT* request) {
    if (request->CtlType == ODT_COMBOBOX) request->itemHeight = kPickerItemHeight;
    if (request->CtlType == ODT_LISTBOX) request->itemHeight = kMusicItemHeight;
}

PickerLook PickerItemLook(int controlId, int item, const char* text) {
    if (controlId == IDC_OPT_BULB_TYPE) return {BulbTypeIconName(item), text};
    if (controlId != IDC_OPT_COLOR) return {"", text};
    const std::string whole = text;
    const size_t colon = whole.find(':');
    if (colon == std::string::npos || colon == 0) return {"", whole};
    return {whole.substr(0, colon), " " + whole.substr(colon + 1, whole.find(':', colon + 1) - colon - 1)};
}

void DrawPickerFace(HDC dc, const RECT& item, HICON icon, const char* label, bool selected) {
    ItemColours colours(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT),
                        GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    FillRect(dc, &item, colours.brush());
    RECT area = item;
    area.left += kLabelIndent;
    if (icon) {
        DrawIconEx(dc, area.left, area.top + kIconTop, icon, kPickerIconSize, kPickerIconSize, 0, nullptr, DI_NORMAL);
        area.left += kIconAdvance;
    }
    DrawLabel(dc, area, label);
}

void DrawPickerItem(HWND, const DRAWITEMSTRUCT* request) {
    if (request->CtlType != ODT_COMBOBOX || request->itemID == static_cast<UINT>(-1)) return;
    if (DrawsWholeItem(request->itemAction)) {
        const int id = static_cast<int>(request->CtlID);
        const PickerLook look = PickerItemLook(id, static_cast<int>(request->itemID),
                                               ComboItemText(request->hwndItem, request->itemID).c_str());
        LoadedIcon icon(look.iconName);
        DrawPickerFace(request->hDC, request->rcItem, icon.get(), look.label.c_str(),
                       request->itemState & ODS_SELECTED);
        DrawFocusIfFocused(request, request->rcItem);
    } else if (request->itemAction & ODA_FOCUS) {
        DrawFocusRect(request->hDC, &request->rcItem);
    }
}

void DrawCheckBox(HDC dc, int x, int y, int w, int h, bool ticked, bool enabled) {
    const RECT box{x, y, x + w + 1, y + h + 1};
    HBRUSH grey = enabled ? nullptr : CreateSolidBrush(GetSysColor(COLOR_GRAYTEXT));
    FrameRect(dc, &box, enabled ? static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)) : grey);
    if (grey) DeleteObject(grey);
    if (!ticked) return;
    HPEN greyPen = enabled ? nullptr : CreatePen(PS_SOLID, 1, GetSysColor(COLOR_GRAYTEXT));
    HGDIOBJ previous = SelectObject(dc, enabled ? GetStockObject(BLACK_PEN) : greyPen);
    MoveToEx(dc, x, y, nullptr);
    LineTo(dc, x + w, y + h);
    MoveToEx(dc, x + w, y, nullptr);
    LineTo(dc, x, y + h);
    SelectObject(dc, previous);
    if (greyPen) DeleteObject(greyPen);
}

void DrawMusicItem(HWND, const DRAWITEMSTRUCT* request) {
    if (request->CtlType != ODT_LISTBOX) return;
    if (request->itemID == static_cast<UINT>(-1)) {
        // An empty list shows the focus over its whole client area.
        if (request->itemAction & ODA_FOCUS) {
            RECT client;
            GetClientRect(request->hwndItem, &client);
            DrawFocusRect(request->hDC, &client);
        }
        return;
    }
    const bool enabled = IsWindowEnabled(request->hwndItem);
    if (DrawsWholeItem(request->itemAction)) {
        ItemColours colours(request->hDC, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT),
                            GetSysColor(COLOR_WINDOW));
        const RECT& r = request->rcItem;
        const int box = (r.bottom - r.top) - kBoxInset;
        FillRect(request->hDC, &r, colours.brush());
        DrawCheckBox(request->hDC, r.left + kBoxLeft, r.top + kBoxTop, box, box,
                     request->itemState & ODS_SELECTED, enabled);
        RECT text = r;
        text.left += box + kBoxGap;
        DrawLabel(request->hDC, text, ListItemText(request->hwndItem, request->itemID).c_str());
        DrawFocusIfFocused(request, r);
    } else if (request->itemAction & ODA_FOCUS) {
        DrawFocusRect(request->hDC, &request->rcItem);
    }
}

std::string PowerSwitchPictureName(int power) {
    char name[16];
    std::snprintf(name, sizeof name, "p%d", 1400 + power);
    return name;
}

void ResetSwitchPictureComplaint() { switchComplaintPosted = false; }

void DrawPowerSwitch(HWND dialog, const DRAWITEMSTRUCT* request) {
    if (request->CtlType != ODT_BUTTON) return;
    const std::string name = PowerSwitchPictureName(dialogPower);
    HBITMAP picture = LoadBitmapA(appInstance, name.c_str());
    if (!picture && !switchComplaintPosted) {
        switchComplaintPosted = true;
        PostMessageA(dialog, WM_SWITCH_PICTURE_MISSING, 0, 0);
    }
    const RECT& r = request->rcItem;
    RECT focus = r;
    InflateRect(&focus, -kSwitchFocusInset, -kSwitchFocusInset);
    if (DrawsWholeItem(request->itemAction)) {
        // The picture is not scaled: whatever of it fits the button shows.
        if (picture) {
            HDC memory = CreateCompatibleDC(request->hDC);
            HGDIOBJ previous = SelectObject(memory, picture);
            BitBlt(request->hDC, 0, 0, r.right - r.left, r.bottom - r.top, memory, 0, 0, SRCCOPY);
            SelectObject(memory, previous);
            DeleteDC(memory);
        } else {
            FillRect(request->hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
        }
        DrawFocusIfFocused(request, focus);
    } else if (request->itemAction & ODA_FOCUS) {
        DrawFocusRect(request->hDC, &focus);
    }
    if (picture) DeleteObject(picture);
}
