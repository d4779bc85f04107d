#include "clipboard/MetafileRecord.h"

#include "base/LittleEndian.h"

#include <algorithm>

namespace tavrix {

namespace {

constexpr std::uint8_t kMagic[4] = {'C', 'L', '7', 'P'};
constexpr std::size_t kFixedSize = 8;  // magic, version, format
constexpr std::size_t kFrameSize = 12; // mapping mode, x extent, y extent

// The header record every enhanced metafile begins with, up to its last field that every
// version has.
constexpr std::size_t kEnhancedHeaderSize = 88;
constexpr std::uint32_t kEnhancedSignature = 0x464D4520; // " EMF"
// A Windows metafile's header: nine words.
constexpr std::size_t kWindowsHeaderSize = 18;

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// bits: the first bytes of a metafile of size bytes.
bool IsEnhancedMetafile(std::span<const std::uint8_t> bits, std::uint64_t size) {
    return bits.size() >= kEnhancedHeaderSize && ReadLe32(bits, 0) == 1 &&
           ReadLe32(bits, 40) == kEnhancedSignature && ReadLe32(bits, 48) == size;
}

bool IsWindowsMetafile(std::span<const std::uint8_t> bits, std::uint64_t size) {
    if (bits.size() < kWindowsHeaderSize) {
        return false;
    }
    const std::uint16_t type = ReadLe16(bits, 0);
    return (type == 1 || type == 2) && ReadLe16(bits, 2) == kWindowsHeaderSize / 2 &&
           std::uint64_t{ReadLe32(bits, 6)} * 2 == size;
}

} // namespace

bool HasMetafileRecordMagic(std::span<const std::uint8_t> data) {
    return data.size() >= sizeof kMagic && std::equal(kMagic, kMagic + 4, data.begin());
}

std::vector<std::uint8_t> EncodeMetafileRecord(const SavedMetafile& metafile) {
    std::vector<std::uint8_t> out(kMagic, kMagic + 4);
    out.reserve(MetafileRecordSize(metafile.format, metafile.bits.size()));
    PutLe(out, kMetafileRecordVersion, 2);
    PutLe(out, metafile.format, 2);
    if (IsMetafilePictureFormat(metafile.format)) {
        PutLe(out, static_cast<std::uint32_t>(metafile.mapMode), 4);
        PutLe(out, static_cast<std::uint32_t>(metafile.xExt), 4);
        PutLe(out, static_cast<std::uint32_t>(metafile.yExt), 4);
    }
    out.insert(out.end(), metafile.bits.begin(), metafile.bits.end());
    return out;
}

std::optional<MetafileRecordHead> ParseMetafileRecordHead(std::span<const std::uint8_t> prefix,
                                                          std::uint64_t size) {
    if (prefix.size() < kFixedSize || prefix.size() > size || !HasMetafileRecordMagic(prefix) ||
        ReadLe16(prefix, 4) != kMetafileRecordVersion) {
        return std::nullopt;
    }
    MetafileRecordHead head{.format = ReadLe16(prefix, 6), .bitsOffset = kFixedSize, .bitsSize = 0};
    if (!IsMetafileFormat(head.format)) {
        return std::nullopt;
    }
    const bool picture = IsMetafilePictureFormat(head.format);
    if (picture) {
        if (prefix.size() - kFixedSize < kFrameSize) {
            return std::nullopt;
        }
        head.mapMode = static_cast<std::int32_t>(ReadLe32(prefix, kFixedSize));
        head.xExt = static_cast<std::int32_t>(ReadLe32(prefix, kFixedSize + 4));
        head.yExt = static_cast<std::int32_t>(ReadLe32(prefix, kFixedSize + 8));
        head.bitsOffset += kFrameSize;
    }
    head.bitsSize = size - head.bitsOffset;
    const std::span<const std::uint8_t> bits = prefix.subspan(head.bitsOffset);
    if (picture ? !IsWindowsMetafile(bits, head.bitsSize)
                : !IsEnhancedMetafile(bits, head.bitsSize)) {
        return std::nullopt;
    }
    return head;
}

std::optional<SavedMetafile> ParseMetafileRecord(std::span<const std::uint8_t> data) {
    const std::optional<MetafileRecordHead> head = ParseMetafileRecordHead(
        data.first(std::min(data.size(), kMetafileRecordHeadSize)), data.size());
    if (!head) {
        return std::nullopt;
    }
    SavedMetafile metafile{.format = head->format,
                           .mapMode = head->mapMode,
                           .xExt = head->xExt,
                           .yExt = head->yExt,
                           .bits = {}};
    metafile.bits.assign(data.begin() + static_cast<std::ptrdiff_t>(head->bitsOffset), data.end());
    return metafile;
}

std::uint64_t MetafileRecordSize(ClipFormat format, std::uint64_t bits) {
    return kFixedSize + (IsMetafilePictureFormat(format) ? kFrameSize : 0) + bits;
}

} // namespace tavrix
