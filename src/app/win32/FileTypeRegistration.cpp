#include "app/win32/FileTypeRegistration.h"

#include "base/Error.h"
#include "base/UiText.h"
#include "base/win32/RegistryKey.h"

#include <shellapi.h>
#include <shlobj.h>

namespace tavrix::win32 {

void RegisterFileType(const std::wstring& extension, const std::wstring& typeName,
                      const std::wstring& description, const std::wstring& iconIndex,
                      const std::wstring& programPath, HKEY root) {
    for (const FileTypeValue& entry :
         FileTypeValues(extension, typeName, description, iconIndex, programPath)) {
        HKEY opened = nullptr;
        if (RegCreateKeyExW(root, entry.key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &opened, nullptr) != ERROR_SUCCESS) {
            throw Error(Tr(L"Failed to set data for %1", {L"''"}));
        }
        RegistryKey key(opened);
        const auto bytes = static_cast<DWORD>((entry.value.size() + 1) * sizeof(wchar_t));
        if (RegSetValueExW(key.get(), nullptr, 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(entry.value.c_str()),
                           bytes) != ERROR_SUCCESS) {
            throw Error(Tr(L"Failed to set data for %1", {L"''"}));
        }
    }
}

std::wstring GetSpecialFolderPath(int csidl) {
    PIDLIST_ABSOLUTE items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &items)) || items == nullptr) {
        return {};
    }
    wchar_t buffer[MAX_PATH] = {};
    const BOOL found = SHGetPathFromIDListW(items, buffer);
    CoTaskMemFree(items);
    return found ? std::wstring(buffer) : std::wstring();
}

std::wstring Win32FirstStartPlatform::ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

void Win32FirstStartPlatform::RegisterFileType(const std::wstring& extension,
                                               const std::wstring& typeName,
                                               const std::wstring& description,
                                               const std::wstring& iconIndex,
                                               const std::wstring& programPath) {
    win32::RegisterFileType(extension, typeName, description, iconIndex, programPath);
}

std::wstring Win32FirstStartPlatform::GetSpecialFolderPath(int csidl) {
    return win32::GetSpecialFolderPath(csidl);
}

void Win32FirstStartPlatform::OpenWebPage(const std::wstring& address) {
    ShellExecuteW(nullptr, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32FirstStartPlatform::Wait(std::uint32_t milliseconds) {
    Sleep(milliseconds);
}

void RunFirstStart() {
    Win32FirstStartPlatform platform;
    RunFirstStartStep(ProcessSettings(), platform);
}

} // namespace tavrix::win32
