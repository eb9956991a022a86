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
    bool idleDone = false;
    for (;;) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) break;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            idleDone = false;
            continue;
        }
        if (!idleDone) {
            // The queue is empty: the idle step, then one more look at the queue, since
            // the step may let messages in (painting, a saver window opening).
            IdleStep();
            idleDone = true;
            continue;
        }
        // Nothing to do: sleep until a message arrives, or until the idle step is next
        // due when it drives the lights, instead of spinning on an empty queue. The wait
        // wakes only for messages that arrived since the queue was last looked at, which
        // the look just above found empty.
        idleDone = false;
        const DWORD timeout = settings.IdleProcess ? IdleFlashDueIn() : INFINITE;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, timeout, QS_ALLINPUT);
    }
    return static_cast<int>(msg.wParam);
}
