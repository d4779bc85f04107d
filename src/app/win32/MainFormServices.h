#pragma once
// What the main window needs from the rest of the program: the settings store, a way to open web
// pages, the file chooser, the box that reports errors and the first-start step. The program's
// entry hands over the real ones; tests hand over recorders so that no browser starts and no
// modal window blocks them.
#include "ui/win32/ErrorBox.h"
#include "ui/win32/FileDialog.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tavrix {
class SettingsStore;
} // namespace tavrix

namespace tavrix::win32 {

enum class FileChoice { Open, Save };

struct MainFormServices {
    using PageOpener = std::function<void(const std::wstring& address)>;
    // The chosen file name, or nothing when the user cancels.
    using FileChooser = std::function<std::optional<std::wstring>(FileChoice choice,
                                                                  FileDialog& dialog, HWND owner)>;

    SettingsStore& settings;
    // Required: web pages and links the user asks for.
    PageOpener openPage;
    // Required: the file the load and save commands work on.
    FileChooser chooseFile;
    // Errors that end a handler of the window; empty shows the program's error box.
    ErrorReporter reportError;
    // Runs after the clipboard monitor's first look; empty runs nothing.
    std::function<void()> firstStart;
    // The clock that decides when a save or load is long enough to show its progress; empty is
    // the system's tick count.
    std::function<std::uint32_t()> tickCount;
    // Takes each change of the clipboard as a line of JSON (the /LOG file); empty keeps none.
    std::function<void(std::string_view line)> logLine;
};

// The program's own: the store made at start-up, the shell, the common dialogs, the error box
// and the first-start step.
MainFormServices ProgramMainFormServices();

} // namespace tavrix::win32
