#pragma once
// Compare with file (File menu): the format nodes of the tree marked against a clipboard file the
// user chooses ("=" the same bytes, "≠" other bytes, "+" only on the clipboard), and the formats
// only the file holds named in front of the status bar's facts. The marks last until the tree is
// filled anew, as it is when the clipboard changes, or until the command is chosen again; the
// command's menu item is checked meanwhile. The rules of the comparison are the core's
// (clipboard/ClipboardFileComparison); this only asks for the file and shows the result.
#include "app/win32/CommandBar.h"
#include "app/win32/FormatTree.h"
#include "app/win32/MainFormServices.h"
#include "app/win32/ReaderCommands.h"
#include "app/win32/StatusBar.h"
#include "ui/win32/FileDialog.h"

#include <windows.h>

#include <string>

namespace tavrix {
class ClipboardEngine;
struct ClipboardFileComparison;
} // namespace tavrix

namespace tavrix::win32 {

class FileComparison {
public:
    // run: how the reading of the clipboard and the file reaches the reader thread.
    FileComparison(ReaderRunner run, MainFormServices::FileChooser choose, CommandBar& commands,
                   FormatTree& tree, StatusBar& status);

    // The command: with no marks shown, asks for the file and, once the reader compared it,
    // marks the nodes the engine filled; with marks shown, takes them away. Errors (a file that
    // cannot be read or is cut short, a clipboard held by another program) go to the window's
    // error policy. The engine must outlive the comparison (the window's monitor owns it).
    void Run(HWND owner, const ClipboardEngine& engine);
    // The tree was filled anew: its nodes carry no marks any more.
    void Forget();
    // The facts the status bar shows: while the marks are shown, after the formats only in the
    // file.
    std::wstring Facts(const std::wstring& facts);

private:
    void ShowFacts();
    void Mark(const ClipboardFileComparison& result, const std::wstring& path,
              const ClipboardEngine& engine);

    ReaderRunner run_;
    MainFormServices::FileChooser choose_;
    CommandBar& commands_;
    FormatTree& tree_;
    StatusBar& status_;
    FileDialog dialog_;
    bool marking_ = false;
    std::wstring note_;
    std::wstring facts_;
};

} // namespace tavrix::win32
