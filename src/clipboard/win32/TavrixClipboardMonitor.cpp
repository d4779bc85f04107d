#include "clipboard/win32/TavrixClipboardMonitor.h"

#include "base/Support.h"
#include "clipboard/ClipboardPort.h"

namespace tavrix::win32 {

namespace {

constexpr wchar_t kClassName[] = L"TTavrixClipboardMonitor";
constexpr UINT_PTR kSaveTimerId = 1;
constexpr UINT_PTR kRestartTimerId = 2;

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc); // fails harmlessly when a previous monitor registered it
}

// GetProcAddress hands out a generic function pointer; go through void* to the real type.
template <typename Function> Function ProcedureOf(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

TTavrixClipboardMonitor::TTavrixClipboardMonitor(ClipboardPort& port, MainWindowSurface& surface,
                                                 MonitorOptions options)
    : port_(port), options_(std::move(options)), engine_(port, enginePlatform_, surface),
      saveTimer_(kSaveTimerId, options_.saveInterval),
      restartTimer_(kRestartTimerId, options_.restartInterval),
      core_(*this, saveTimer_, restartTimer_, port, engine_, options_.forceViewerChain) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterWindowClass(instance, WindowProc);
    // A message-only window: never shown, needs no desktop, still receives the clipboard's
    // notifications and timers.
    window_ =
        CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
    saveTimer_.Attach(window_);
    restartTimer_.Attach(window_);
    core_.FormCreate();
}

TTavrixClipboardMonitor::~TTavrixClipboardMonitor() {
    try {
        core_.FormDestroy();
    } catch (...) {
        // Leaving the chain cannot be helped any further at this point.
    }
    saveTimer_.Disable();
    restartTimer_.Disable();
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK TTavrixClipboardMonitor::WindowProc(HWND window, UINT message, WPARAM wParam,
                                                     LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self =
        reinterpret_cast<TTavrixClipboardMonitor*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
    if (self == nullptr || message == WM_NCCREATE || message == WM_NCDESTROY) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        return self->OnMessage(message, wParam, lParam);
    } catch (...) {
        // No error leaves the window procedure; the next change brings the next refresh.
        return 0;
    }
}

LRESULT TTavrixClipboardMonitor::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        OnTimer(wParam);
        return 0;
    }
    std::intptr_t result = 0;
    if (core_.HandleMessage(message, wParam, lParam, result)) {
        return result;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void TTavrixClipboardMonitor::OnTimer(UINT_PTR id) {
    if (id == kSaveTimerId && saveTimer_.Enabled()) {
        core_.tmrSaveTimer();
    } else if (id == kRestartTimerId && restartTimer_.Enabled()) {
        core_.tmrRestartTimer();
    }
}

WindowId TTavrixClipboardMonitor::Window() {
    return reinterpret_cast<WindowId>(window_);
}

bool TTavrixClipboardMonitor::LoadListenerFunctions() {
    user32_.reset(LoadLibraryW(L"user32.dll"));
    if (!user32_) {
        return false;
    }
    addListener_ = ProcedureOf<ListenerFunction>(user32_.get(), "AddClipboardFormatListener");
    removeListener_ = ProcedureOf<ListenerFunction>(user32_.get(), "RemoveClipboardFormatListener");
    return addListener_ != nullptr && removeListener_ != nullptr;
}

void TTavrixClipboardMonitor::AddListener() {
    if (addListener_ != nullptr) {
        addListener_(window_);
    }
}

void TTavrixClipboardMonitor::RemoveListener() {
    if (removeListener_ != nullptr) {
        removeListener_(window_);
    }
}

WindowId TTavrixClipboardMonitor::SetClipboardViewer() {
    return reinterpret_cast<WindowId>(::SetClipboardViewer(window_));
}

void TTavrixClipboardMonitor::ChangeClipboardChain(WindowId next) {
    ::ChangeClipboardChain(window_, reinterpret_cast<HWND>(next));
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
