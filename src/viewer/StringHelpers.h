#pragma once
// Small string and number routines shared by the viewer's line reading and copying.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavrix {

// Every character with code 0 becomes a blank.
void ReplaceNulls(std::string& text);
void ReplaceNulls(std::wstring& text);

constexpr bool IsLineBreak(wchar_t ch) {
    return ch == 13 || ch == 10;
}

// size div 2 UTF-16 units read little-endian (big-endian with swap); an odd last byte is dropped.
std::wstring BytesToWide(const void* data, std::size_t size, bool swap);
// "41 42 43": two upper-case digits per byte, one blank between bytes.
std::string BytesToHexText(std::string_view bytes);

// Raise value to at least bound / lower it to at most bound, in place.
template <typename T> constexpr void RaiseToAtLeast(T& value, T bound) {
    value = std::max(value, bound);
}
template <typename T> constexpr void LowerToAtMost(T& value, T bound) {
    value = std::min(value, bound);
}

} // namespace tavrix
