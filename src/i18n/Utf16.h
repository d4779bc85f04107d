#pragma once
// Conversions between exact UTF-16 code units and the platform's wide strings (UTF-16 on
// Windows, UTF-32 elsewhere).
#include <string>
#include <string_view>

namespace tavrix {

std::wstring WideFromUtf16(std::u16string_view text);
std::u16string Utf16FromWide(std::wstring_view text);

} // namespace tavrix
