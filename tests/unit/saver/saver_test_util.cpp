#include "saver_test_util.h"

#include <algorithm>

#include "app/settings.h"
#include "saver/saver.h"

namespace savertest {

namespace {

std::vector<std::string> boxes;
std::set<HWND> seen;

BOOL CALLBACK AnswerBox(HWND window, LPARAM) {
    char cls[16] = "", text[512] = "", caption[128] = "";
    GetClassNameA(window, cls, sizeof cls);
    // A message box keeps its text in static 0xFFFF; its owner dialog is disabled meanwhile.
    if (lstrcmpA(cls, "#32770") != 0 || !IsWindowVisible(window) || !IsWindowEnabled(window) ||
        !GetDlgItem(window, 0xFFFF) || !seen.insert(window).second)
        return TRUE;
    GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
    GetWindowTextA(window, caption, sizeof caption);
    boxes.push_back(std::string(caption) + "|" + text);
    PostMessageA(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

void CALLBACK AnswerTick(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), AnswerBox, 0); }

template <typename F>
void Each(const Picture& p, const RECT& a, F f) {
    for (int y = std::max<LONG>(a.top, 0); y < std::min<LONG>(a.bottom, p.height); ++y)
        for (int x = std::max<LONG>(a.left, 0); x < std::min<LONG>(a.right, p.width); ++x) f(p.pixels[y * p.width + x]);
}

}  // namespace

SaverSpine::SaverSpine()
    : spine(new testenv::Spine({{"ScreenSaver", "1"}, {"Zoom", "0"}, {"Power", "1"}, {"Music", "0"}})) {
    settings.SSType = kSaverTypeBlank;
    settings.SSMsg[0] = '\0';
}

SaverSpine::~SaverSpine() { StopSaver(); }

std::set<COLORREF> Picture::ColoursIn(const RECT& area) const {
    std::set<COLORREF> colours;
    Each(*this, area, [&](COLORREF c) { colours.insert(c); });
    return colours;
}

size_t Picture::Count(const RECT& area, COLORREF colour) const {
    size_t n = 0;
    Each(*this, area, [&](COLORREF c) { n += c == colour; });
    return n;
}

Picture Capture(HWND window) {
    Picture p;
    RECT client;
    GetClientRect(window, &client);
    p.width = client.right;
    p.height = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, p.width, -p.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = GetDC(window), memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, p.width, p.height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* quads = static_cast<const RGBQUAD*>(bits);
    for (int i = 0; i < p.width * p.height; ++i) p.pixels.push_back(RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue));
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    return p;
}

void RealButton(DWORD flag) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    SendInput(1, &input, sizeof input);
}

void ClearButtonMarks() {
    for (int button : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON}) GetAsyncKeyState(button);
}

void Frames(HWND window, int count) {
    for (int i = 0; i < count; ++i) SendMessageA(window, WM_TIMER, kSaverTimerId, 0);
}

MessageBoxAnswerer::MessageBoxAnswerer() : timer(SetTimer(nullptr, 0, 100, AnswerTick)) {
    boxes.clear();
    seen.clear();
}
MessageBoxAnswerer::~MessageBoxAnswerer() { KillTimer(nullptr, timer); }
const std::vector<std::string>& MessageBoxAnswerer::answered() const { return boxes; }

}  // namespace savertest
