#pragma once
// The main routine's actions on the real system.
#include "app/Startup.h"

#include <memory>

namespace tavrix::win32 {

class TMainForm;

class ProgramStartup : public StartupActions {
public:
    ProgramStartup();
    ~ProgramStartup() override;

    void ShowHelp(const std::wstring& text) override;
    void ClearClipboard() override;
    void LoadFileFromCommandLine() override;
    void CreateMainWindow() override;

private:
    std::unique_ptr<TMainForm> window_;
};

// Runs the window message loop until WM_QUIT; returns its exit code.
int RunMessageLoop();

} // namespace tavrix::win32
