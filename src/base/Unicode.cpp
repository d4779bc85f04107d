#include "base/Unicode.h"

namespace tavrix {

namespace {

constexpr bool kWideIsUtf16 = sizeof(wchar_t) == sizeof(char16_t);
constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}
bool IsSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

// The code point at text[i] from 16-bit units, joining a surrogate pair (i then points at the
// low half). A lone surrogate is returned as it is.
template <typename Unit> char32_t NextFromUtf16(std::basic_string_view<Unit> text, std::size_t& i) {
    auto c = static_cast<char32_t>(text[i]);
    if (IsHighSurrogate(c) && i + 1 < text.size() &&
        IsLowSurrogate(static_cast<char32_t>(text[i + 1]))) {
        c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[i + 1]) - 0xDC00);
        ++i;
    }
    return c;
}

// The next code point of a wide string; values above U+10FFFF are returned as they are.
char32_t NextFromWide(std::wstring_view text, std::size_t& i) {
    if constexpr (kWideIsUtf16) {
        return NextFromUtf16(text, i);
    } else {
        return static_cast<char32_t>(static_cast<std::uint32_t>(text[i]));
    }
}

// Appends one code point as 16-bit units; lone surrogates are kept, values beyond Unicode are
// replaced.
template <typename Text> void AppendUtf16(Text& out, char32_t c) {
    using Unit = typename Text::value_type;
    if (c > 0x10FFFF) {
        c = kReplacement;
    }
    if (c >= 0x10000) {
        c -= 0x10000;
        out.push_back(static_cast<Unit>(0xD800 + (c >> 10)));
        out.push_back(static_cast<Unit>(0xDC00 + (c & 0x3FF)));
    } else {
        out.push_back(static_cast<Unit>(c));
    }
}

void AppendWide(std::wstring& out, char32_t c) {
    if constexpr (kWideIsUtf16) {
        AppendUtf16(out, c);
    } else {
        out.push_back(static_cast<wchar_t>(c > 0x10FFFF ? kReplacement : c));
    }
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || IsSurrogate(c)) {
        c = kReplacement;
    }
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

template <typename Bytes> void AppendUtf16Le(Bytes& out, char16_t unit) {
    using Byte = typename Bytes::value_type;
    out.push_back(static_cast<Byte>(unit & 0xFF));
    out.push_back(static_cast<Byte>(unit >> 8));
}

} // namespace

// Reads text code point by code point with next (which leaves i on the last unit it used) and
// writes each with append.
template <typename Out, typename In, typename Next, typename Append>
Out Convert(In text, Next next, Append append) {
    Out out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        append(out, next(text, i));
    }
    return out;
}

std::u16string Utf16FromWide(std::wstring_view text) {
    return Convert<std::u16string>(text, NextFromWide, AppendUtf16<std::u16string>);
}

std::wstring WideFromUtf16(std::u16string_view text) {
    return Convert<std::wstring>(text, NextFromUtf16<char16_t>, AppendWide);
}

std::string Utf8FromWide(std::wstring_view text) {
    return Convert<std::string>(text, NextFromWide, AppendUtf8);
}

std::wstring WideFromUtf8(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int extra = lead < 0x80             ? 0
                    : (lead & 0xE0) == 0xC0 ? 1
                    : (lead & 0xF0) == 0xE0 ? 2
                    : (lead & 0xF8) == 0xF0 ? 3
                                            : -1;
        char32_t c = extra == 0   ? lead
                     : extra == 1 ? (lead & 0x1F)
                     : extra == 2 ? (lead & 0x0F)
                                  : (lead & 0x07);
        bool valid = extra >= 0 && i + static_cast<std::size_t>(extra) < bytes.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
        if (valid && (c < kMinimum[extra] || c > 0x10FFFF || IsSurrogate(c))) {
            valid = false;
        }
        if (!valid) {
            out.push_back(static_cast<wchar_t>(lead));
            ++i;
            continue;
        }
        AppendWide(out, c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::vector<std::uint8_t> Utf16LeBytes(std::u16string_view text) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t unit : text) {
        AppendUtf16Le(bytes, unit);
    }
    return bytes;
}

std::string Utf8FromUtf16Le(std::string_view bytes) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                              static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    return Utf8FromWide(WideFromUtf16(units));
}

std::string Utf16LeFromUtf8(std::string_view text) {
    std::string bytes;
    for (char16_t unit : Utf16FromWide(WideFromUtf8(text))) {
        AppendUtf16Le(bytes, unit);
    }
    return bytes;
}

} // namespace tavrix
