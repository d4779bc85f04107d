#pragma once
// The settings store's INI file: each read and write goes to the file at once (no cache), so
// other running copies see changes and the last writer wins per value.
#include "settings/SettingsBackend.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tavrix {

// At most this many characters of a value are read, as with a 2048-character buffer.
inline constexpr std::size_t kIniValueLimit = 2047;

class IniFile {
public:
    IniFile(std::wstring fileName, SettingsFiles& files);

    const std::wstring& FileName() const { return fileName_; }

    std::optional<std::wstring> ReadString(const std::wstring& section, const std::wstring& name);
    // Throws Error "Unable to write to <file name>" when the file cannot be written.
    void WriteString(const std::wstring& section, const std::wstring& name,
                     const std::wstring& value);

    // Missing, empty or no valid integer: the default.
    std::int32_t ReadInteger(const std::wstring& section, const std::wstring& name,
                             std::int32_t defaultValue);
    bool ReadBool(const std::wstring& section, const std::wstring& name, bool defaultValue);
    void WriteInteger(const std::wstring& section, const std::wstring& name, std::int32_t value);
    void WriteBool(const std::wstring& section, const std::wstring& name, bool value);

private:
    std::wstring fileName_;
    SettingsFiles& files_;
};

} // namespace tavrix
