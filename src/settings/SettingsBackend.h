#pragma once
// What the settings store needs from the platform: the registry key that holds the settings,
// and whole-file access for the INI file. The Win32 adapters live in settings/win32.
#include <cstdint>
#include <optional>
#include <string>

namespace tavrix {

// The opened settings key "SOFTWARE\Norvane\Tavrix" under the current user's hive.
class SettingsRegistry {
public:
    enum class KeyAccess { None, ReadOnly, Full };
    enum class QueryStatus { Missing, Read, Failed };
    struct QueryResult {
        QueryStatus status = QueryStatus::Missing;
        bool isDword = false; // REG_DWORD (little-endian 32 bits)
        std::uint32_t data = 0;
    };

    virtual ~SettingsRegistry() = default;
    // How the key could be opened: with full access, only for reading, or not at all.
    virtual KeyAccess Access() const = 0;
    // Reads the value into a 4-byte buffer: Missing when there is no such value, Failed when
    // the platform refuses (for instance because the data is longer than 4 bytes).
    virtual QueryResult Query(const std::wstring& name) = 0;
    // Sets a REG_DWORD value; false when refused.
    virtual bool SetDword(const std::wstring& name, std::uint32_t value) = 0;
};

// Whole files by path.
class SettingsFiles {
public:
    virtual ~SettingsFiles() = default;
    // The file's bytes; nothing when it does not exist or cannot be read.
    virtual std::optional<std::string> Read(const std::wstring& path) = 0;
    // Creates or replaces the file; false when it cannot be written.
    virtual bool Write(const std::wstring& path, const std::string& bytes) = 0;
};

} // namespace tavrix
