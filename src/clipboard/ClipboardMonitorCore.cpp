#include "clipboard/ClipboardMonitorCore.h"

#include "base/DebugLog.h"
#include "base/SwallowedErrors.h"
#include "base/SystemServices.h"
#include "base/UiText.h"

#include <exception>

namespace tavrix {

namespace {

// Sets a flag for the lifetime of a scope, also when an error ends it.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

} // namespace

ClipboardMonitorCore::ClipboardMonitorCore(MonitorPlatform& platform, MonitorTimer& saveTimer,
                                           MonitorTimer& restartTimer,
                                           std::function<void()> refresh, bool forceViewerChain)
    : platform_(platform), tmrSave_(saveTimer), tmrRestart_(restartTimer),
      refresh_(std::move(refresh)), forceViewerChain_(forceViewerChain) {}

void ClipboardMonitorCore::FormCreate() {
    DebugLog(L"NorvaneClipboardDM");
    nextViewer_ = 0;
    useListener_ = false;
    if (IsVistaOrLater() && !forceViewerChain_) {
        useListener_ = true;
        if (!platform_.LoadListenerFunctions()) {
            useListener_ = false;
            ShowWarning(Tr(L"Failed to locate Vista Clipboard API"));
        }
    }
    registering_ = false;
}

void ClipboardMonitorCore::FormDestroy() {
    StopMonitoring();
}

void ClipboardMonitorCore::StartMonitoring() {
    FlagScope registering(registering_);
    if (useListener_) {
        platform_.AddListener();
    } else if (nextViewer_ == 0) {
        // Joining the chain sends us WM_DRAWCLIPBOARD at once; Registering keeps it from
        // arming a refresh.
        nextViewer_ = platform_.SetClipboardViewer();
    }
    tmrRestart_.Enable();
}

void ClipboardMonitorCore::StopMonitoring() {
    if (useListener_) {
        platform_.RemoveListener();
    } else {
        platform_.ChangeClipboardChain(nextViewer_);
        nextViewer_ = 0;
    }
    tmrRestart_.Disable();
}

void ClipboardMonitorCore::ForwardToNextViewer(unsigned message, std::uintptr_t wParam,
                                               std::intptr_t lParam) {
    if (nextViewer_ != 0 && nextViewer_ != platform_.Window()) {
        platform_.SendToWindow(nextViewer_, message, wParam, lParam);
    }
}

void ClipboardMonitorCore::ResetRestartTimer() {
    if (tmrRestart_.Enabled()) {
        tmrRestart_.Disable();
        tmrRestart_.Enable();
    }
}

void ClipboardMonitorCore::ClipboardChanged() {
    ResetRestartTimer();
    if (registering_) {
        return;
    }
    tmrSave_.Disable();
    tmrSave_.Enable();
}

void ClipboardMonitorCore::tmrSaveTimer() {
    tmrSave_.Disable();
    SaveClipboardToFile();
}

void ClipboardMonitorCore::tmrRestartTimer() {
    if (!tmrSave_.Enabled()) {
        StopMonitoring();
        StartMonitoring();
        ++renewals_;
    }
}

void ClipboardMonitorCore::SaveClipboardToFile() {
    DebugLog(L"SaveClipboardToFile");
    ++refreshes_;
    try {
        refresh_();
    } catch (const std::exception&) {
        LogSwallowed(L"ClipboardMonitorCore::SaveClipboardToFile");
        // The next change brings another.
    }
}

bool ClipboardMonitorCore::HandleMessage(unsigned message, std::uintptr_t wParam,
                                         std::intptr_t lParam, std::intptr_t& result) {
    result = 0;
    switch (message) {
    case clipmsg::DestroyClipboard:
        ClipboardChanged();
        return true;
    case clipmsg::DrawClipboard:
    case clipmsg::ClipboardUpdate:
        ForwardToNextViewer(message, wParam, lParam);
        ClipboardChanged();
        return true;
    case clipmsg::ChangeCbChain:
        if (static_cast<WindowId>(wParam) == nextViewer_) {
            nextViewer_ = static_cast<WindowId>(lParam);
        } else {
            ForwardToNextViewer(message, wParam, lParam);
        }
        return true;
    default:
        return false;
    }
}

} // namespace tavrix
