#pragma once
// The two commands on the format selected in the tree: saving its block to a file of the user's
// choice, and putting the clipboard back without it.
#include "app/win32/MainFormServices.h"
#include "app/win32/ReaderCommands.h"
#include "ui/win32/FileDialog.h"

#include <windows.h>

namespace tavrix {
class ClipboardEngine;
struct FormatRemoval;
} // namespace tavrix

namespace tavrix::win32 {

class FormatCommands {
public:
    // run: how the clipboard work reaches the reader thread.
    FormatCommands(ReaderRunner run, MainFormServices::FileChooser choose);

    // The node's format (nothing for "Preview" and for handles that are no memory block) to
    // the file the user chooses; an existing file stays as it was when the save fails.
    void Save(HWND owner, const ClipboardEngine& engine, int nodeIndex);
    // The clipboard put back without the node's format. Nothing is removed, with a warning,
    // when another format cannot be read; the engine notes a format the system makes again.
    // The engine must outlive the work (the window's monitor owns both).
    void Remove(ClipboardEngine& engine, int nodeIndex);

private:
    static void ReportRemoval(ClipboardEngine& engine, const FormatRemoval& removal,
                              const std::wstring& name);

    ReaderRunner run_;
    MainFormServices::FileChooser choose_;
    FileDialog saveDialog_;
};

} // namespace tavrix::win32
