#include "app/Startup.h"

namespace tavrix {

std::wstring HelpText() {
    return L"/HELP and /?\r\n"
           L"Shows this information.\r\n"
           L"\r\n"
           L"Tavrix.exe \"FileName.cl7\"\r\n"
           L"It loads the file specified in the command line to the clipboard.\r\n"
           L"\r\n"
           L"/CLEAR\r\n"
           L"Clears the clipboard.\r\n"
           L"\r\n"
           L"/CLOSE\r\n"
           L"Closes the program";
}

StartupOutcome RunStartup(const CommandLine& commandLine, StartupActions& actions) {
    if (commandLine.HasSwitch(L"HELP") || commandLine.HasSwitch(L"?")) {
        actions.ShowHelp(HelpText());
        return StartupOutcome::EndAtOnce;
    }
    if (commandLine.HasSwitch(L"CLEAR")) {
        actions.ClearClipboard();
    }
    actions.LoadFileFromCommandLine();
    if (commandLine.HasSwitch(L"CLOSE")) {
        return StartupOutcome::EndAtOnce;
    }
    actions.CreateMainWindow();
    return StartupOutcome::RunMainWindow;
}

} // namespace tavrix
