#pragma once
// Text in clipboard memory blocks, which need not end with a zero within the block.
#include <cstdint>
#include <span>
#include <string>

namespace tavrix {

// UTF-16 text in a memory block: little-endian code units up to the first zero unit or the end
// of the block, whichever comes first. An odd last byte is not a code unit and is ignored.
std::u16string Utf16UpToZero(std::span<const std::uint8_t> bytes);
// 8-bit text in a memory block: the bytes up to the first zero byte or the end of the block.
std::span<const std::uint8_t> BytesUpToZero(std::span<const std::uint8_t> bytes);

} // namespace tavrix
