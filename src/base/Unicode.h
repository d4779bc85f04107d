#pragma once
// The program's one converter between UTF-8, UTF-16 and wide strings (UTF-16 where wchar_t is
// 16 bits, as on Windows; UTF-32 elsewhere). Text that cannot be represented never turns into
// another character: values above U+10FFFF become U+FFFD, and so do lone surrogates in UTF-8
// output. Lone surrogates between UTF-16 and wide strings are kept, so Windows text that is not
// well-formed comes back unchanged.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavrix {

std::u16string Utf16FromWide(std::wstring_view text);
std::wstring WideFromUtf16(std::u16string_view text);

std::string Utf8FromWide(std::wstring_view text);
// Invalid sequences come out as one character per byte (the byte's Latin-1 value), so any file
// can be read.
std::wstring WideFromUtf8(std::string_view bytes);

// UTF-16 little-endian bytes (without a byte order mark).
std::vector<std::uint8_t> Utf16LeBytes(std::u16string_view text);
// UTF-16 little-endian bytes (without their byte order mark) as UTF-8, and back. An odd last
// byte is not a code unit and is ignored.
std::string Utf8FromUtf16Le(std::string_view bytes);
std::string Utf16LeFromUtf8(std::string_view text);

} // namespace tavrix
