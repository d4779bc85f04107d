#pragma once
// The main routine's decisions: help, clear, load, close — in that order — and then either end
// or open the main window.
#include "app/CommandLine.h"

#include <string>

namespace tavrix {

// The eleven lines of the help box (ShowInfo adds the final full stop).
std::wstring HelpText();

// What the main routine does to the world; the Win32 program and tests implement it.
class StartupActions {
public:
    virtual ~StartupActions() = default;
    virtual void ShowHelp(const std::wstring& text) = 0;
    virtual void ClearClipboard() = 0;          // throws Error "Cannot open clipboard"
    virtual void LoadFileFromCommandLine() = 0; // throws the file's own error
    virtual void CreateMainWindow() = 0;
};

enum class StartupOutcome { EndAtOnce, RunMainWindow };

// Steps 4 to 7 of the main routine. Errors are not caught here: they reach the last-chance
// report, which ends the process with exit code 1.
StartupOutcome RunStartup(const CommandLine& commandLine, StartupActions& actions);

} // namespace tavrix
