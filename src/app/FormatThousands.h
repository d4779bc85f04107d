#pragma once
// Numbers for the status bar: digits in groups of three separated by blanks ("1 234 567").
#include <cstdint>
#include <string>

namespace tavrix {

// Below 1000 (negative numbers included) the plain decimal text; otherwise groups of three
// digits from the right, the leftmost group one to three digits long, joined by single blanks.
std::wstring FormatThousands(std::int32_t number);

} // namespace tavrix
