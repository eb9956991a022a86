// Docking the own taskbar window: the rectangle it claims, re-docking and auto-hide.
#include "shell/appbar.h"

namespace {

RECT ScreenRect() {
    return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool IsDockedSide(int side) { return side >= kSideLeft && side <= kSideBottom; }

void MoveBar(const RECT& r) {
    SetWindowPos(appBar.window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_DRAWFRAME);
    UpdateWindow(appBar.window);
}

// Gives up this bar's auto-hide registration, on whichever edge it holds one.
void ReleaseAutoHide() {
    for (int edge = kSideLeft; edge <= kSideBottom; ++edge) {
        HWND holder = reinterpret_cast<HWND>(AppBarMessage(ABM_GETAUTOHIDEBAR, edge, 0, nullptr));
        if (holder == appBar.window) {
            AppBarMessage(ABM_SETAUTOHIDEBAR, edge, FALSE, nullptr);
            break;
        }
    }
}

void DockTo(int side) {
    // The shell allows one auto-hide bar per edge; when another holds it, stay docked.
    if (appBar.dock.autoHide && !AppBarMessage(ABM_SETAUTOHIDEBAR, side, TRUE, nullptr))
        appBar.dock.autoHide = false;
    RECT r;
    if (appBar.dock.autoHide) {
        // An auto-hiding bar reserves no space: hand back any strip claimed before.
        RECT none = AppBarCutToThickness(ScreenRect(), side, 0);
        AppBarMessage(ABM_SETPOS, side, 0, &none);
        r = AppBarAutoHideRect(side, true);
        appBar.hidden = true;
    } else {
        r = AppBarDockedRect(side);
        AppBarMessage(ABM_SETPOS, side, 0, &r);
        appBar.hidden = false;
    }
    MoveBar(r);
}

void ApplyZOrder() {
    HWND after = HWND_NOTOPMOST;
    if (appBar.dock.alwaysOnTop) after = appBar.fullScreen ? HWND_BOTTOM : HWND_TOPMOST;
    SetWindowPos(appBar.window, after, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

}  // namespace

RECT AppBarCutToThickness(RECT r, int side, int thickness) {
    switch (side) {
    case kSideLeft:
        r.right = r.left + thickness;
        break;
    case kSideTop:
        r.bottom = r.top + thickness;
        break;
    case kSideRight:
        r.left = r.right - thickness;
        break;
    case kSideBottom:
        r.top = r.bottom - thickness;
        break;
    }
    return r;
}

RECT AppBarDockedRect(int side) {
    if (!IsDockedSide(side)) return RECT{};
    RECT proposal = ScreenRect();
    AppBarMessage(ABM_QUERYPOS, side, 0, &proposal);
    return AppBarCutToThickness(proposal, side, appBar.dock.thickness[side]);
}

RECT AppBarAutoHideRect(int side, bool hidden) {
    if (!IsDockedSide(side)) return RECT{};
    const int thickness = appBar.dock.thickness[side];
    RECT r = AppBarCutToThickness(ScreenRect(), side, thickness);
    if (!hidden) return r;
    const int away = thickness - kAppBarHiddenVisible;
    switch (side) {
    case kSideLeft:
        OffsetRect(&r, -away, 0);
        break;
    case kSideTop:
        OffsetRect(&r, 0, -away);
        break;
    case kSideRight:
        OffsetRect(&r, away, 0);
        break;
    case kSideBottom:
        OffsetRect(&r, 0, away);
        break;
    }
    return r;
}

UINT_PTR AppBarSetSide(int side) {
    if (!appBar.window) return 0;
    ReleaseAutoHide();
    appBar.dock.side = side;
    if (side == kSideNone)
        AppBarMessage(ABM_REMOVE, kSideNone, 0, nullptr);
    else if (IsDockedSide(side))
        DockTo(side);
    ApplyZOrder();
    return AppBarMessage(ABM_ACTIVATE, kSideNone, 0, nullptr);
}

void AppBarSlide(bool show) {
    const int side = appBar.dock.side;
    if (!appBar.window || !appBar.dock.autoHide || !IsDockedSide(side)) return;
    RECT r = AppBarAutoHideRect(side, !show);
    SetWindowPos(appBar.window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    appBar.hidden = !show;
}

bool AppBarIsOnTop() {
    if (!appBar.window || !appBar.dock.alwaysOnTop) return false;
    // While a full-screen application runs the bar is below everything by design.
    return appBar.fullScreen || (GetWindowLongA(appBar.window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}
