#pragma once
// The main window's commands on clipboard files: loading one (chosen or dropped on the window)
// onto the clipboard and saving the clipboard to one, with their dialogs and the progress a long
// save or load shows in the status bar.
#include "app/win32/MainFormServices.h"
#include "app/win32/ReaderCommands.h"
#include "app/win32/StatusBarProgress.h"
#include "clipboard/DataStream.h"
#include "ui/win32/FileDialog.h"

#include <windows.h>

#include <shellapi.h>

#include <memory>

namespace tavrix::win32 {

class ClipboardFiles {
public:
    // run: how the clipboard work reaches the reader thread; window: where its progress is told.
    ClipboardFiles(ReaderRunner run, MainFormServices::FileChooser choose, StatusBar& status,
                   StatusBarProgress::Clock clock);
    void SetWindow(HWND window) { window_ = window; }

    // The file the user chooses onto the clipboard; the monitor notices the new content.
    void Load(HWND owner);
    // The first of the files dropped on the window, as if chosen.
    void LoadDropped(HDROP drop);
    // The clipboard to the file the user chooses.
    void Save(HWND owner);
    // A clipboard file opened already (the command line's) onto the clipboard.
    void LoadStream(std::shared_ptr<DataStream> stream);

    // Where long saves and loads show how far they have come.
    ProgressDisplay& Progress() { return progress_; }
    // True while a long save or load shows its progress: the window keeps the wait cursor.
    bool Busy() const { return progress_.Showing(); }
    FileDialog& SaveDialog() { return saveDialog_; }

private:
    void LoadFile(const std::wstring& name);

    ReaderRunner run_;
    HWND window_ = nullptr;
    StatusBarProgress::Clock clock_;
    MainFormServices::FileChooser choose_;
    FileDialog openDialog_;
    FileDialog saveDialog_;
    StatusBarProgress progress_;
};

} // namespace tavrix::win32
