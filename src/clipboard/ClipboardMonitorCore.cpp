#include "clipboard/ClipboardMonitorCore.h"

#include "base/DebugLog.h"
#include "base/SwallowedErrors.h"
#include "base/SystemServices.h"
#include "base/UiText.h"
#include "clipboard/ClipboardEngine.h"
#include "clipboard/ClipboardPort.h"

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

constexpr std::uint32_t kClipboardWait = 200;
constexpr std::uint32_t kRetryPause = 20;

} // namespace

ClipboardMonitorCore::ClipboardMonitorCore(MonitorPlatform& platform, MonitorTimer& saveTimer,
                                           MonitorTimer& restartTimer, ClipboardPort& port,
                                           ClipboardEngine& engine, bool forceViewerChain)
    : platform_(platform), tmrSave_(saveTimer), tmrRestart_(restartTimer), port_(port),
      engine_(engine), forceViewerChain_(forceViewerChain) {}

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
    busy_ = false;
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
    if (busy_ || registering_) {
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
    if (!busy_ && !tmrSave_.Enabled()) {
        StopMonitoring();
        StartMonitoring();
        ++renewals_;
    }
}

void ClipboardMonitorCore::WaitForClipboard(std::uint32_t timeout) {
    const std::uint32_t start = platform_.TickCount();
    // Unsigned difference: the wrap of the tick count after 49.7 days does not stretch the wait.
    while (static_cast<std::uint32_t>(platform_.TickCount() - start) < timeout) {
        bool opened = false;
        try {
            port_.Open();
            opened = true;
        } catch (const std::exception&) {
            LogSwallowed(L"ClipboardMonitorCore::WaitForClipboard (open)");
        }
        if (opened) {
            try {
                port_.Close();
            } catch (const std::exception&) {
                LogSwallowed(L"ClipboardMonitorCore::WaitForClipboard (close)");
            }
            return;
        }
        platform_.WaitProcessingMessages(kRetryPause);
    }
}

void ClipboardMonitorCore::SaveClipboardToFile() {
    WaitForClipboard(kClipboardWait);
    // Still held by another program: skip this refresh, saying who holds it; the next change
    // brings another.
    if (!platform_.OpenClipboardDirect()) {
        engine_.ShowClipboardHeld();
        return;
    }
    platform_.CloseClipboardDirect();
    DebugLog(L"SaveClipboardToFile");
    FlagScope busy(busy_);
    ++refreshes_;
    try {
        WaitForClipboard(kClipboardWait);
        engine_.RebuildFormatList();
        WaitForClipboard(kClipboardWait);
        engine_.ShowClipboardSummary();
    } catch (const std::exception&) {
        LogSwallowed(L"ClipboardMonitorCore::SaveClipboardToFile");
        // The rest of this refresh is skipped; the next change brings another.
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
