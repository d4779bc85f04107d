#pragma once
// The change log's recorder: on each change notification it writes the row with what the
// notification itself can tell (time, change count, owner), and has a lister thread of its own
// name the formats of that change. The lister only lists: it never asks for data, so a slow
// owner cannot hold it up, and a burst of changes keeps it a few milliseconds behind at most.
#include "clipboard/ChangeLog.h"
#include "clipboard/ClipboardReader.h"
#include "clipboard/win32/WindowProcess.h"

#include <windows.h>

#include <functional>
#include <memory>

namespace tavrix::win32 {

// Now, as the log keeps times: UTC milliseconds and the local offset.
ChangeMoment CurrentMoment();

class ChangeRecorder {
public:
    // Finished listings post message to window; changed runs after every change of the log.
    ChangeRecorder(ChangeLog& log, HWND window, UINT message, std::function<void()> changed);
    ~ChangeRecorder();
    ChangeRecorder(const ChangeRecorder&) = delete;
    ChangeRecorder& operator=(const ChangeRecorder&) = delete;

    // A change notification (or, at start, the clipboard as found).
    void Record(bool atStart = false);
    // The window read the clipboard with this snapshot's count.
    void Shown(const ClipboardSnapshot& snapshot);
    // The lister's finished jobs, on the window's thread.
    void RunFinished();
    // Rows old enough are written; all of them with all (the program ends).
    void Settle(bool all = false);
    // The lister has nothing to do.
    bool Idle() const { return lister_->Idle(); }

private:
    ChangeLog& log_;
    std::function<void()> changed_;
    WindowProcessCache processes_;
    std::unique_ptr<ClipboardReader> lister_;
};

} // namespace tavrix::win32
