#pragma once
// Image files made in the test with the system's imaging component, so no picture comes from
// elsewhere. COM must be initialised on the calling thread.
#include <cstdint>
#include <vector>

namespace tavrix::test {

enum class ImageFileKind { Png, Jpeg, Gif };

// Pixels as 0xAARRGGBB, the top row first. PNG keeps the alpha; JPEG drops it; GIF takes at most
// 256 distinct colours and keeps them exactly. Empty when the system cannot write the file.
std::vector<std::uint8_t> EncodeImageFile(ImageFileKind kind, int width, int height,
                                          const std::vector<std::uint32_t>& argb);

} // namespace tavrix::test
