#pragma once
// The settings key in the registry: opened with full access (created when missing), or, when
// that is refused, for reading only with the first of KEY_READ, KEY_READ without change
// notification, and KEY_QUERY_VALUE that the system grants.
#include "base/win32/RegistryKey.h"
#include "settings/SettingsBackend.h"

#include <string>

namespace tavrix::win32 {

inline constexpr wchar_t kSettingsKeyPath[] = L"SOFTWARE\\Norvane\\Tavrix";

class Win32SettingsRegistry : public SettingsRegistry {
public:
    // root is HKEY_CURRENT_USER for the program; tests pass other roots.
    explicit Win32SettingsRegistry(HKEY root = HKEY_CURRENT_USER,
                                   const std::wstring& path = kSettingsKeyPath);

    KeyAccess Access() const override { return access_; }
    QueryResult Query(const std::wstring& name) override;
    bool SetDword(const std::wstring& name, std::uint32_t value) override;

    // The access mask that opened the key; 0 when none did.
    REGSAM GrantedMask() const { return mask_; }

private:
    RegistryKey key_;
    KeyAccess access_ = KeyAccess::None;
    REGSAM mask_ = 0;
};

} // namespace tavrix::win32
