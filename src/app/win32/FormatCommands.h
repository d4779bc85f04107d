#pragma once
// The two commands on the format selected in the tree: saving its block to a file of the user's
// choice, and putting the clipboard back without it.
#include "app/win32/MainFormServices.h"
#include "ui/win32/FileDialog.h"

#include <windows.h>

namespace tavrix {
class ClipboardEngine;
class ClipboardPort;
} // namespace tavrix

namespace tavrix::win32 {

class FormatCommands {
public:
    FormatCommands(ClipboardPort& port, MainFormServices::FileChooser choose);

    // The node's format (nothing for "Preview" and for handles that are no memory block) to
    // the file the user chooses; an existing file stays as it was when the save fails.
    void Save(HWND owner, const ClipboardEngine& engine, int nodeIndex);
    // The clipboard put back without the node's format. Nothing is removed, with a warning,
    // when another format cannot be read; the engine notes a format the system makes again.
    void Remove(ClipboardEngine& engine, int nodeIndex);

private:
    ClipboardPort& port_;
    MainFormServices::FileChooser choose_;
    FileDialog saveDialog_;
};

} // namespace tavrix::win32
