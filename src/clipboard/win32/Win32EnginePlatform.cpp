#include "clipboard/win32/Win32EnginePlatform.h"

#include "clipboard/win32/Win32Icon.h"

#include <windows.h>

#include <limits>

namespace tavrix::win32 {

std::u16string Win32EnginePlatform::AnsiToUtf16(std::span<const std::uint8_t> text) {
    if (text.empty() || text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return {};
    }
    const auto* source = reinterpret_cast<const char*>(text.data());
    const int length = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(CP_ACP, 0, source, length, nullptr, 0);
    if (units <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, source, length, wide.data(), units);
    return std::u16string(wide.begin(), wide.end());
}

std::wstring Win32EnginePlatform::LocaleName(std::uint32_t lcid) {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    const int length = LCIDToLocaleName(lcid, name, LOCALE_NAME_MAX_LENGTH, 0);
    return length > 1 ? std::wstring(name, static_cast<std::size_t>(length - 1)) : std::wstring();
}

std::unique_ptr<ClipboardIcon>
Win32EnginePlatform::DecodeIcon(std::span<const std::uint8_t> icoImage) {
    return Win32Icon::FromIconFile(icoImage);
}

} // namespace tavrix::win32
