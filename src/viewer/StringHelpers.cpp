#include "viewer/StringHelpers.h"

#include <algorithm>

namespace tavrix {

void ReplaceNulls(std::string& text) {
    std::replace(text.begin(), text.end(), '\0', ' ');
}

void ReplaceNulls(std::wstring& text) {
    std::replace(text.begin(), text.end(), L'\0', L' ');
}

std::wstring BytesToWide(const void* data, std::size_t size, bool swap) {
    const std::size_t count = size / 2;
    if (count == 0 || data == nullptr) {
        return {};
    }
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::wstring result(count, L'\0');
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned lo = bytes[2 * i + (swap ? 1 : 0)];
        const unsigned hi = bytes[2 * i + (swap ? 0 : 1)];
        result[i] = static_cast<wchar_t>(lo | (hi << 8));
    }
    return result;
}

std::string BytesToHexText(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    if (bytes.empty()) {
        return text;
    }
    text.reserve(bytes.size() * 3 - 1);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) {
            text.push_back(' ');
        }
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text.push_back(kDigits[byte >> 4]);
        text.push_back(kDigits[byte & 0x0F]);
    }
    return text;
}

} // namespace tavrix
