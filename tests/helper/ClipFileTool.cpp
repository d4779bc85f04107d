// Test helper: saves the clipboard to a clipboard file with the program's own writer, for
// end-to-end tests that need a file saved from what an outside client put on the clipboard.
//
//   clipfiletool save <path>    exit code 0 when saved, 1 when not
#include "app/CommandLine.h"
#include "app/win32/ClipboardOwnerWindow.h"
#include "app/win32/ModuleInit.h"
#include "base/Error.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/win32/ClipboardFileCommands.h"
#include "clipboard/win32/Win32ClipboardBackend.h"

#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
    using namespace tavrix;
    if (argc != 3 || std::wstring(argv[1]) != L"save") {
        std::fputs("usage: clipfiletool save <path>\n", stderr);
        return 1;
    }
    win32::ProgramModules modules(CommandLine({argv[0]}));
    try {
        win32::ClipboardOwnerWindow application;
        modules.Clipboard().SetOwner(application.Handle());
        return win32::SaveClipboardFile(ClipboardPort::Instance(), argv[2]) ? 0 : 1;
    } catch (const Error& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
