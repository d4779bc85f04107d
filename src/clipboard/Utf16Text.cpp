#include "clipboard/Utf16Text.h"

#include <algorithm>

namespace tavrix {

std::u16string ToUtf16(const std::wstring& text) {
    std::u16string out;
    out.reserve(text.size());
    for (wchar_t ch : text) {
        auto c = static_cast<std::uint32_t>(ch);
        if constexpr (sizeof(wchar_t) == 2) {
            out.push_back(static_cast<char16_t>(c));
        } else if (c >= 0x10000 && c <= 0x10FFFF) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else if (c > 0x10FFFF) {
            out.push_back(u'\xFFFD');
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

std::wstring FromUtf16(const std::u16string& text) {
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<std::uint32_t>(text[i]);
        if constexpr (sizeof(wchar_t) == 4) {
            // Join surrogate pairs; a lone surrogate is kept as it is.
            if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
                auto low = static_cast<std::uint32_t>(text[i + 1]);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                    ++i;
                }
            }
        }
        out.push_back(static_cast<wchar_t>(c));
    }
    return out;
}

std::u16string Utf16UpToZero(std::span<const std::uint8_t> bytes) {
    std::u16string out;
    const std::size_t units = bytes.size() / 2;
    std::size_t length = 0;
    while (length < units && (bytes[2 * length] != 0 || bytes[2 * length + 1] != 0)) {
        ++length;
    }
    out.resize(length);
    for (std::size_t i = 0; i < length; ++i) {
        out[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    }
    return out;
}

std::span<const std::uint8_t> BytesUpToZero(std::span<const std::uint8_t> bytes) {
    auto zero = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    return bytes.first(static_cast<std::size_t>(zero - bytes.begin()));
}

} // namespace tavrix
