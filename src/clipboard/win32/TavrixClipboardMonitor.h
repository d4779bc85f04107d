#pragma once
// The clipboard monitor: a hidden window that the system tells of every clipboard change. It
// owns the format catalogue, the format list and the summary state (ClipboardEngine), the reader
// thread that reads the clipboard for them and the view that shows what it read, and drives the
// main window through its surface. An error that ends one of its handlers is dropped: the next
// change brings the next refresh.
#include "base/win32/KernelHandles.h"
#include "clipboard/ClipboardEngine.h"
#include "clipboard/ClipboardMonitorCore.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/ClipboardReader.h"
#include "clipboard/ClipboardView.h"
#include "clipboard/MonitorPorts.h"
#include "clipboard/SnapshotBackend.h"
#include "clipboard/win32/ChangeRecorder.h"
#include "clipboard/win32/MonitorWindowTimer.h"
#include "clipboard/win32/Win32EnginePlatform.h"
#include "ui/win32/Window.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

namespace tavrix {
class ClipboardPort;
class MainWindowSurface;
} // namespace tavrix

namespace tavrix::win32 {

struct MonitorOptions {
    UINT saveInterval = 50;       // ms from the last notification to the refresh
    UINT restartInterval = 60000; // ms of quiet before the registration is renewed
    // The tick source of the clipboard waits; GetTickCount when empty.
    std::function<std::uint32_t()> tickCount;
    bool forceViewerChain = false; // join the viewer chain even where the listener exists
    // The snapshot the engine shows and the port over it, when the window shares them (its
    // preview reads through the same port); the monitor makes its own when null.
    SnapshotBackend* shown = nullptr;
    ClipboardPort* shownPort = nullptr;
    // The change log the monitor records every change in, and what runs when it changed; no
    // log without it.
    ChangeLog* log = nullptr;
    std::function<void()> logChanged;
};

// Copies a Win32Picture into another: how snapshots hand pictures to the window's views.
void CopyWin32Picture(const ClipboardPicture& from, ClipboardPicture& to);

class TTavrixClipboardMonitor final : public Window, private MonitorPlatform {
public:
    // Creates the hidden window and runs the creation step (catalogue, listener or chain).
    TTavrixClipboardMonitor(ClipboardPort& port, MainWindowSurface& surface,
                            MonitorOptions options = {});
    // Stops monitoring, releases user32 and destroys the window.
    ~TTavrixClipboardMonitor() override;
    TTavrixClipboardMonitor(const TTavrixClipboardMonitor&) = delete;
    TTavrixClipboardMonitor& operator=(const TTavrixClipboardMonitor&) = delete;

    void StartMonitoring() { core_.StartMonitoring(); }
    void StopMonitoring() { core_.StopMonitoring(); }
    // The refresh: the reader lists the clipboard and reads what "Preview" shows; the view
    // shows it when it comes.
    void SaveClipboardToFile() { core_.SaveClipboardToFile(); }
    // The tree's selection.
    void ShowNode(int node);
    // Esc: stops waiting for the data being read.
    void StopWaiting() { view_->StopWaiting(); }
    // A refresh is due, or the reader (for the view or a command) or the change log's lister
    // has work.
    bool Busy() const {
        return saveTimer_.Enabled() || view_->Busy() || !reader_->Idle() ||
               (recorder_ && !recorder_->Idle());
    }
    // The change count of the clipboard the window shows.
    std::uint32_t ShownSequence() const { return shown_.Current().sequence; }

    ClipboardEngine& Engine() { return engine_; }
    ClipboardView& View() { return *view_; }
    ClipboardReader& Reader() { return *reader_; }
    ClipboardMonitorCore& Core() { return core_; }
    bool RefreshPending() const { return saveTimer_.Enabled(); }

    // What the main window reads for the "Preview" node and the status bar.
    void ShowClipboardSummary() { engine_.ShowClipboardSummary(); }
    const std::wstring& GetFormatDescription(ClipFormat format) const {
        return engine_.GetFormatDescription(format);
    }
    const std::vector<std::wstring>& FormatList() const { return engine_.FormatList(); }
    const std::wstring& SummaryText() const { return engine_.SummaryText(); }
    std::int32_t ClipboardSize() const { return engine_.ClipboardSize(); }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnTimer(UINT_PTR id) override;
    void ReportHandlerError(const std::wstring& text) override;

    // MonitorPlatform
    WindowId Window() override;
    bool LoadListenerFunctions() override;
    void AddListener() override;
    void RemoveListener() override;
    WindowId SetClipboardViewer() override;
    void ChangeClipboardChain(WindowId next) override;
    void SendToWindow(WindowId target, unsigned message, std::uintptr_t wParam,
                      std::intptr_t lParam) override;
    std::uint32_t TickCount() override;
    // The wait message follows the reader while it works for the view.
    void WatchTheReader();

    using ListenerFunction = BOOL(WINAPI*)(HWND);

    MonitorOptions options_;
    Module user32_;
    ListenerFunction addListener_ = nullptr;
    ListenerFunction removeListener_ = nullptr;
    Win32EnginePlatform enginePlatform_;
    std::unique_ptr<SnapshotBackend> ownShown_;
    std::unique_ptr<ClipboardPort> ownShownPort_;
    SnapshotBackend& shown_;
    ClipboardEngine engine_;
    MonitorWindowTimer saveTimer_;
    MonitorWindowTimer restartTimer_;
    MonitorWindowTimer waitTimer_;
    MonitorWindowTimer settleTimer_;
    ClipboardMonitorCore core_;
    std::unique_ptr<ClipboardReader> reader_;
    std::unique_ptr<ChangeRecorder> recorder_;
    std::unique_ptr<ClipboardView> view_;
};

} // namespace tavrix::win32
