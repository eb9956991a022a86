// Process entry: the platform and single-instance tests, start-up and the message loop.
#include "app/app.h"
#include "app/text.h"
#include "resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    appInstance = instance;
    if (!IsWindows95()) {
        ShowMessage(nullptr, LoadText(IDS_NEED_WIN95).c_str());
        return 0;
    }
    if (SignalRunningInstance()) return 0;
    if (!CreateMainClass(instance)) return 0;
    if (!InitInstance(instance, showCommand)) return 0;
    return RunMessageLoop();
}
