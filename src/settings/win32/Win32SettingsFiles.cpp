#include "settings/win32/Win32SettingsFiles.h"

#include "base/win32/KernelHandles.h"

#include <windows.h>

namespace tavrix::win32 {

namespace {
// An INI file larger than this is not a settings file; it is not read.
constexpr LONGLONG kLargestFile = 16 * 1024 * 1024;
} // namespace

std::optional<std::string> Win32SettingsFiles::Read(const std::wstring& path) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestFile) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
        return std::nullopt;
    }
    bytes.resize(read);
    return bytes;
}

bool Win32SettingsFiles::Write(const std::wstring& path, const std::string& bytes) {
    // A read-only file is never written. The system refuses to open one for writing anyway,
    // except where it maps the attribute onto permissions that do not bind (a superuser under
    // Wine), so ask first.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return false;
    }
    // Truncating in place keeps the file's other attributes and its links; a file in a
    // read-only folder refuses to open.
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    DWORD written = 0;
    if (!bytes.empty() && (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                      &written, nullptr) ||
                           written != bytes.size())) {
        return false;
    }
    return SetEndOfFile(file.get()) != FALSE;
}

} // namespace tavrix::win32
