#pragma once
// The change log's window: a list of every clipboard change since the program started (a
// virtual list, so that ten thousand rows cost nothing to show), with the number of rows and of
// those that were dropped in its status line. Ctrl+C copies the selected rows (Ctrl+A selects
// them all) as tab-separated text, "Save log as..." writes the whole log as CSV or JSON lines,
// and a double-click on the newest row shows the clipboard's "Preview" in the main window. One
// window at most: opening it again brings it to the front.
#include "app/win32/MainFormServices.h"
#include "clipboard/ChangeLog.h"
#include "ui/win32/FileDialog.h"
#include "ui/win32/Window.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tavrix::win32 {

class ChangeLogWindow final : public Window {
public:
    struct Parts {
        ChangeLog& log;
        HWND owner = nullptr;
        // Puts text on the clipboard (through the reader).
        std::function<void(const std::wstring& text)> copyText;
        // Selects "Preview" in the main window and brings it to the front.
        std::function<void()> showPreview;
        MainFormServices::FileChooser chooseFile;
        ErrorReporter reportError;
    };

    explicit ChangeLogWindow(Parts parts);
    ~ChangeLogWindow() override;

    // Makes the window the first time, shows it and brings it to the front.
    void Open();
    // The log changed: rows came, were filled in or were dropped. The list follows within a
    // tenth of a second, once for a whole burst of changes.
    void Update();
    // Shows the log as it is now.
    void Refresh();

    HWND List() const { return list_; }
    std::wstring StatusText() const { return status_; }
    // The commands of its menu and its keys.
    void CopySelected();
    void SaveAs();
    // Double-click on row index.
    void Activate(int index);

protected:
    bool OnCreate(const CREATESTRUCTW& create) override;
    void OnDestroy() override;
    void OnSize(UINT kind, int width, int height) override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool OnContextMenu(HWND from, POINT screen) override;
    void OnDpiChanged(int previousDpi) override;
    bool OnTimer(UINT_PTR id) override;
    void ReportHandlerError(const std::wstring& text) override;

private:
    std::vector<std::size_t> SelectedRows() const;
    void ShowStatus();
    void SizeColumns();

    Parts parts_;
    HWND list_ = nullptr;
    HWND bar_ = nullptr;
    FileDialog saveDialog_;
    std::wstring cell_;   // the text the list asked for last
    std::wstring note_;   // shown in the status line until the selection changes
    std::wstring status_; // what the status line shows
    bool refreshDue_ = false;
};

} // namespace tavrix::win32
