#include "clipboard/AlphaDib.h"

#include "base/LittleEndian.h"
#include "base/PictureLimits.h"

#include <cstdlib>

namespace tavrix {

namespace {

constexpr std::uint32_t kRgb = 0;       // BI_RGB
constexpr std::uint32_t kBitfields = 3; // BI_BITFIELDS
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kV4HeaderSize = 108; // V4 and V5 headers hold the masks themselves

// Where the pixels start, when the channels sit where blending expects them.
std::optional<std::size_t> PixelOffset(std::span<const std::uint8_t> block) {
    const std::uint32_t headerSize = ReadLe32(block, 0);
    if (headerSize < kInfoHeaderSize || headerSize > block.size()) {
        return std::nullopt;
    }
    const std::uint32_t compression = ReadLe32(block, 16);
    std::size_t offset = headerSize;
    if (compression == kBitfields) {
        // The red, green and blue masks sit right after the short header's 40 bytes, inside the
        // longer headers and after the short one.
        constexpr std::size_t kMasks = kInfoHeaderSize;
        if (headerSize < kV4HeaderSize) {
            offset += 12;
        }
        if (offset > block.size() || ReadLe32(block, kMasks) != 0x00FF0000 ||
            ReadLe32(block, kMasks + 4) != 0x0000FF00 ||
            ReadLe32(block, kMasks + 8) != 0x000000FF) {
            return std::nullopt;
        }
        if (headerSize >= kV4HeaderSize) {
            const std::uint32_t alphaMask = ReadLe32(block, kMasks + 12);
            if (alphaMask != 0 && alphaMask != 0xFF000000) {
                return std::nullopt;
            }
        }
    } else if (compression != kRgb) {
        return std::nullopt;
    }
    offset += std::size_t{ReadLe32(block, 32)} * 4; // colour table, rare at 32 bits
    return offset;
}

} // namespace

std::optional<PremultipliedPicture> ReadAlphaDib(std::span<const std::uint8_t> block) {
    if (block.size() < kInfoHeaderSize || ReadLe16(block, 14) != 32) {
        return std::nullopt;
    }
    const auto width = static_cast<std::int32_t>(ReadLe32(block, 4));
    const auto height = static_cast<std::int32_t>(ReadLe32(block, 8));
    if (width <= 0 || height == 0 || height == INT32_MIN) {
        return std::nullopt;
    }
    const auto rows = static_cast<std::uint32_t>(std::abs(height));
    if (!DecodedPictureFits(static_cast<std::uint32_t>(width), rows)) {
        return std::nullopt;
    }
    const std::optional<std::size_t> offset = PixelOffset(block);
    const std::size_t bytes = std::size_t{static_cast<std::uint32_t>(width)} * rows * 4;
    if (!offset || *offset > block.size() || block.size() - *offset < bytes) {
        return std::nullopt;
    }
    const std::span<const std::uint8_t> pixels = block.subspan(*offset, bytes);
    bool anyAlpha = false;
    for (std::size_t i = 3; i < pixels.size() && !anyAlpha; i += 4) {
        anyAlpha = pixels[i] != 0;
    }
    if (!anyAlpha) {
        return std::nullopt;
    }

    PremultipliedPicture picture{.width = width, .height = static_cast<int>(rows), .bgra = {}};
    picture.bgra.resize(bytes);
    const std::size_t stride = std::size_t{static_cast<std::uint32_t>(width)} * 4;
    for (std::uint32_t row = 0; row < rows; ++row) {
        // Positive heights are stored bottom row first.
        const std::uint32_t source = height > 0 ? rows - 1 - row : row;
        const std::uint8_t* in = pixels.data() + source * stride;
        std::uint8_t* out = picture.bgra.data() + row * stride;
        for (std::size_t x = 0; x < stride; x += 4) {
            const unsigned alpha = in[x + 3];
            for (std::size_t c = 0; c < 3; ++c) {
                out[x + c] = static_cast<std::uint8_t>((in[x + c] * alpha + 127) / 255);
            }
            out[x + 3] = static_cast<std::uint8_t>(alpha);
        }
    }
    return picture;
}

} // namespace tavrix
