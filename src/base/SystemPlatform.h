#pragma once
// What the support routines need from the operating system. The Win32 implementation lives in
// base/win32; tests install their own to observe message boxes, time and files.
#include <cstdint>
#include <string>

namespace tavrix {

class SystemPlatform {
public:
    virtual ~SystemPlatform() = default;

    // Vertical logical pixels per inch of the screen.
    virtual int ScreenPixelsPerInch() = 0;
    // A modal message box owned by the program's active window.
    virtual void ShowMessageBox(const std::wstring& text, const std::wstring& caption,
                                unsigned flags) = 0;
    virtual std::uint32_t TickCount() = 0;
    virtual void SleepAlertable(std::uint32_t milliseconds) = 0;
    // Handles every window message waiting for the program.
    virtual void ProcessMessages() = 0;
    virtual std::wstring ExecutablePath() = 0;
    // A string of the version block's U.S. English / code page 1252 table; empty when missing.
    virtual std::wstring VersionInfoString(const std::wstring& fileName,
                                           const std::wstring& key) = 0;
    // The current local date and time in the user's short date and long time formats.
    virtual std::wstring NowText() = 0;
    // Creates or overwrites a file with bytes; throws Error when it cannot be written.
    virtual void WriteFile(const std::wstring& path, const std::string& bytes) = 0;
};

void InstallSystemPlatform(SystemPlatform* platform);
SystemPlatform& CurrentSystemPlatform();
bool SystemPlatformInstalled();

} // namespace tavrix
