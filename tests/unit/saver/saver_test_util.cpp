// Helpers for the saver tests: a running program with the saver settings of a test,
// window pixels, real mouse input, and message boxes answered from a timer.
#include "saver_test_util.h"

#include <algorithm>

#include "app/settings.h"
#include "saver/saver.h"

namespace savertest {

namespace {

std::vector<std::string> answeredTexts;
std::vector<std::string> answeredCaptions;
std::set<HWND> answeredBoxes;

BOOL CALLBACK AnswerBox(HWND window, LPARAM) {
    char cls[16] = "";
    GetClassNameA(window, cls, sizeof cls);
    // A message box is a dialog whose message sits in the static control 0xFFFF; the
    // dialog that opened it has such statics too, but is disabled while the box is up.
    if (lstrcmpA(cls, "#32770") != 0 || !IsWindowVisible(window) || !IsWindowEnabled(window) ||
        !GetDlgItem(window, 0xFFFF) || !GetDlgItem(window, IDOK))
        return TRUE;
    if (!answeredBoxes.insert(window).second) return TRUE;   // its answer is on the way
    char text[512] = "", caption[128] = "";
    GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
    GetWindowTextA(window, caption, sizeof caption);
    answeredTexts.push_back(text);
    answeredCaptions.push_back(caption);
    PostMessageA(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

void CALLBACK AnswerTick(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), AnswerBox, 0);
}

}  // namespace

SaverSpine::SaverSpine()
    : spine_(new testenv::Spine({{"ScreenSaver", "1"}, {"Zoom", "0"}, {"Power", "1"}, {"Music", "0"}})) {
    settings.SSType = kSaverTypeBlank;
    settings.SSMsg[0] = '\0';
}

SaverSpine::~SaverSpine() {
    StopSaver();
    spine_.reset();
}

std::set<COLORREF> Picture::ColoursIn(const RECT& area) const {
    std::set<COLORREF> colours;
    for (int y = std::max<LONG>(area.top, 0); y < std::min<LONG>(area.bottom, height); ++y)
        for (int x = std::max<LONG>(area.left, 0); x < std::min<LONG>(area.right, width); ++x) colours.insert(At(x, y));
    return colours;
}

size_t Picture::Count(const RECT& area, COLORREF colour) const {
    size_t count = 0;
    for (int y = std::max<LONG>(area.top, 0); y < std::min<LONG>(area.bottom, height); ++y)
        for (int x = std::max<LONG>(area.left, 0); x < std::min<LONG>(area.right, width); ++x)
            count += At(x, y) == colour;
    return count;
}

Picture Capture(HWND window) {
    Picture picture;
    RECT client;
    GetClientRect(window, &client);
    picture.width = client.right;
    picture.height = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* rgbx = static_cast<const DWORD*>(bits);
    picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        const DWORD p = rgbx[i];   // 0x00RRGGBB in a DIB
        picture.pixels[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    return picture;
}

void RealButton(DWORD flag) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    SendInput(1, &input, sizeof input);
}

void RealClick(DWORD downFlag, DWORD upFlag) {
    RealButton(downFlag);
    RealButton(upFlag);
}

void ClearButtonMarks() {
    for (int button : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON}) GetAsyncKeyState(button);
}

void Frames(HWND window, int count) {
    for (int i = 0; i < count; ++i) SendMessageA(window, WM_TIMER, kSaverTimerId, 0);
}

MessageBoxAnswerer::MessageBoxAnswerer() : timer_(SetTimer(nullptr, 0, 100, AnswerTick)) {
    answeredTexts.clear();
    answeredCaptions.clear();
    answeredBoxes.clear();
}

MessageBoxAnswerer::~MessageBoxAnswerer() { KillTimer(nullptr, timer_); }

const std::vector<std::string>& MessageBoxAnswerer::texts() const { return answeredTexts; }
const std::vector<std::string>& MessageBoxAnswerer::captions() const { return answeredCaptions; }

}  // namespace savertest
