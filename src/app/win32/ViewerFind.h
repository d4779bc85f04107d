#pragma once
// Find and Go to in the viewer: the two dialogs, the last search, the search thread and the
// results in the status bar. A search runs over the bytes the viewer shows without copying them
// and off the window's thread; a new view cancels it.
#include "app/win32/FindDialog.h"
#include "app/win32/GoToDialog.h"
#include "app/win32/SearchThread.h"
#include "ui/win32/ThreadMailbox.h"
#include "viewer/FindRequest.h"

#include <chrono>
#include <optional>
#include <string>

namespace tavrix {
class TZorvBinHex;
} // namespace tavrix

namespace tavrix::win32 {

class PreviewPane;
class StatusBar;

class ViewerFind {
public:
    ViewerFind(PreviewPane& preview, StatusBar& status);
    ~ViewerFind();
    ViewerFind(const ViewerFind&) = delete;
    ViewerFind& operator=(const ViewerFind&) = delete;

    // The window the dialogs belong to.
    void Create(HWND owner);
    // The viewer shows a format or the Preview text: something to search.
    bool CanSearch() const;
    void Find();
    // The last search again (the Find dialog when there was none yet), down or up.
    void FindAgain(bool up);
    void GoTo();
    // Keys for the dialogs, and Esc in the main window during a search: true when taken.
    bool RouteMessage(MSG& message);
    // The view shows something else: a running search stops and its message goes.
    void ViewChanged();

    FindDialog& FindWindow() { return findDialog_; }
    GoToDialog& GoToWindow() { return goToDialog_; }
    bool Searching() const { return thread_.Busy(); }
    // The last text in the status bar, for tests.
    const std::wstring& LastMessage() const { return message_; }
    // How long the last search that was stopped took to stop, for tests and benchmarks.
    std::chrono::steady_clock::duration StopTime() const { return stopTime_; }

private:
    TZorvBinHex& Viewer() const;
    FindView View() const;
    void Search(const FindSettings& settings, bool count);
    void Finished();
    void Tick();
    void ShowMessage(const std::wstring& text);
    void EndMessage();
    std::optional<std::wstring> GoToText(const std::wstring& text);

    PreviewPane& preview_;
    StatusBar& status_;
    HWND owner_ = nullptr;
    FindDialog findDialog_;
    GoToDialog goToDialog_;
    std::optional<FindSettings> last_;
    ThreadMailbox mailbox_;
    SearchThread thread_;
    std::optional<SearchJob> pending_; // a search asked for while another was stopping
    const std::vector<std::uint8_t>* searchedBytes_ = nullptr; // what the running search reads
    std::wstring searchedPattern_;
    bool searchedUp_ = false;
    std::chrono::steady_clock::time_point started_;
    std::wstring message_;
    bool showsMessage_ = false;
    std::chrono::steady_clock::duration stopTime_{};
};

} // namespace tavrix::win32
