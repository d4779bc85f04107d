#include "clipboard/PlaceableMetafileHeader.h"

#include "base/LittleEndian.h"

#include <algorithm>
#include <cstdlib>

namespace tavrix {

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::uint16_t kSetWindowOrg = 0x020B;
constexpr std::uint16_t kSetWindowExt = 0x020C;
constexpr std::int32_t kIsotropic = 7;
constexpr std::int32_t kAnisotropic = 8;
constexpr std::int32_t kHimetricPerInch = 2540;

std::int16_t Clamp16(std::int64_t value) {
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(value, -32768, 32767));
}

struct Window {
    std::int64_t x = 0, y = 0, width = 0, height = 0;
    bool hasExtent = false;
};

// The first window origin and extent the metafile's records set; records are a size in words
// (4 bytes), a function (2 bytes) and parameters, here y before x.
Window FirstWindow(std::span<const std::uint8_t> bits) {
    Window window;
    bool hasOrigin = false;
    std::size_t at = 18; // after the header's nine words
    while (bits.size() - std::min(at, bits.size()) >= 10 && !(hasOrigin && window.hasExtent)) {
        const std::uint64_t words = ReadLe32(bits, at);
        const std::uint16_t function = ReadLe16(bits, at + 4);
        if (words < 3 || function == 0) {
            break;
        }
        const auto y = static_cast<std::int16_t>(ReadLe16(bits, at + 6));
        const auto x = static_cast<std::int16_t>(ReadLe16(bits, at + 8));
        if (function == kSetWindowOrg && !hasOrigin) {
            window.x = x, window.y = y, hasOrigin = true;
        } else if (function == kSetWindowExt && !window.hasExtent) {
            window.width = x, window.height = y, window.hasExtent = true;
        }
        if (words > (bits.size() - at) / 2) {
            break;
        }
        at += static_cast<std::size_t>(words * 2);
    }
    return window;
}

void PutLe16(std::array<std::uint8_t, kPlaceableHeaderSize>& out, std::size_t at,
             std::uint16_t value) {
    out[at] = static_cast<std::uint8_t>(value);
    out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

} // namespace

std::array<std::uint8_t, kPlaceableHeaderSize>
PlaceableMetafileHeader(const MetafileRecordHead& head, std::span<const std::uint8_t> firstBits) {
    const Window window = FirstWindow(firstBits);
    // The extents of an isotropic or anisotropic picture are its size in hundredths of a
    // millimetre: the window's width over them gives the units per inch. A metafile that sets no
    // window is drawn in the units of the extents, and one whose picture has no size is taken
    // to be in hundredths of a millimetre.
    const bool sized = (head.mapMode == kIsotropic || head.mapMode == kAnisotropic) &&
                       head.xExt > 0 && head.yExt > 0;
    std::int64_t left = 0, top = 0, right = std::abs(std::int64_t{head.xExt});
    std::int64_t bottom = std::abs(std::int64_t{head.yExt});
    std::int64_t inch = kHimetricPerInch;
    if (window.hasExtent && window.width != 0 && window.height != 0) {
        left = window.x, top = window.y;
        right = window.x + window.width, bottom = window.y + window.height;
        if (sized) {
            inch = std::abs(window.width) * kHimetricPerInch / head.xExt;
        }
    }
    std::array<std::uint8_t, kPlaceableHeaderSize> out{};
    PutLe16(out, 0, static_cast<std::uint16_t>(kPlaceableKey));
    PutLe16(out, 2, static_cast<std::uint16_t>(kPlaceableKey >> 16));
    // 4: the handle, 0 in a file
    PutLe16(out, 6, static_cast<std::uint16_t>(Clamp16(std::min(left, right))));
    PutLe16(out, 8, static_cast<std::uint16_t>(Clamp16(std::min(top, bottom))));
    PutLe16(out, 10, static_cast<std::uint16_t>(Clamp16(std::max(left, right))));
    PutLe16(out, 12, static_cast<std::uint16_t>(Clamp16(std::max(top, bottom))));
    PutLe16(out, 14, static_cast<std::uint16_t>(std::clamp<std::int64_t>(inch, 1, 0xFFFF)));
    // 16: four reserved bytes
    std::uint16_t checksum = 0;
    for (std::size_t at = 0; at < 20; at += 2) {
        checksum ^= static_cast<std::uint16_t>(out[at] | (out[at + 1] << 8));
    }
    PutLe16(out, 20, checksum);
    return out;
}

} // namespace tavrix
