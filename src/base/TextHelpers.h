#pragma once
// Small string routines used all over the program.
#include <string>

namespace tavrix {

// text followed by blanks, cut to exactly width characters (empty for width <= 0).
std::wstring PadRight(const std::wstring& text, int width);

// folder + "\" + name, without doubling a trailing backslash.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& fileName);

} // namespace tavrix
