#pragma once
// Handling the window messages waiting for the program outside its main message loop.

namespace tavrix::win32 {

// Dispatches every waiting message. A quit request is left for the main message loop.
void PumpWaitingMessages();

} // namespace tavrix::win32
