#include "settings/win32/Win32SettingsRegistry.h"

namespace tavrix::win32 {

namespace {
// KEY_READ, KEY_READ without KEY_NOTIFY, KEY_QUERY_VALUE.
constexpr REGSAM kReadOnlyMasks[] = {0x20019, 0x20009, 0x0001};
} // namespace

Win32SettingsRegistry::Win32SettingsRegistry(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) == ERROR_SUCCESS) {
        key_.reset(key);
        access_ = KeyAccess::Full;
        mask_ = KEY_ALL_ACCESS;
        return;
    }
    for (REGSAM mask : kReadOnlyMasks) {
        if (RegOpenKeyExW(root, path.c_str(), 0, mask, &key) == ERROR_SUCCESS) {
            key_.reset(key);
            access_ = KeyAccess::ReadOnly;
            mask_ = mask;
            return;
        }
    }
}

SettingsRegistry::QueryResult Win32SettingsRegistry::Query(const std::wstring& name) {
    if (!key_) {
        return {QueryStatus::Missing, false, 0};
    }
    DWORD type = REG_NONE;
    DWORD data = 0;
    DWORD size = sizeof(data);
    const LSTATUS status = RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type,
                                            reinterpret_cast<BYTE*>(&data), &size);
    if (status == ERROR_FILE_NOT_FOUND) {
        return {QueryStatus::Missing, false, 0};
    }
    if (status != ERROR_SUCCESS) {
        return {QueryStatus::Failed, false, 0};
    }
    // A REG_DWORD shorter than 4 bytes can be stored; it is no 32-bit integer either.
    const bool isDword = type == REG_DWORD && size == sizeof(DWORD);
    return {QueryStatus::Read, isDword, static_cast<std::uint32_t>(data)};
}

bool Win32SettingsRegistry::SetDword(const std::wstring& name, std::uint32_t value) {
    if (!key_) {
        return false;
    }
    const DWORD data = value;
    return RegSetValueExW(key_.get(), name.c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&data), sizeof(data)) == ERROR_SUCCESS;
}

} // namespace tavrix::win32
