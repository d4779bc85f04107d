#pragma once
// The main routine's actions on the real system.
#include "app/Startup.h"
#include "clipboard/DataStream.h"

#include <memory>

namespace tavrix::win32 {

class TMainForm;

class ProgramStartup : public StartupActions {
public:
    ProgramStartup();
    ~ProgramStartup() override;

    // With "/QUIET" the help goes to the starting console when there is one.
    void ShowHelp(const std::wstring& text) override;
    void SaveClipboard(const std::wstring& fileName) override;
    void ClearClipboard() override;
    void OpenFileFromCommandLine() override;
    // Shows a long load's progress in the main window when it is open.
    void LoadOpenedFile() override;
    void CreateMainWindow() override;

private:
    std::unique_ptr<DataStream> opened_;
    std::unique_ptr<TMainForm> window_;
};

// True when the command line asks for no message boxes ("/QUIET").
bool IsQuiet();

// Runs the window message loop until WM_QUIT; returns its exit code.
int RunMessageLoop();

} // namespace tavrix::win32
