#pragma once
// UTF-8 for the settings file: wide text in and out.
#include <string>
#include <string_view>

namespace tavrix {

std::string Utf8FromWide(std::wstring_view text);
// Invalid sequences come out as one character per byte (the byte's Latin-1 value), so any file
// can be read.
std::wstring WideFromUtf8(std::string_view bytes);

// UTF-16 little-endian bytes (without their byte order mark) as UTF-8, and back.
std::string Utf8FromUtf16Le(std::string_view bytes);
std::string Utf16LeFromUtf8(std::string_view text);

} // namespace tavrix
