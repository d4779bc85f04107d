#pragma once
// The main routine's actions on the real system.
#include "app/ScriptTimeout.h"
#include "app/Startup.h"
#include "base/win32/ComApartment.h"
#include "clipboard/ClipboardReader.h"
#include "clipboard/DataStream.h"

#include <functional>

#include <memory>
#include <optional>

namespace tavrix {
class ClipboardPort;
} // namespace tavrix

namespace tavrix::win32 {

class TMainForm;
class ChangeLogFile;

class ProgramStartup : public StartupActions {
public:
    explicit ProgramStartup(ClipboardPort& port);
    ~ProgramStartup() override;

    // With "/QUIET" the help goes to the starting console when there is one.
    void ShowHelp(const std::wstring& text) override;
    void SetTimeout(std::chrono::seconds timeout) override { timeout_ = timeout; }
    void OpenLog(const std::wstring& fileName) override;
    void SaveClipboard(const std::wstring& fileName) override;
    void ClearClipboard() override;
    void OpenFileFromCommandLine() override;
    // Shows a long load's progress in the main window when it is open.
    void LoadOpenedFile() override;
    void CreateMainWindow() override;

private:
    // The script's work on the reader thread, given up when a format does not come in time.
    void RunOnReader(const std::function<void(ClipboardPort&)>& work, const std::wstring& failure);

    // The clipboard everything the program starts works on.
    ClipboardPort& port_;
    std::chrono::seconds timeout_ = kDefaultScriptTimeout;
    std::unique_ptr<ClipboardReader> reader_;
    std::unique_ptr<DataStream> opened_;
    // The /LOG file, shared with the window that writes it.
    std::shared_ptr<ChangeLogFile> logFile_;
    // COM for the window's whole life on this thread (pictures decode through it); declared
    // before the window so that it ends after it.
    std::optional<ComApartment> com_;
    std::unique_ptr<TMainForm> window_;
};

// True when the command line asks for no message boxes ("/QUIET").
bool IsQuiet();

// Runs the window message loop until WM_QUIT; returns its exit code.
int RunMessageLoop();

} // namespace tavrix::win32
