#pragma once
// The placeable header that makes a Windows metafile's bits a ".wmf" file drawing programs open:
// the key D7 CD C6 9A, a handle of 0, the bounding box (left, top, right, bottom), the units per
// inch, four reserved bytes and the checksum, all little-endian.
#include "clipboard/MetafileRecord.h"

#include <array>
#include <cstdint>
#include <span>

namespace tavrix {

inline constexpr std::size_t kPlaceableHeaderSize = 22;

// The header that gives a Windows metafile file its size: the bounding box in the metafile's own
// units (from its first window origin and extent among firstBits, the first bytes of its bits;
// else the picture's extents), the units per inch (from the extents, which are hundredths of a
// millimetre), and the checksum of the ten words before it.
std::array<std::uint8_t, kPlaceableHeaderSize>
PlaceableMetafileHeader(const MetafileRecordHead& head, std::span<const std::uint8_t> firstBits);

} // namespace tavrix
