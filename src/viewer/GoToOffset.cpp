#include "viewer/GoToOffset.h"

#include "base/UiText.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace tavrix {

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

std::wstring_view Trimmed(std::wstring_view text) {
    const auto space = [](wchar_t c) { return c == L' ' || c == L'\t'; };
    while (!text.empty() && space(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && space(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

int DigitValue(wchar_t c, int radix) {
    int value = -1;
    if (c >= L'0' && c <= L'9') {
        value = c - L'0';
    } else if (c >= L'a' && c <= L'f') {
        value = c - L'a' + 10;
    } else if (c >= L'A' && c <= L'F') {
        value = c - L'A' + 10;
    }
    return value < radix ? value : -1;
}

struct Magnitude {
    std::int64_t value = 0;
    bool overflow = false; // larger than any offset: kept as the largest
};

// A number without sign: decimal, or hexadecimal after "0x" or before "h".
std::optional<Magnitude> ParseMagnitude(std::wstring_view text) {
    int radix = 10;
    if (text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) {
        radix = 16;
        text.remove_prefix(2);
    } else if (text.size() > 1 && (text.back() == L'h' || text.back() == L'H')) {
        radix = 16;
        text.remove_suffix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    Magnitude result;
    for (const wchar_t c : text) {
        const int digit = DigitValue(c, radix);
        if (digit < 0) {
            return std::nullopt;
        }
        if (result.value > (kMax - digit) / radix) {
            result.overflow = true;
            result.value = kMax;
        } else if (!result.overflow) {
            result.value = result.value * radix + digit;
        }
    }
    return result;
}

} // namespace

std::variant<std::int64_t, std::wstring> ParseGoToOffset(std::wstring_view text, std::int64_t base,
                                                         std::int64_t size) {
    base = std::max<std::int64_t>(base, 0);
    const std::wstring_view input = Trimmed(text);
    const std::int64_t last = size > 0 ? size - 1 : 0;
    const std::wstring pastEnd =
        Tr(L"The offset is past the end (the last is %1).", {std::to_wstring(last)});
    const std::wstring beforeStart = Tr(L"The offset would be before the start.");
    if (input.size() == 3 && (input[0] | 0x20) == L'e' && (input[1] | 0x20) == L'n' &&
        (input[2] | 0x20) == L'd') {
        return last;
    }
    const bool relative = !input.empty() && (input[0] == L'+' || input[0] == L'-');
    const bool back = relative && input[0] == L'-';
    const auto magnitude = ParseMagnitude(Trimmed(relative ? input.substr(1) : input));
    if (!magnitude) {
        return Tr(L"Not a number: %1", {std::wstring(input)});
    }
    std::int64_t offset = magnitude->value;
    if (relative) {
        // base + value or base - value without leaving the 64-bit range: base is an offset in
        // the data, so it is at least 0.
        if (back) {
            if (magnitude->value > base) {
                return beforeStart;
            }
            offset = base - magnitude->value;
        } else {
            if (magnitude->overflow || magnitude->value > kMax - base) {
                return pastEnd;
            }
            offset = base + magnitude->value;
        }
    }
    if (magnitude->overflow || offset > last) {
        return pastEnd;
    }
    return offset;
}

} // namespace tavrix
