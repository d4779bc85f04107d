#pragma once
// How an INI value's text is read as a number.
#include <cstdint>
#include <optional>
#include <string_view>

namespace tavrix {

// Decimal with an optional sign, or hexadecimal after "$" (also signed), or hexadecimal after
// "0x"/"0X" when the text has at least three characters. Leading blanks are skipped; anything
// else, an empty text or a number outside 32 bits gives nothing. Hexadecimal takes up to eight
// digits and keeps the bit pattern ("$FFFFFFFF" is -1).
std::optional<std::int32_t> ParseIniInteger(std::wstring_view text);

} // namespace tavrix
