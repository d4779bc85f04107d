#pragma once
// Small string routines used all over the program.
#include <string>
#include <string_view>

namespace tavrix {

// text followed by blanks, cut to exactly width characters (empty for width <= 0).
std::wstring PadRight(const std::wstring& text, int width);

// True when both texts are the same but for the letter case of their characters.
bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b);

// folder + "\" + name, without doubling a trailing backslash.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& fileName);

// True when a and b differ at most in the case of ASCII letters; other characters must match.
// The value of a hexadecimal digit (either letter case), -1 for any other character.
int HexDigitValue(wchar_t c);

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);
bool EqualIgnoringAsciiCase(std::wstring_view a, std::wstring_view b);

} // namespace tavrix
