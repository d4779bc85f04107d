#include "app/win32/ProgramStartup.h"

#include "app/CommandLine.h"
#include "app/win32/ChangeLogFile.h"
#include "app/win32/MainForm.h"
#include "app/win32/ParentConsole.h"
#include "base/SystemPlatform.h"
#include "base/SystemServices.h"
#include "base/UiText.h"
#include "base/win32/AcceleratorHook.h"
#include "base/win32/StartupProbe.h"
#include "clipboard/ClipboardFileWriter.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/FormatCatalogue.h"
#include "clipboard/ScriptJob.h"
#include "clipboard/win32/ClipboardFileCommands.h"
#include "clipboard/win32/Win32FileAccess.h"
#include "clipboard/win32/Win32ReaderPlatform.h"

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

void ProgramStartup::RunOnReader(const std::function<void(ClipboardPort&)>& work,
                                 const std::wstring& failure) {
    if (!reader_) {
        reader_ =
            std::make_unique<ClipboardReader>(std::make_shared<Win32ReaderPlatform>(nullptr, 0));
    }
    RunScriptJob(*reader_, work, timeout_, [this, &failure](ClipFormat format) {
        // The file being written stays as it was; the one half written goes.
        DiscardUnfinishedReplacements();
        FormatCatalogue catalogue;
        catalogue.BuildFormatCatalogue();
        std::wstring name = catalogue.GetFormatName(format);
        if (name.empty()) {
            name = port_.Backend().RegisteredFormatName(format);
        }
        const std::wstring reason =
            DeliveryTimeoutText(port_.Backend().OwnerProcess(), name, timeout_);
        return failure.empty() ? reason : failure + L": " + reason;
    });
}

void ProgramStartup::SaveClipboard(const std::wstring& fileName) {
    const std::wstring failure =
        Tr(L"Cannot save the clipboard to \"%1\"", {WithClipboardFileExtension(fileName)});
    RunOnReader(
        [fileName](ClipboardPort& clipboard) { SaveClipboardFileForScript(clipboard, fileName); },
        failure);
}

void ProgramStartup::ClearClipboard() {
    RunOnReader([](ClipboardPort& clipboard) { clipboard.Clear(); }, L"");
}

void ProgramStartup::OpenFileFromCommandLine() {
    opened_ = OpenClipboardFileFromParameter(CommandLine::Current().Param(1));
}

void ProgramStartup::LoadOpenedFile() {
    if (!opened_) {
        return;
    }
    if (!window_) {
        std::shared_ptr<DataStream> stream = std::move(opened_);
        RunOnReader([stream](ClipboardPort& clipboard) { LoadClipboardStream(clipboard, *stream); },
                    L"");
        return;
    }
    // The window's reader thread loads it, showing a long load's progress in the window; the
    // file closes when the load is done, so that other programs may write it again.
    window_->Files().LoadStream(std::move(opened_));
}

void ProgramStartup::OpenLog(const std::wstring& fileName) {
    logFile_ = std::make_shared<ChangeLogFile>(fileName);
}

void ProgramStartup::CreateMainWindow() {
    MainFormServices services = ProgramMainFormServices();
    if (logFile_) {
        services.logLine = [file = logFile_](std::string_view line) { file->Append(line); };
    }
    window_ = std::make_unique<TMainForm>(port_, std::move(services));
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
