#pragma once
// Registry helpers for tests that write into the registry. They refuse to run outside Wine, so
// the tests never change a real Windows machine's settings or file types.
#include <windows.h>

#include <sddl.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace tavrix::test {

inline bool RunningUnderWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// Replaces the access list of a key, e.g. "D:P(A;;KR;;;WD)": everyone may only read.
inline bool SetKeyAccessList(HKEY root, const std::wstring& path, const wchar_t* sddl) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor,
                                                              nullptr)) {
        return false;
    }
    HKEY key = nullptr;
    bool done = false;
    if (RegOpenKeyExW(root, path.c_str(), 0, WRITE_DAC, &key) == ERROR_SUCCESS) {
        done = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
        RegCloseKey(key);
    }
    LocalFree(descriptor);
    return done;
}

inline void DeleteKeyTree(HKEY root, const std::wstring& path) {
    SetKeyAccessList(root, path, L"D:(A;;KA;;;WD)");
    RegDeleteTreeW(root, path.c_str());
    RegDeleteKeyW(root, path.c_str());
}

inline bool KeyExists(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

struct RawValue {
    DWORD type = REG_NONE;
    std::wstring text;     // REG_SZ
    std::uint32_t dword{}; // REG_DWORD
};

inline std::optional<RawValue> ReadValue(HKEY root, const std::wstring& path, const wchar_t* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    BYTE buffer[4096] = {};
    DWORD size = sizeof(buffer) - sizeof(wchar_t);
    RawValue value;
    const LSTATUS status = RegQueryValueExW(key, name, nullptr, &value.type, buffer, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        return std::nullopt;
    }
    if (value.type == REG_SZ) {
        value.text = reinterpret_cast<const wchar_t*>(buffer);
    } else if (value.type == REG_DWORD && size == 4) {
        std::memcpy(&value.dword, buffer, 4);
    }
    return value;
}

inline void WriteRaw(HKEY root, const std::wstring& path, const wchar_t* name, DWORD type,
                     const void* data, DWORD size) {
    HKEY key = nullptr;
    RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

// The values of a key, kept to put them back after a test that needs the key to be missing.
class KeySnapshot {
public:
    KeySnapshot(HKEY root, std::wstring path) : root_(root), path_(std::move(path)) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(root_, path_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return;
        }
        existed_ = true;
        for (DWORD index = 0;; ++index) {
            wchar_t name[256] = {};
            DWORD nameLength = 256;
            BYTE data[4096] = {};
            DWORD size = sizeof(data);
            DWORD type = REG_NONE;
            if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type, data, &size) !=
                ERROR_SUCCESS) {
                break;
            }
            values_.push_back({name, type, std::vector<BYTE>(data, data + size)});
        }
        RegCloseKey(key);
    }
    ~KeySnapshot() {
        if (!existed_) {
            return;
        }
        for (const Value& value : values_) {
            WriteRaw(root_, path_, value.name.c_str(), value.type, value.data.data(),
                     static_cast<DWORD>(value.data.size()));
        }
        HKEY key = nullptr;
        RegCreateKeyExW(root_, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr);
        RegCloseKey(key);
    }
    KeySnapshot(const KeySnapshot&) = delete;
    KeySnapshot& operator=(const KeySnapshot&) = delete;

private:
    struct Value {
        std::wstring name;
        DWORD type;
        std::vector<BYTE> data;
    };
    HKEY root_;
    std::wstring path_;
    bool existed_ = false;
    std::vector<Value> values_;
};

} // namespace tavrix::test
