#include "i18n/Utf16.h"

namespace tavrix {

namespace {
constexpr bool kWideIsUtf16 = sizeof(wchar_t) == sizeof(char16_t);

bool IsHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}
} // namespace

std::wstring WideFromUtf16(std::u16string_view text) {
    std::wstring result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (!kWideIsUtf16 && IsHighSurrogate(c) && i + 1 < text.size() &&
            IsLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        result.push_back(static_cast<wchar_t>(c));
    }
    return result;
}

std::u16string Utf16FromWide(std::wstring_view text) {
    std::u16string result;
    result.reserve(text.size());
    for (wchar_t w : text) {
        auto c = static_cast<char32_t>(w);
        if (!kWideIsUtf16 && c >= 0x10000 && c <= 0x10FFFF) {
            c -= 0x10000;
            result.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            result.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            result.push_back(static_cast<char16_t>(c));
        }
    }
    return result;
}

} // namespace tavrix
