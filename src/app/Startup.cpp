#include "app/Startup.h"

#include "base/Error.h"

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
           L"Closes the program\r\n"
           L"\r\n"
           L"/SAVE \"FileName.cl7\"\r\n"
           L"Saves the clipboard to the file.\r\n"
           L"\r\n"
           L"/QUIET\r\n"
           L"Shows no message boxes; errors set the exit code";
}

StartupOutcome RunStartup(const CommandLine& commandLine, StartupActions& actions) {
    if (commandLine.HasSwitch(L"HELP") || commandLine.HasSwitch(L"?")) {
        actions.ShowHelp(HelpText());
        return StartupOutcome::EndAtOnce;
    }
    // The save comes before the clear so that "/SAVE backup /CLEAR" backs up what it clears.
    if (commandLine.HasSwitch(L"SAVE")) {
        const std::optional<std::wstring> fileName = commandLine.SwitchArgument(L"SAVE");
        if (!fileName) {
            throw Error(L"Missing file name after /SAVE");
        }
        actions.SaveClipboard(*fileName);
    }
    if (commandLine.HasSwitch(L"CLEAR")) {
        actions.ClearClipboard();
    }
    // A file that cannot be opened ends the program before any window exists.
    actions.OpenFileFromCommandLine();
    if (commandLine.HasSwitch(L"CLOSE")) {
        actions.LoadOpenedFile();
        return StartupOutcome::EndAtOnce;
    }
    actions.CreateMainWindow();
    actions.LoadOpenedFile();
    return StartupOutcome::RunMainWindow;
}

} // namespace tavrix
