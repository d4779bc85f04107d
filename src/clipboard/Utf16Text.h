#pragma once
// Exact UTF-16 code units for text read from or shown to the platform. wchar_t is 16 bits on
// Windows and 32 bits elsewhere, so the conversions go through code points.
#include <cstdint>
#include <span>
#include <string>

namespace tavrix {

std::u16string ToUtf16(const std::wstring& text);
std::wstring FromUtf16(const std::u16string& text);

// UTF-16 text in a memory block: little-endian code units up to the first zero unit or the end
// of the block, whichever comes first. An odd last byte is not a code unit and is ignored.
std::u16string Utf16UpToZero(std::span<const std::uint8_t> bytes);
// 8-bit text in a memory block: the bytes up to the first zero byte or the end of the block.
std::span<const std::uint8_t> BytesUpToZero(std::span<const std::uint8_t> bytes);

} // namespace tavrix
