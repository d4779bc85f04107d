#pragma once
// The monitor's platform for tests: a manual millisecond clock that runs the two timers, a
// recorded registration and viewer chain, and the direct clipboard open over a fake clipboard.
#include "clipboard/MonitorPorts.h"
#include "fakes/FakeClipboard.h"

#include <functional>
#include <string>
#include <vector>

namespace tavrix::testing {

class FakeMonitorPlatform;

class FakeTimer : public MonitorTimer {
public:
    FakeTimer(FakeMonitorPlatform& clock, std::uint32_t intervalMs)
        : interval(intervalMs), clock_(clock) {}
    void Enable() override;
    void Disable() override { enabled_ = false; }
    bool Enabled() const override { return enabled_; }

    std::uint32_t interval;
    std::uint32_t dueAt = 0;
    std::function<void()> onFire;

private:
    FakeMonitorPlatform& clock_;
    bool enabled_ = false;
};

class FakeMonitorPlatform : public MonitorPlatform {
public:
    struct Sent {
        WindowId target;
        unsigned message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
        bool saveTimerWasEnabled;
    };

    FakeMonitorPlatform() : saveTimer(*this, 50), restartTimer(*this, 60000) {}

    WindowId Window() override { return window; }
    bool LoadListenerFunctions() override { return listenerAvailable; }
    void AddListener() override { calls.push_back("add"); }
    void RemoveListener() override { calls.push_back("remove"); }
    WindowId SetClipboardViewer() override {
        calls.push_back("setviewer");
        if (onSetViewer) {
            onSetViewer();
        }
        return viewerChainHead;
    }
    void ChangeClipboardChain(WindowId next) override {
        calls.push_back("changechain " + std::to_string(next));
    }
    void SendToWindow(WindowId target, unsigned message, std::uintptr_t wParam,
                      std::intptr_t lParam) override {
        sent.push_back({target, message, wParam, lParam, saveTimer.Enabled()});
    }
    std::uint32_t TickCount() override { return now; }

    // Lets time pass one millisecond at a time, firing the timers that fall due.
    void Advance(std::uint32_t milliseconds) {
        for (std::uint32_t i = 0; i < milliseconds; ++i) {
            ++now;
            for (FakeTimer* timer : {&saveTimer, &restartTimer}) {
                if (timer->Enabled() && timer->dueAt == now) {
                    timer->dueAt = now + timer->interval;
                    if (timer->onFire) {
                        timer->onFire();
                    }
                }
            }
            if (onTick) {
                onTick();
            }
        }
    }

    WindowId window = 0x100;
    WindowId viewerChainHead = 0;
    bool listenerAvailable = true;
    std::uint32_t now = 5000;
    std::vector<std::string> calls;
    std::vector<Sent> sent;
    std::function<void()> onSetViewer;
    std::function<void()> onTick;

    FakeTimer saveTimer;
    FakeTimer restartTimer;
};

inline void FakeTimer::Enable() {
    enabled_ = true;
    dueAt = clock_.now + interval;
}

} // namespace tavrix::testing
