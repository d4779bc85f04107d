// A text to find, made into the bytes of its characters in one encoding (FindPattern.h).
#include "viewer/FindPattern.h"

#include "viewer/CaseFolding.h"
#include "viewer/CodepageSystem.h"

#include <algorithm>
#include <string>

namespace tavrix {

namespace {

// The characters of wide text; where wide strings are UTF-16 a pair of surrogates is one
// character and a lone surrogate stays what it is.
std::vector<char32_t> CodePoints(std::wstring_view text) {
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto unit = static_cast<char32_t>(text[i]);
        if constexpr (sizeof(wchar_t) == 2) {
            if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size()) {
                const auto next = static_cast<char32_t>(text[i + 1]);
                if (next >= 0xDC00 && next < 0xE000) {
                    points.push_back(0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
                    ++i;
                    continue;
                }
            }
        }
        points.push_back(unit);
    }
    return points;
}

// The UTF-16 units of one character, each in a wchar_t, as the code page port takes them.
std::wstring Utf16Units(char32_t c) {
    if (c < 0x10000) {
        return std::wstring(1, static_cast<wchar_t>(c));
    }
    const char32_t v = c - 0x10000;
    return {static_cast<wchar_t>(0xD800 + (v >> 10)), static_cast<wchar_t>(0xDC00 + (v & 0x3FF))};
}

std::vector<std::uint8_t> Utf16LeOf(char32_t c) {
    std::vector<std::uint8_t> bytes;
    for (const wchar_t unit : Utf16Units(c)) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((unit >> 8) & 0xFF));
    }
    return bytes;
}

// A lone surrogate or a value past U+10FFFF is written as U+FFFD, as the program's UTF-8 is.
std::vector<std::uint8_t> Utf8Of(char32_t c) {
    if ((c >= 0xD800 && c < 0xE000) || c > 0x10FFFF) {
        c = 0xFFFD;
    }
    const auto byte = [](char32_t v) { return static_cast<std::uint8_t>(v); };
    if (c < 0x80) {
        return {byte(c)};
    }
    if (c < 0x800) {
        return {byte(0xC0 | (c >> 6)), byte(0x80 | (c & 0x3F))};
    }
    if (c < 0x10000) {
        return {byte(0xE0 | (c >> 12)), byte(0x80 | ((c >> 6) & 0x3F)), byte(0x80 | (c & 0x3F))};
    }
    return {byte(0xF0 | (c >> 18)), byte(0x80 | ((c >> 12) & 0x3F)), byte(0x80 | ((c >> 6) & 0x3F)),
            byte(0x80 | (c & 0x3F))};
}

// The character in the code page; empty when the code page cannot write it and would put its
// default character instead, which a conversion back tells.
std::vector<std::uint8_t> CodepageOf(char32_t c, int codepage, CodepageSystem& system) {
    const std::wstring units = Utf16Units(c);
    char bytes[16];
    const int count = system.WideToMultiByte(codepage, units, bytes);
    if (count <= 0) {
        return {};
    }
    const std::string_view written(bytes, static_cast<std::size_t>(count));
    wchar_t back[8];
    const int backCount = system.MultiByteToWide(codepage, written, back);
    if (std::wstring_view(back, static_cast<std::size_t>(std::max(backCount, 0))) != units) {
        return {};
    }
    return {written.begin(), written.end()};
}

} // namespace

FindPatternResult CompileTextPattern(std::wstring_view text, const TextPatternOptions& options) {
    if (text.empty()) {
        return FindPatternProblem{FindPatternError::Empty, {}};
    }
    CodepageSystem* system = options.codepages;
    if (options.encoding == TextEncoding::Codepage && system == nullptr) {
        system = &CurrentCodepageSystem();
    }
    const auto encode = [&](char32_t c) {
        switch (options.encoding) {
        case TextEncoding::Utf8:
            return Utf8Of(c);
        case TextEncoding::Utf16Le:
            return Utf16LeOf(c);
        case TextEncoding::Codepage:
            break;
        }
        return CodepageOf(c, options.codepage, *system);
    };
    BytePattern pattern;
    pattern.alignment = options.encoding == TextEncoding::Utf16Le ? 2 : 1;
    for (const char32_t c : CodePoints(text)) {
        PatternUnit unit;
        const std::vector<std::uint8_t> own = encode(c);
        if (!own.empty()) {
            unit.alternatives.push_back(own);
        }
        if (!options.matchCase && !own.empty()) {
            for (const char32_t variant : CaseVariants(c)) {
                std::vector<std::uint8_t> bytes = encode(variant);
                // A variant of another length would make matches of several lengths; it is
                // left out (see CompileTextPattern in the header).
                if (bytes.size() == own.size() &&
                    std::find(unit.alternatives.begin(), unit.alternatives.end(), bytes) ==
                        unit.alternatives.end()) {
                    unit.alternatives.push_back(std::move(bytes));
                }
            }
        }
        pattern.units.push_back(std::move(unit));
    }
    return pattern;
}

} // namespace tavrix
