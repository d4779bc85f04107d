#include "clipboard/win32/TavrixClipboardMonitor.h"

#include "base/SwallowedErrors.h"
#include "base/win32/SystemLibraries.h"
#include "clipboard/win32/Win32Picture.h"
#include "clipboard/win32/Win32ReaderPlatform.h"

namespace tavrix::win32 {

namespace {

constexpr wchar_t kClassName[] = L"TTavrixClipboardMonitor";
constexpr UINT_PTR kSaveTimerId = 1;
constexpr UINT_PTR kRestartTimerId = 2;
constexpr UINT_PTR kWaitTimerId = 3;
constexpr UINT_PTR kSettleTimerId = 4;
constexpr UINT kWaitInterval = 200;
constexpr UINT kSettleInterval = 500;
constexpr UINT kReaderFinished = WM_APP + 1;
constexpr UINT kListerFinished = WM_APP + 2;

std::unique_ptr<SnapshotBackend> OwnSnapshot(const MonitorOptions& options, ClipboardPort& port) {
    if (options.shown != nullptr) {
        return nullptr;
    }
    return std::make_unique<SnapshotBackend>(port.Backend(), CopyWin32Picture);
}

} // namespace

TTavrixClipboardMonitor::TTavrixClipboardMonitor(ClipboardPort& port, MainWindowSurface& surface,
                                                 MonitorOptions options)
    : options_(std::move(options)), ownShown_(OwnSnapshot(options_, port)),
      ownShownPort_(ownShown_ ? std::make_unique<ClipboardPort>(*ownShown_) : nullptr),
      shown_(ownShown_ ? *ownShown_ : *options_.shown),
      engine_(ownShownPort_ ? *ownShownPort_ : *options_.shownPort, enginePlatform_, surface),
      saveTimer_(kSaveTimerId, options_.saveInterval),
      restartTimer_(kRestartTimerId, options_.restartInterval),
      waitTimer_(kWaitTimerId, kWaitInterval), settleTimer_(kSettleTimerId, kSettleInterval),
      core_(
          *this, saveTimer_, restartTimer_,
          [this] {
              view_->Refresh();
              WatchTheReader();
          },
          options_.forceViewerChain) {
    RegisterClassOnce(kClassName, 0, nullptr, nullptr);
    // A message-only window: never shown, needs no desktop, still receives the clipboard's
    // notifications and timers.
    CreateWindowOfClass(kClassName, 0, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr);
    saveTimer_.Attach(Handle());
    restartTimer_.Attach(Handle());
    waitTimer_.Attach(Handle());
    settleTimer_.Attach(Handle());
    reader_ = std::make_unique<ClipboardReader>(
        std::make_shared<Win32ReaderPlatform>(Handle(), kReaderFinished));
    if (options_.log != nullptr) {
        recorder_ = std::make_unique<ChangeRecorder>(*options_.log, Handle(), kListerFinished,
                                                     options_.logChanged);
        // The clipboard as found.
        recorder_->Record(true);
        settleTimer_.Enable();
    }
    view_ = std::make_unique<ClipboardView>(ClipboardView::Parts{
        .reader = *reader_,
        .shown = shown_,
        .engine = engine_,
        .surface = surface,
        .makePicture = [] { return std::make_unique<Win32Picture>(); },
        .tickCount = [this] { return TickCount(); },
        .refreshAgain = [this] { saveTimer_.Enable(); },
        .learnt =
            [this](const ClipboardSnapshot& snapshot) {
                if (recorder_) {
                    recorder_->Shown(snapshot);
                }
            },
    });
    core_.FormCreate();
}

void CopyWin32Picture(const ClipboardPicture& from, ClipboardPicture& to) {
    static_cast<Win32Picture&>(to).CopyFrom(static_cast<const Win32Picture&>(from));
}

void TTavrixClipboardMonitor::ShowNode(int node) {
    view_->ShowNode(node);
    WatchTheReader();
}

void TTavrixClipboardMonitor::WatchTheReader() {
    if (view_->Busy() && !waitTimer_.Enabled()) {
        waitTimer_.Enable();
    }
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
    waitTimer_.Disable();
    settleTimer_.Disable();
    if (recorder_) {
        // What is known of the last changes is all there will be.
        recorder_->Settle(true);
    }
    // Before the view its jobs report to; a reader stuck in another program is left behind.
    reader_->Stop();
    if (Handle() != nullptr) {
        DestroyWindow(Handle());
    }
}

LRESULT TTavrixClipboardMonitor::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kReaderFinished) {
        view_->RunFinished();
        WatchTheReader();
        return 0;
    }
    if (message == kListerFinished) {
        if (recorder_) {
            recorder_->RunFinished();
        }
        return 0;
    }
    if (recorder_ &&
        (message == WM_CLIPBOARDUPDATE || (message == WM_DRAWCLIPBOARD && !core_.Registering()))) {
        // At once: the owner may be gone a moment later.
        recorder_->Record();
    }
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
    } else if (id == kSettleTimerId && recorder_) {
        recorder_->Settle();
    } else if (id == kWaitTimerId) {
        view_->UpdateWaitMessage();
        if (!view_->Busy()) {
            waitTimer_.Disable();
        }
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

std::uint32_t TTavrixClipboardMonitor::TickCount() {
    return options_.tickCount ? options_.tickCount() : GetTickCount();
}

} // namespace tavrix::win32
