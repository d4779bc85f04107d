#pragma once
// File-type registration with the shell, the special-folder lookup and the first-start step
// over the real system.
#include "app/FirstStart.h"

#include <windows.h>

namespace tavrix::win32 {

// Writes the keys of FileTypeValues under root (HKEY_CLASSES_ROOT for the program), each opened
// or created and closed before the next. A key that cannot be created or a value that cannot be
// set ends the registration with an Error; what was written before stays.
void RegisterFileType(const std::wstring& extension, const std::wstring& typeName,
                      const std::wstring& description, const std::wstring& iconIndex,
                      const std::wstring& programPath, HKEY root = HKEY_CLASSES_ROOT);

// The path of a special folder (CSIDL number) without a trailing backslash; empty when the
// system cannot give one.
std::wstring GetSpecialFolderPath(int csidl);

class Win32FirstStartPlatform : public FirstStartPlatform {
public:
    std::wstring ExecutablePath() override;
    void RegisterFileType(const std::wstring& extension, const std::wstring& typeName,
                          const std::wstring& description, const std::wstring& iconIndex,
                          const std::wstring& programPath) override;
    std::wstring GetSpecialFolderPath(int csidl) override;
    void OpenWebPage(const std::wstring& address) override;
    void Wait(std::uint32_t milliseconds) override;
};

// The first-start step with the program's settings store; called by the main window's
// creation after the clipboard monitor has started.
void RunFirstStart();

} // namespace tavrix::win32
