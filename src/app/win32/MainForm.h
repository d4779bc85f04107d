#pragma once
// TMainForm: the program's window. It composes the command bar (actions, menu, toolbar), the
// format tree on the left, the preview pane on the right and the status bar, binds each command
// to its handler once and routes the messages to the part they concern. The clipboard engine
// drives the parts through MainWindowParts; what the window needs from the rest of the program
// comes in through its services.
#include "app/win32/ChangeLogWindow.h"
#include "app/win32/ClipboardFiles.h"
#include "app/win32/CommandBar.h"
#include "app/win32/FileComparison.h"
#include "app/win32/FormatCommands.h"
#include "app/win32/FormatTree.h"
#include "app/win32/MainFormServices.h"
#include "app/win32/MainWindowParts.h"
#include "app/win32/PreviewPane.h"
#include "app/win32/StatusBar.h"
#include "app/win32/ViewerFind.h"
#include "app/win32/WindowMetrics.h"
#include "clipboard/ChangeLog.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/DeferredWriteBackend.h"
#include "clipboard/SnapshotBackend.h"
#include "ui/win32/Splitter.h"
#include "ui/win32/Window.h"

#include <functional>
#include <memory>
#include <string>

namespace tavrix::win32 {

class TTavrixClipboardMonitor;

class TMainForm : public Window {
public:
    TMainForm(ClipboardPort& port, MainFormServices services);
    ~TMainForm() override;

    // Creates the window hidden and runs the creation handler (FormCreate).
    void Create();
    // Shows the window; the first time, FormShow restores on-top, placement and tree width.
    void Show(int showCommand = SW_SHOWNORMAL);

    // A click on a link in the rich text view; only a left click on a web or mail address opens.
    void rtfPreviewURLClick(const std::wstring& link, bool leftButton);
    // The zoom commands' handler: the preview zooms, the settings keep its zoom.
    void Zoom(ZoomStep step);

    // --- The composed parts, for the program and its tests -------------------------------------
    CommandBar& Commands() { return commands_; }
    FormatTree& Formats() { return tvFormats_; }
    StatusBar& Status() { return sbMain_; }
    PreviewPane& Preview() { return preview_; }
    ClipboardFiles& Files() { return files_; }
    // The parts as the clipboard engine drives them.
    MainWindowParts& Surface() { return parts_; }
    ViewerFind& Find() { return find_; }
    // Every change since the start, and its window (made when first opened).
    ChangeLog& Log() { return changeLog_; }
    ChangeLogWindow& LogWindow() { return logWindow_; }
    void OpenChangeLog();
    // The clipboard monitor; null until the creation handler starts it.
    TTavrixClipboardMonitor* Monitor() { return monitor_.get(); }
    int TreeWidth() const { return metrics_.treeWidth; }
    void SetTreeWidth(int width);
    // The resolution the layout follows: the screen's at creation, then the window's own.
    int PixelsPerInch() const { return Dpi(); }

protected:
    bool OnCreate(const CREATESTRUCTW& create) override;
    void OnDestroy() override;
    void OnEndSession(bool ending) override;
    void OnSize(UINT kind, int width, int height) override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool OnContextMenu(HWND from, POINT screen) override;
    bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    void OnDpiChanged(int previousDpi) override;
    bool OnSetCursor(HWND over, UINT hitTest) override;
    void OnDropFiles(HDROP drop) override;
    void ReportHandlerError(const std::wstring& text) override;

private:
    // Building the designed window (before the creation handler).
    void CreateControls();
    // The action table: every command with its handler.
    CommandBar::Handlers CommandHandlers();
    void LayoutControls();
    // Runs work; what it throws goes to the user as the window's error policy says, over owner.
    void RunReportingErrors(HWND owner, const std::function<void()>& work);
    // A command's clipboard work on the reader thread; its error reaches the user the same way.
    void RunOnReader(ClipboardWork work, std::function<void()> after);
    ReaderRunner Runner();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The handlers of the commands that concern the window itself.
    void ToggleOnTop();
    void ApplyOnTop();
    void OpenWebPage(const std::wstring& address);
    void ApplyDpiLayout();
    void ApplyTranslations();

    // The creation, show and destruction handlers.
    void FormCreate();
    void FormShow();
    void FormDestroy();
    // Placement, zoom and tree width, written once: at logoff or at destruction, whichever comes
    // first.
    void SaveFormSettings();
    // Creation steps 9 and 10: the clipboard monitor with its first look, and the first start.
    void StartClipboardMonitor();

    ClipboardPort& port_;
    // The clipboard as the reader last read it: what the views show, never waiting.
    SnapshotBackend shown_;
    ClipboardPort shownPort_{shown_};
    // What the viewer copies goes to the reader thread as one job.
    DeferredWriteBackend copies_;
    ClipboardPort copyPort_{copies_};
    MainFormServices services_;
    WindowMetrics metrics_;

    // Components of the designed window.
    CommandBar commands_;
    StatusBar sbMain_;
    FormatTree tvFormats_;
    Splitter spltMain_;
    PreviewPane preview_;
    ViewerFind find_{preview_, sbMain_};
    FileComparison comparison_;
    MainWindowParts parts_{commands_, tvFormats_, preview_, sbMain_, find_, comparison_};
    ClipboardFiles files_;
    FormatCommands formatCommands_;
    ChangeLog changeLog_;
    ChangeLogWindow logWindow_;

    std::unique_ptr<TTavrixClipboardMonitor> monitor_;

    struct Lifecycle {
        bool shownOnce = false;
        bool destroyed = false;
        bool settingsSaved = false;
    } life_;
};

} // namespace tavrix::win32
