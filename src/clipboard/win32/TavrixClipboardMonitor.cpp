#include "clipboard/win32/TavrixClipboardMonitor.h"

#include "base/SwallowedErrors.h"
#include "base/SystemServices.h"
#include "base/win32/SystemLibraries.h"
#include "clipboard/ClipboardPort.h"

namespace tavrix::win32 {

namespace {

constexpr wchar_t kClassName[] = L"TTavrixClipboardMonitor";
constexpr UINT_PTR kSaveTimerId = 1;
constexpr UINT_PTR kRestartTimerId = 2;

} // namespace

TTavrixClipboardMonitor::TTavrixClipboardMonitor(ClipboardPort& port, MainWindowSurface& surface,
                                                 MonitorOptions options)
    : port_(port), options_(std::move(options)), engine_(port, enginePlatform_, surface),
      saveTimer_(kSaveTimerId, options_.saveInterval),
      restartTimer_(kRestartTimerId, options_.restartInterval),
      core_(*this, saveTimer_, restartTimer_, port, engine_, options_.forceViewerChain) {
    RegisterClassOnce(kClassName, 0, nullptr, nullptr);
    // A message-only window: never shown, needs no desktop, still receives the clipboard's
    // notifications and timers.
    CreateWindowOfClass(kClassName, 0, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr);
    saveTimer_.Attach(Handle());
    restartTimer_.Attach(Handle());
    core_.FormCreate();
}

TTavrixClipboardMonitor::~TTavrixClipboardMonitor() {
    try {
        core_.FormDestroy();
    } catch (...) {
        LogSwallowed(L"TTavrixClipboardMonitor::~TTavrixClipboardMonitor");
        // Leaving the chain cannot be helped any further at this point.
    }
    saveTimer_.Disable();
    restartTimer_.Disable();
    if (Handle() != nullptr) {
        DestroyWindow(Handle());
    }
}

LRESULT TTavrixClipboardMonitor::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    std::intptr_t result = 0;
    if (core_.HandleMessage(message, wParam, lParam, result)) {
        return result;
    }
    return win32::Window::HandleMessage(message, wParam, lParam);
}

bool TTavrixClipboardMonitor::OnTimer(UINT_PTR id) {
    if (id == kSaveTimerId && saveTimer_.Enabled()) {
        core_.tmrSaveTimer();
    } else if (id == kRestartTimerId && restartTimer_.Enabled()) {
        core_.tmrRestartTimer();
    }
    return true;
}

void TTavrixClipboardMonitor::ReportHandlerError(const std::wstring& text) {
    // Not shown: the next clipboard change brings the next refresh.
    LogSwallowed(L"TTavrixClipboardMonitor", text);
}

WindowId TTavrixClipboardMonitor::Window() {
    return reinterpret_cast<WindowId>(Handle());
}

bool TTavrixClipboardMonitor::LoadListenerFunctions() {
    user32_.reset(LoadSystemLibrary(L"user32.dll"));
    if (!user32_) {
        return false;
    }
    addListener_ = ProcedureOf<ListenerFunction>(user32_.get(), "AddClipboardFormatListener");
    removeListener_ = ProcedureOf<ListenerFunction>(user32_.get(), "RemoveClipboardFormatListener");
    return addListener_ != nullptr && removeListener_ != nullptr;
}

void TTavrixClipboardMonitor::AddListener() {
    if (addListener_ != nullptr) {
        addListener_(Handle());
    }
}

void TTavrixClipboardMonitor::RemoveListener() {
    if (removeListener_ != nullptr) {
        removeListener_(Handle());
    }
}

WindowId TTavrixClipboardMonitor::SetClipboardViewer() {
    return reinterpret_cast<WindowId>(::SetClipboardViewer(Handle()));
}

void TTavrixClipboardMonitor::ChangeClipboardChain(WindowId next) {
    ::ChangeClipboardChain(Handle(), reinterpret_cast<HWND>(next));
}

void TTavrixClipboardMonitor::SendToWindow(WindowId target, unsigned message, std::uintptr_t wParam,
                                           std::intptr_t lParam) {
    SendMessageW(reinterpret_cast<HWND>(target), message, wParam, lParam);
}

bool TTavrixClipboardMonitor::OpenClipboardDirect() {
    // The same owner window as the port's opens, but past its nesting counter.
    return port_.Backend().Open();
}

void TTavrixClipboardMonitor::CloseClipboardDirect() {
    port_.Backend().Close();
}

std::uint32_t TTavrixClipboardMonitor::TickCount() {
    return options_.tickCount ? options_.tickCount() : GetTickCount();
}

void TTavrixClipboardMonitor::WaitProcessingMessages(std::uint32_t milliseconds) {
    tavrix::WaitProcessingMessages(milliseconds);
}

} // namespace tavrix::win32
