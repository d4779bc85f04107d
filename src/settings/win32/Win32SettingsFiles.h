#pragma once
// Whole-file reads and writes for the settings store's INI file.
#include "settings/SettingsBackend.h"

namespace tavrix::win32 {

class Win32SettingsFiles : public SettingsFiles {
public:
    std::optional<std::string> Read(const std::wstring& path) override;
    bool Write(const std::wstring& path, const std::string& bytes) override;
};

} // namespace tavrix::win32
