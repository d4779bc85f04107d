#include "support/MessagePump.h"

#include "base/win32/AcceleratorHook.h"

namespace tavrix::test {

namespace {

enum class PumpEnd { Signalled, Quit, TimeUp };

// The one loop behind the others: waits up to the given time for a message or the object (when
// there is one), handles what arrived, and ends at the object, the time or (when asked) a quit.
PumpEnd Pump(HANDLE object, DWORD milliseconds, bool endAtQuit) {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        const DWORD left = elapsed < milliseconds ? milliseconds - elapsed : 0;
        const DWORD count = object != nullptr ? 1 : 0;
        const DWORD woken = MsgWaitForMultipleObjects(count, &object, FALSE, left, QS_ALLINPUT);
        if (count == 1 && woken == WAIT_OBJECT_0) {
            return PumpEnd::Signalled;
        }
        if (PumpMessages() && endAtQuit) {
            return PumpEnd::Quit;
        }
        if (woken == WAIT_TIMEOUT || woken == WAIT_FAILED) {
            return PumpEnd::TimeUp;
        }
    }
}

} // namespace

bool PumpMessages() {
    bool quit = false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quit = true;
            continue;
        }
        if (win32::RunAcceleratorHook(msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return quit;
}

void PumpMessagesFor(DWORD milliseconds) {
    Pump(nullptr, milliseconds, false);
}

bool PumpUntilQuit(DWORD milliseconds) {
    return Pump(nullptr, milliseconds, true) == PumpEnd::Quit;
}

bool WaitPumping(HANDLE object, DWORD milliseconds) {
    return Pump(object, milliseconds, false) == PumpEnd::Signalled;
}

} // namespace tavrix::test
