#pragma once
// The monitor's timer port over a timer of the monitor's window. Enabling a running timer
// starts its interval anew (SetTimer with the same identifier replaces it).
#include "clipboard/MonitorPorts.h"
#include "ui/win32/WindowTimer.h"

#include <windows.h>

namespace tavrix::win32 {

class MonitorWindowTimer final : public MonitorTimer {
public:
    MonitorWindowTimer(UINT_PTR id, UINT interval) : timer_(id, interval) {}

    void Attach(HWND window) { timer_.Attach(window); }
    void Enable() override { timer_.Start(); }
    void Disable() override { timer_.Stop(); }
    bool Enabled() const override { return timer_.Enabled(); }
    UINT_PTR Id() const { return timer_.Id(); }

private:
    WindowTimer timer_;
};

} // namespace tavrix::win32
