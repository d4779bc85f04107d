#pragma once
// The offset the user types to go to: decimal ("4660"), hexadecimal ("0x1234" or "1234h", either
// letter case), relative to where the view is ("+0x100", "-16"), or "end" for the last byte.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace tavrix {

// The offset, or the user's text of what is wrong with the input (through the translation
// table): "Not a number: %1", "The offset is past the end (the last is %1).", "The offset would
// be before the start.". base is the offset a relative input counts from; size the data's size.
// Empty data has only offset 0.
std::variant<std::int64_t, std::wstring> ParseGoToOffset(std::wstring_view text, std::int64_t base,
                                                         std::int64_t size);

} // namespace tavrix
