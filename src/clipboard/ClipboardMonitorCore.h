#pragma once
// The clipboard monitor's behaviour, apart from its window: it turns bursts of change
// notifications into one refresh 50 ms after the last one (the refresh itself is the reader
// thread's job), passes the viewer chain's messages on, and renews its registration after a
// quiet minute.
#include "clipboard/MonitorPorts.h"

#include <cstdint>
#include <functional>

namespace tavrix {

class ClipboardMonitorCore {
public:
    // forceViewerChain: use the viewer chain even where the format listener exists.
    // refresh: asks for the clipboard to be listed and shown anew.
    ClipboardMonitorCore(MonitorPlatform& platform, MonitorTimer& saveTimer,
                         MonitorTimer& restartTimer, std::function<void()> refresh,
                         bool forceViewerChain = false);
    ClipboardMonitorCore(const ClipboardMonitorCore&) = delete;
    ClipboardMonitorCore& operator=(const ClipboardMonitorCore&) = delete;

    // The creation step: logs, decides between the format listener and the viewer chain.
    void FormCreate();
    // The destruction step: stops monitoring.
    void FormDestroy();

    void StartMonitoring();
    void StopMonitoring();
    void ClipboardChanged();
    void SaveClipboardToFile();
    void ResetRestartTimer();
    void ForwardToNextViewer(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

    void tmrSaveTimer();
    void tmrRestartTimer();

    // Handles the clipboard notifications; false for any other message. result is the message's
    // answer.
    bool HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                       std::intptr_t& result);

    bool UseListener() const { return useListener_; }
    bool Registering() const { return registering_; }
    WindowId NextViewer() const { return nextViewer_; }
    // How often the registration was renewed by the restart timer.
    int Renewals() const { return renewals_; }
    int Refreshes() const { return refreshes_; }

private:
    MonitorPlatform& platform_;
    MonitorTimer& tmrSave_;
    MonitorTimer& tmrRestart_;
    std::function<void()> refresh_;
    bool forceViewerChain_;
    WindowId nextViewer_ = 0;
    bool useListener_ = false;
    bool registering_ = false;
    int renewals_ = 0;
    int refreshes_ = 0;
};

} // namespace tavrix
