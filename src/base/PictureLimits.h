#pragma once
// The limits on pictures the program is willing to decode. Anything bigger is left undecoded: a
// few bytes of a compressed file can claim a picture that would take all the memory there is.
#include <cstdint>

namespace tavrix {

// The largest side in pixels, and the largest decoded image in bytes at four bytes a pixel.
inline constexpr std::uint32_t kMaxPictureSide = 16384;
inline constexpr std::uint64_t kMaxDecodedPictureBytes = std::uint64_t{1} << 30;

// True for a picture of at least one pixel that stays within both limits.
bool DecodedPictureFits(std::uint32_t width, std::uint32_t height);

} // namespace tavrix
