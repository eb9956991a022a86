// The message loop and its idle step.
#include "app/app.h"
#include "app/settings.h"
#include "lights/flash_engine.h"
#include "saver/saver.h"

void IdleStep() {
    if (!settings.IdleProcess) return;
    FlashStep(FlashForm::Idle);
    if (settings.ScreenSaver && !saverRunning && SaverDue()) StartSaver();
}

int RunMessageLoop() {
    MSG msg;
    for (;;) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) break;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            continue;
        }
        IdleStep();
        // Nothing to do: sleep until a message arrives, or until the idle step is
        // next due when it drives the lights, instead of spinning on an empty queue.
        DWORD timeout = settings.IdleProcess ? IdleFlashDueIn() : INFINITE;
        MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    return static_cast<int>(msg.wParam);
}
