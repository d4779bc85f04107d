#include "clipboard/IconImage.h"

#include "base/LittleEndian.h"

namespace tavrix {

namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

bool IsPng(std::span<const std::uint8_t> image) {
    if (image.size() < sizeof(kPngSignature)) {
        return false;
    }
    for (std::size_t i = 0; i < sizeof(kPngSignature); ++i) {
        if (image[i] != kPngSignature[i]) {
            return false;
        }
    }
    return true;
}

// A BITMAPINFOHEADER followed by its colour table, the colour (XOR) bitmap and the 1-bit mask
// (AND) bitmap; the header's height counts both bitmaps.
bool IsPlausibleBitmapImage(std::span<const std::uint8_t> image) {
    if (image.size() < 40) {
        return false;
    }
    const std::uint32_t headerSize = ReadLe32(image, 0);
    const auto width = static_cast<std::int32_t>(ReadLe32(image, 4));
    const auto doubleHeight = static_cast<std::int32_t>(ReadLe32(image, 8));
    const std::uint32_t planes = ReadLe16(image, 12);
    const std::uint32_t bitCount = ReadLe16(image, 14);
    const std::uint32_t compression = ReadLe32(image, 16);
    const std::uint32_t colorsUsed = ReadLe32(image, 32);
    if (headerSize < 40 || headerSize > image.size() || width <= 0 || width > 256 ||
        doubleHeight <= 0 || doubleHeight > 512 || doubleHeight % 2 != 0 || planes != 1) {
        return false;
    }
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
        bitCount != 32) {
        return false;
    }
    std::uint64_t needed = headerSize;
    if (compression == 3 && headerSize == 40) { // BI_BITFIELDS: three colour masks follow
        needed += 12;
    } else if (compression != 0) {
        return false;
    }
    if (bitCount <= 8) {
        std::uint64_t colors = colorsUsed != 0 ? colorsUsed : (1u << bitCount);
        if (colors > (1u << bitCount)) {
            return false;
        }
        needed += colors * 4;
    }
    const std::uint64_t height = static_cast<std::uint64_t>(doubleHeight) / 2;
    const std::uint64_t w = static_cast<std::uint64_t>(width);
    const std::uint64_t colorStride = (w * bitCount + 31) / 32 * 4;
    const std::uint64_t maskStride = (w + 31) / 32 * 4;
    needed += (colorStride + maskStride) * height;
    return needed <= image.size();
}

} // namespace

std::optional<std::vector<IconImageEntry>> ParseIconImage(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kDirectorySize || ReadLe16(bytes, 0) != 0 || ReadLe16(bytes, 2) != 1) {
        return std::nullopt;
    }
    const std::uint32_t count = ReadLe16(bytes, 4);
    const std::uint64_t directoryEnd = kDirectorySize + std::uint64_t{count} * kEntrySize;
    if (count == 0 || directoryEnd > bytes.size()) {
        return std::nullopt;
    }
    std::vector<IconImageEntry> entries;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t at = kDirectorySize + i * kEntrySize;
        IconImageEntry entry;
        entry.width = bytes[at] == 0 ? 256 : bytes[at];
        entry.height = bytes[at + 1] == 0 ? 256 : bytes[at + 1];
        entry.bitCount = static_cast<int>(ReadLe16(bytes, at + 6));
        entry.size = ReadLe32(bytes, at + 8);
        entry.offset = ReadLe32(bytes, at + 12);
        if (entry.size == 0 || entry.offset < directoryEnd ||
            std::uint64_t{entry.offset} + entry.size > bytes.size()) {
            return std::nullopt;
        }
        auto image = bytes.subspan(entry.offset, entry.size);
        entry.png = IsPng(image);
        if (!entry.png && !IsPlausibleBitmapImage(image)) {
            return std::nullopt;
        }
        entries.push_back(entry);
    }
    return entries;
}

} // namespace tavrix
