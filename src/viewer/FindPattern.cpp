#include "viewer/FindPattern.h"

#include "base/TextHelpers.h"
#include "base/UiText.h"

namespace tavrix {

namespace {

bool IsSpace(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

FindPatternProblem Problem(FindPatternError error, std::wstring detail = {}) {
    return {error, std::move(detail)};
}

} // namespace

std::size_t BytePattern::Length() const {
    std::size_t length = 0;
    for (const PatternUnit& unit : units) {
        length += unit.anyByte || unit.alternatives.empty() ? 1 : unit.alternatives[0].size();
    }
    return length;
}

bool BytePattern::MatchesNothing() const {
    for (const PatternUnit& unit : units) {
        if (!unit.anyByte && unit.alternatives.empty()) {
            return true;
        }
    }
    return false;
}

std::wstring FindPatternErrorText(const FindPatternProblem& problem) {
    switch (problem.error) {
    case FindPatternError::Empty:
        return Tr(L"Type a pattern.");
    case FindPatternError::OddHexDigits:
        return Tr(L"The hex pattern has an odd number of digits.");
    case FindPatternError::NotHexDigit:
        return Tr(L"Not a hex digit: %1", {problem.detail});
    case FindPatternError::OnlyWildcards:
        return Tr(L"The pattern matches any bytes: give at least one byte.");
    }
    return {};
}

FindPatternResult ParseHexPattern(std::wstring_view text) {
    // The digits without the spaces; '?' stands for half of a wildcard.
    std::wstring digits;
    for (const wchar_t c : text) {
        if (IsSpace(c)) {
            continue;
        }
        if (c != L'?' && HexDigitValue(c) < 0) {
            return Problem(FindPatternError::NotHexDigit, std::wstring(1, c));
        }
        digits.push_back(c);
    }
    if (digits.empty()) {
        return Problem(FindPatternError::Empty);
    }
    if (digits.size() % 2 != 0) {
        return Problem(FindPatternError::OddHexDigits);
    }
    BytePattern pattern;
    bool anyByteOnly = true;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const wchar_t high = digits[i];
        const wchar_t low = digits[i + 1];
        PatternUnit unit;
        if (high == L'?' || low == L'?') {
            // Half a byte is no wildcard: the '?' beside a digit is what is wrong.
            if (high != low) {
                return Problem(FindPatternError::NotHexDigit, L"?");
            }
            unit.anyByte = true;
        } else {
            unit.alternatives.push_back(
                {static_cast<std::uint8_t>(HexDigitValue(high) * 16 + HexDigitValue(low))});
            anyByteOnly = false;
        }
        pattern.units.push_back(std::move(unit));
    }
    if (anyByteOnly) {
        return Problem(FindPatternError::OnlyWildcards);
    }
    return pattern;
}

} // namespace tavrix
