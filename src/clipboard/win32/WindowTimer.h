#pragma once
// A repeating window timer of the monitor's window. Enabling a running timer starts its interval
// anew (SetTimer with the same identifier replaces it).
#include "clipboard/MonitorPorts.h"

#include <windows.h>

namespace tavrix::win32 {

class WindowTimer : public MonitorTimer {
public:
    WindowTimer(UINT_PTR id, UINT interval) : id_(id), interval_(interval) {}
    ~WindowTimer() override { Disable(); }
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    void Attach(HWND window) { window_ = window; }
    void Enable() override {
        if (window_ != nullptr && SetTimer(window_, id_, interval_, nullptr) != 0) {
            enabled_ = true;
        }
    }
    void Disable() override {
        if (enabled_ && window_ != nullptr) {
            KillTimer(window_, id_);
        }
        enabled_ = false;
    }
    bool Enabled() const override { return enabled_; }
    UINT_PTR Id() const { return id_; }

private:
    HWND window_ = nullptr;
    UINT_PTR id_;
    UINT interval_;
    bool enabled_ = false;
};

} // namespace tavrix::win32
