#include "settings/IniInteger.h"

#include "base/TextHelpers.h"

#include <string>

namespace tavrix {

std::optional<std::int32_t> ParseIniInteger(std::wstring_view text) {
    std::wstring converted;
    if (text.size() >= 3 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) {
        converted = L"$";
        converted.append(text.substr(2));
        text = converted;
    }
    std::size_t i = 0;
    while (i < text.size() && text[i] == L' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    const bool hex = i < text.size() && text[i] == L'$';
    if (hex) {
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = hex ? HexDigitValue(text[i])
                              : (text[i] >= L'0' && text[i] <= L'9' ? text[i] - L'0' : -1);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * (hex ? 16 : 10) + static_cast<unsigned>(digit);
        if (value > 0xFFFFFFFFull) {
            return std::nullopt;
        }
    }
    if (hex) {
        auto bits = static_cast<std::uint32_t>(value);
        if (negative) {
            bits = 0u - bits;
        }
        return static_cast<std::int32_t>(bits);
    }
    if (negative) {
        if (value > 0x80000000ull) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(value));
    }
    if (value > 0x7FFFFFFFull) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace tavrix
