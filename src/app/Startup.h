#pragma once
// The main routine's decisions: help, the log file, save, clear, load, close — in that order,
// whatever the order of the switches on the line — and then either end or open the main window.
// When the window opens, the file to load is opened before it and its records are placed after it
// shows, so that a long load shows its progress there.
#include "app/CommandLine.h"

#include <chrono>
#include <string>

namespace tavrix {

// The help box's lines (ShowInfo adds the final full stop).
std::wstring HelpText();

// What the main routine does to the world; the Win32 program and tests implement it.
class StartupActions {
public:
    virtual ~StartupActions() = default;
    virtual void ShowHelp(const std::wstring& text) = 0;
    // How long the save, the clear and the load wait for one format of another program.
    virtual void SetTimeout(std::chrono::seconds timeout) = 0;
    // Opens the file named after "/LOG" for the change log to append to; throws Error "Cannot
    // write the log …" when it cannot.
    virtual void OpenLog(const std::wstring& fileName) = 0;
    // Saves the clipboard to the file named after "/SAVE"; throws Error when it cannot.
    virtual void SaveClipboard(const std::wstring& fileName) = 0;
    virtual void ClearClipboard() = 0; // throws Error "Cannot open clipboard"
    // Opens the file named by the first parameter, if any; throws the file's own error.
    virtual void OpenFileFromCommandLine() = 0;
    // Puts the opened file's records onto the clipboard; nothing when no file was opened.
    virtual void LoadOpenedFile() = 0;
    virtual void CreateMainWindow() = 0;
};

enum class StartupOutcome { EndAtOnce, RunMainWindow };

// The main routine's steps from the help to the window. Errors are not caught here: they reach
// the last-chance report, which ends the process with exit code 1.
StartupOutcome RunStartup(const CommandLine& commandLine, StartupActions& actions);

} // namespace tavrix
