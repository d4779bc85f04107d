#pragma once
// The record an enhanced metafile or a metafile picture is saved as. Their clipboard data is a
// handle, which means nothing once the clipboard lets go of it, so the file keeps the metafile's
// own bits instead, under format 0 (which no clipboard takes) so that readers that do not know
// the record leave it out, as they leave out the name table. Its data is "CL7P", the version
// (2 bytes), the clipboard format (2 bytes); for a metafile picture the mapping mode and the x
// and y extents (4-byte signed numbers) follow; then the metafile's bits. Little-endian.
#include "clipboard/ClipboardFormat.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tavrix {

// The number the record is stored under, as the name table is.
inline constexpr ClipFormat kMetafileRecordFormat = 0;
inline constexpr std::uint16_t kMetafileRecordVersion = 1;

// The formats saved as metafile records: enhanced metafiles (14, 0x8E) and metafile pictures
// (3, 0x83).
constexpr bool IsMetafileFormat(ClipFormat format) {
    return format == cf::EnhMetafile || format == cf::DspEnhMetafile ||
           format == cf::MetafilePict || format == cf::DspMetafilePict;
}

// A metafile picture, as opposed to an enhanced metafile.
constexpr bool IsMetafilePictureFormat(ClipFormat format) {
    return format == cf::MetafilePict || format == cf::DspMetafilePict;
}

struct SavedMetafile {
    ClipFormat format = 0;
    // The picture's frame; metafile pictures only.
    std::int32_t mapMode = 0;
    std::int32_t xExt = 0;
    std::int32_t yExt = 0;
    // An enhanced metafile's bits, or a Windows metafile's for a metafile picture.
    std::vector<std::uint8_t> bits;
    bool operator==(const SavedMetafile&) const = default;
};

// Whether a format-0 record's data begins as a metafile record does, whatever follows.
bool HasMetafileRecordMagic(std::span<const std::uint8_t> data);

// The record's data (without the record header).
std::vector<std::uint8_t> EncodeMetafileRecord(const SavedMetafile& metafile);

// Where a record's metafile lies in its data, and the picture's frame.
struct MetafileRecordHead {
    ClipFormat format = 0;
    std::int32_t mapMode = 0;
    std::int32_t xExt = 0;
    std::int32_t yExt = 0;
    std::size_t bitsOffset = 0;
    std::uint64_t bitsSize = 0;
};

// Enough of a record's data to tell whether it holds a metafile: up to the end of the longest
// metafile header the checks read.
inline constexpr std::size_t kMetafileRecordHeadSize = 8 + 12 + 88;

// The head of a record whose data has size bytes, from its first bytes (prefix: the first
// kMetafileRecordHeadSize of them, or all when there are fewer); nothing when the data is no
// metafile record, as ParseMetafileRecord decides.
std::optional<MetafileRecordHead> ParseMetafileRecordHead(std::span<const std::uint8_t> prefix,
                                                          std::uint64_t size);

// The metafile a record's data holds; nothing when the magic, the version or the format is
// another, when the frame is cut short, or when the bits are no metafile of that kind: an
// enhanced metafile begins with its header record, whose signature is " EMF" and whose size of
// the whole metafile is the size of the bits; a Windows metafile begins with a header of nine
// words whose size of the whole metafile, in words, is that of the bits.
std::optional<SavedMetafile> ParseMetafileRecord(std::span<const std::uint8_t> data);

// The size of the record's data for a metafile of that format with that many bytes of bits.
std::uint64_t MetafileRecordSize(ClipFormat format, std::uint64_t bits);

} // namespace tavrix
