#pragma once
// Runs this thread's messages for tests the way the program's loop does (keyboard shortcuts
// included): timers, clipboard notifications and the clipboard's questions to its previous
// owner are only answered while a test handles its messages.
#include <windows.h>

namespace tavrix::test {

// Handles every message waiting now. A quit request is not passed on; true when one was seen.
bool PumpMessages();
// Handles messages as they come for the given time.
void PumpMessagesFor(DWORD milliseconds);
// Handles messages until a quit request arrives; false when none came within the time.
bool PumpUntilQuit(DWORD milliseconds);
// Waits for a kernel object while handling messages; false when the time ran out first.
bool WaitPumping(HANDLE object, DWORD milliseconds);

} // namespace tavrix::test
