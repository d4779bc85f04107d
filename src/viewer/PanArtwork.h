#pragma once
// The pictures of pan mode, drawn by rule rather than stored: the anchor shown at the pan origin
// and the five pan cursors (no movement, up, down, left, right). Each is 32 x 32 pixels; the
// Win32 side turns them into a bitmap with a mask and into cursors.
#include <array>
#include <cstdint>

namespace tavrix {

enum class PanPicture { Anchor, Neutral, Up, Down, Left, Right };

enum class ArtPixel : std::uint8_t { Clear, Dark, Light };

inline constexpr int kPanArtSize = 32;
using PanArt = std::array<ArtPixel, kPanArtSize * kPanArtSize>;

// Row-major pixels, top row first.
PanArt PanArtwork(PanPicture picture);

} // namespace tavrix
