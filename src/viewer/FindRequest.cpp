#include "viewer/FindRequest.h"

#include "base/UiText.h"
#include "viewer/CodePages.h"

#include <cstdio>

namespace tavrix {

namespace {

std::wstring UpperHex(std::int64_t value) {
    char digits[24] = {};
    std::snprintf(digits, sizeof(digits), "%llX", static_cast<unsigned long long>(value));
    return std::wstring(digits, digits + std::char_traits<char>::length(digits));
}

std::wstring HexPairs(std::span<const std::uint8_t> bytes) {
    static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring text;
    for (std::uint8_t b : bytes) {
        if (!text.empty()) {
            text.push_back(L' ');
        }
        text.push_back(kDigits[b >> 4]);
        text.push_back(kDigits[b & 0xF]);
    }
    return text;
}

std::wstring DecodeUtf16(std::span<const std::uint8_t> bytes, bool bigEndian) {
    std::wstring text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const unsigned first = bytes[i];
        const unsigned second = bytes[i + 1];
        text.push_back(
            static_cast<wchar_t>(bigEndian ? (first << 8 | second) : (second << 8 | first)));
    }
    return text;
}

} // namespace

std::wstring ViewEncodingName(const FindView& view) {
    return IsUnicodeMode(view.mode) ? L"UTF-16LE" : EncodingName(view.encoding);
}

FindPatternResult CompileFindSettings(const FindSettings& settings, const FindView& view) {
    if (settings.hex) {
        return ParseHexPattern(settings.pattern);
    }
    if (settings.pattern.empty()) {
        return FindPatternProblem{FindPatternError::Empty, {}};
    }
    TextPatternOptions options;
    options.matchCase = settings.matchCase;
    switch (settings.encoding) {
    case FindTextEncoding::Utf8:
        options.encoding = TextEncoding::Utf8;
        break;
    case FindTextEncoding::Utf16Le:
        options.encoding = TextEncoding::Utf16Le;
        break;
    case FindTextEncoding::View:
        if (IsUnicodeMode(view.mode) || IsUnicodeEncoding(view.encoding)) {
            options.encoding = TextEncoding::Utf16Le;
        } else if (view.encoding == ViewerEncoding::UTF8) {
            options.encoding = TextEncoding::Utf8;
        } else {
            options.encoding = TextEncoding::Codepage;
            options.codepage = TextCodepage(view.encoding);
        }
        break;
    }
    return CompileTextPattern(settings.pattern, options);
}

std::wstring PatternFromSelection(std::span<const std::uint8_t> bytes, bool hex,
                                  const FindView& view) {
    if (hex) {
        return HexPairs(bytes);
    }
    std::wstring text;
    if (IsUnicodeMode(view.mode)) {
        text = DecodeUtf16(bytes, view.byteOrder == kOrderBigEndian);
    } else {
        text = CodepageToUnicode(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
            view.encoding);
    }
    const std::size_t lineEnd = text.find_first_of(L"\r\n");
    if (lineEnd != std::wstring::npos) {
        text.resize(lineEnd);
    }
    return text;
}

std::wstring FoundText(std::int64_t offset, bool wrapped, bool up) {
    const std::wstring decimal = std::to_wstring(offset);
    const std::wstring hex = UpperHex(offset);
    if (!wrapped) {
        return Tr(L"Found at offset %1 (0x%2)", {decimal, hex});
    }
    return up ? Tr(L"Found at offset %1 (0x%2), from the end", {decimal, hex})
              : Tr(L"Found at offset %1 (0x%2), from the start", {decimal, hex});
}

std::wstring NotFoundText(const std::wstring& pattern) {
    return Tr(L"Not found: %1", {pattern});
}

std::wstring MatchCountText(std::int64_t count) {
    return Tr(L"%1 matches", {std::to_wstring(count)});
}

std::wstring OffsetText(std::int64_t offset) {
    return Tr(L"Offset %1 (0x%2)", {std::to_wstring(offset), UpperHex(offset)});
}

} // namespace tavrix
