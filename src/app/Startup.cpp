#include "app/Startup.h"

#include "app/ScriptTimeout.h"
#include "base/Error.h"
#include "base/UiText.h"

#include <utility>

namespace tavrix {

std::wstring HelpText() {
    // Each switch on a line of its own, its description on the next; the switches, the program
    // and the file name stay as they are in every language.
    const std::wstring fileName = L"\"FileName.cl7\"";
    const std::pair<std::wstring, std::wstring> entries[] = {
        {Tr(L"%1 and %2", {L"/HELP", L"/?"}), Tr(L"Shows this information.")},
        {L"Tavrix.exe " + fileName,
         Tr(L"It loads the file specified in the command line to the clipboard.")},
        {L"/CLEAR", Tr(L"Clears the clipboard.")},
        {L"/CLOSE", Tr(L"Closes the program.")},
        {L"/SAVE " + fileName, Tr(L"Saves the clipboard to the file.")},
        {L"/QUIET", Tr(L"Shows no message boxes; errors set the exit code.")},
        {L"/TIMEOUT=<" + Tr(L"seconds") + L">",
         Tr(L"Gives up when another program takes longer than this many seconds to deliver one "
            L"format (1 to 3600; 30 without it).")},
        {L"/LOG \"changes.jsonl\"",
         Tr(L"Appends every clipboard change to the file as one line of JSON while the window is "
            L"open: time, change count, owner, formats and sizes, never the content.")},
    };
    std::wstring text;
    for (const auto& [usage, description] : entries) {
        text += (text.empty() ? L"" : L"\r\n\r\n") + usage + L"\r\n" + description;
    }
    return text;
}

StartupOutcome RunStartup(const CommandLine& commandLine, StartupActions& actions) {
    if (commandLine.HasSwitch(L"HELP") || commandLine.HasSwitch(L"?")) {
        actions.ShowHelp(HelpText());
        return StartupOutcome::EndAtOnce;
    }
    // A bad time-out ends the program before it touches the clipboard.
    actions.SetTimeout(ScriptTimeout(commandLine));
    // The log is written while the window is open: a bad log file ends the program before it
    // does anything.
    if (commandLine.HasSwitch(L"LOG")) {
        if (commandLine.HasSwitch(L"CLOSE")) {
            throw Error(Tr(L"/LOG needs the window: leave out /CLOSE"));
        }
        const std::optional<std::wstring> fileName = commandLine.SwitchArgument(L"LOG");
        if (!fileName) {
            throw Error(Tr(L"Missing file name after %1", {L"/LOG"}));
        }
        actions.OpenLog(*fileName);
    }
    // The save comes before the clear so that "/SAVE backup /CLEAR" backs up what it clears.
    if (commandLine.HasSwitch(L"SAVE")) {
        const std::optional<std::wstring> fileName = commandLine.SwitchArgument(L"SAVE");
        if (!fileName) {
            throw Error(Tr(L"Missing file name after %1", {L"/SAVE"}));
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
