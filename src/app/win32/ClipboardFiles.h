#pragma once
// The main window's commands on clipboard files: loading one (chosen or dropped on the window)
// onto the clipboard and saving the clipboard to one, with their dialogs and the progress a long
// save or load shows in the status bar.
#include "app/win32/MainFormServices.h"
#include "app/win32/StatusBarProgress.h"
#include "ui/win32/FileDialog.h"

#include <windows.h>

#include <shellapi.h>

namespace tavrix {
class ClipboardPort;
} // namespace tavrix

namespace tavrix::win32 {

class ClipboardFiles {
public:
    ClipboardFiles(ClipboardPort& port, MainFormServices::FileChooser choose, StatusBar& status,
                   StatusBarProgress::Clock clock);

    // The file the user chooses onto the clipboard; the monitor notices the new content.
    void Load(HWND owner);
    // The first of the files dropped on the window, as if chosen.
    void LoadDropped(HDROP drop);
    // The clipboard to the file the user chooses.
    void Save(HWND owner);

    // Where long saves and loads show how far they have come.
    ProgressDisplay& Progress() { return progress_; }
    // True while a long save or load shows its progress: the window keeps the wait cursor.
    bool Busy() const { return progress_.Showing(); }
    FileDialog& SaveDialog() { return saveDialog_; }

private:
    ClipboardPort& port_;
    MainFormServices::FileChooser choose_;
    FileDialog openDialog_;
    FileDialog saveDialog_;
    StatusBarProgress progress_;
};

} // namespace tavrix::win32
