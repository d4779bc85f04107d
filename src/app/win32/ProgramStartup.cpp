#include "app/win32/ProgramStartup.h"

#include "app/CommandLine.h"
#include "app/win32/MainForm.h"
#include "app/win32/ParentConsole.h"
#include "base/SystemPlatform.h"
#include "base/SystemServices.h"
#include "base/win32/AcceleratorHook.h"
#include "base/win32/StartupProbe.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/win32/ClipboardFileCommands.h"

#include <windows.h>

namespace tavrix::win32 {

ProgramStartup::ProgramStartup(ClipboardPort& port) : port_(port) {}
ProgramStartup::~ProgramStartup() = default;

bool IsQuiet() {
    return CommandLine::Current().HasSwitch(L"QUIET");
}

void ProgramStartup::ShowHelp(const std::wstring& text) {
    // The user asked for the help: without a console to take it, the box shows even when quiet.
    if (IsQuiet() && WriteToParentConsole(text, ConsoleStream::Output)) {
        return;
    }
    // Every description ends with its full stop already.
    CurrentSystemPlatform().ShowMessageBox(text, L"", kIconInformation);
}

void ProgramStartup::SaveClipboard(const std::wstring& fileName) {
    SaveClipboardFileForScript(port_, fileName);
}

void ProgramStartup::ClearClipboard() {
    port_.Clear();
}

void ProgramStartup::OpenFileFromCommandLine() {
    opened_ = OpenClipboardFileFromParameter(CommandLine::Current().Param(1));
}

void ProgramStartup::LoadOpenedFile() {
    if (!opened_) {
        return;
    }
    LoadClipboardStream(port_, *opened_, window_ ? &window_->Files().Progress() : nullptr);
    // Closed at once: other programs may write the file again.
    opened_.reset();
}

void ProgramStartup::CreateMainWindow() {
    window_ = std::make_unique<TMainForm>(port_, ProgramMainFormServices());
    window_->Create();
    MarkStartupStage("window created");
    window_->Show();
    MarkStartupStage("first paint");
    // COM (for the shell's page opener) once the window is on screen: its library is not
    // needed for the first frame. The picture decoder joins the apartment itself when a
    // picture comes first.
    com_ = EnterComApartment();
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        // The main window's keyboard shortcuts.
        if (RunAcceleratorHook(msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

} // namespace tavrix::win32
