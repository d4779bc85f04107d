// Program entry: module initialisation, the main routine and the last-chance error report.
#include "app/CommandLine.h"
#include "app/Startup.h"
#include "app/win32/ClipboardOwnerWindow.h"
#include "app/win32/ModuleInit.h"
#include "app/win32/ParentConsole.h"
#include "app/win32/ProgramStartup.h"
#include "base/DebugLog.h"
#include "base/Error.h"
#include "base/win32/DelayLoadFailure.h"
#include "base/win32/DelayLoadFromSystem.h"
#include "base/win32/StartupProbe.h"
#include "base/win32/SystemLibraries.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/win32/Win32ClipboardBackend.h"
#include "ui/win32/Window.h"

#include <windows.h>

#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

namespace {

using namespace tavrix;

std::vector<std::wstring> ProcessArguments() {
    // The runtime has split the command line already; asking the shell to do it again would
    // load the shell library on every run, even a script's.
    std::vector<std::wstring> arguments;
    if (__wargv != nullptr) {
        arguments.assign(__wargv, __wargv + __argc);
    }
    return arguments;
}

bool EqualForUserLocale(const std::wstring& a, const std::wstring& b) {
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(),
                          static_cast<int>(a.size()), b.c_str(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

int LastChanceReport(const std::wstring& text) {
    // A script run with "/QUIET" must never wait on a box nobody may be there to close.
    if (win32::IsQuiet()) {
        DebugLog(text);
        win32::WriteToParentConsole(text, win32::ConsoleStream::Error);
        return 1;
    }
    MessageBoxW(nullptr, text.c_str(), L"Tavrix", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    return 1;
}

int MainRoutine() {
    win32::ProgramModules modules(CommandLine::Current());
    try {
        win32::ClipboardOwnerWindow application;
        modules.Clipboard().SetOwner(application.Handle());
        win32::ProgramStartup actions(ClipboardPort::Instance());
        if (RunStartup(CommandLine::Current(), actions) == StartupOutcome::RunMainWindow) {
            win32::RunMessageLoop();
        }
        return 0;
    } catch (const win32::CreationAborted&) {
        // The window that failed has shown why already.
        return 1;
    } catch (const Error& e) {
        return LastChanceReport(e.Message());
    } catch (const std::exception& e) {
        std::string what = e.what();
        return LastChanceReport(std::wstring(what.begin(), what.end()));
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything can load a library: none may come from the program's folder.
    win32::RestrictLibrarySearchToSystem();
    win32::InstallDelayLoadFromSystem();
    win32::MarkStartupStage("wWinMain");
    win32::InstallDelayLoadFailureReport();
    CommandLine::SetCurrent(CommandLine(ProcessArguments(), EqualForUserLocale));
    return MainRoutine();
}
