#pragma once
// A repeating window timer on the GUI thread (WM_TIMER to its window). Stopping and starting
// again begins the full interval anew; the destructor stops it.
#include <windows.h>

namespace tavrix::win32 {

class WindowTimer {
public:
    WindowTimer(UINT_PTR id, UINT interval) : id_(id), interval_(interval) {}
    ~WindowTimer() { Stop(); }
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    void Attach(HWND window) { window_ = window; }
    void SetInterval(UINT interval) {
        interval_ = interval;
        if (enabled_) {
            Start();
        }
    }
    void Start() {
        if (window_ != nullptr) {
            enabled_ = SetTimer(window_, id_, interval_, nullptr) != 0;
        }
    }
    void Stop() {
        if (enabled_ && window_ != nullptr) {
            KillTimer(window_, id_);
        }
        enabled_ = false;
    }
    void Restart() {
        Stop();
        Start();
    }
    bool Enabled() const { return enabled_; }
    UINT_PTR Id() const { return id_; }
    UINT Interval() const { return interval_; }

private:
    UINT_PTR id_;
    UINT interval_;
    HWND window_ = nullptr;
    bool enabled_ = false;
};

} // namespace tavrix::win32
