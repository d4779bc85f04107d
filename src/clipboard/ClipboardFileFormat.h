#pragma once
// The layout of a clipboard file (".cl7"): records from the first byte to the last, no header.
// Each record is the format number (2 bytes), the data size N (4 bytes), both little-endian,
// and the N bytes of the format's memory block.
#include "clipboard/ClipboardFormat.h"

#include <array>
#include <cstdint>

namespace tavrix {

// A format whose block holds this many bytes or more is left out of a saved file.
inline constexpr std::uint32_t MaxSavedFormatSize = 304'857'600;

inline constexpr std::size_t kRecordHeaderSize = 6;

using RecordHeader = std::array<std::uint8_t, kRecordHeaderSize>;

inline RecordHeader EncodeRecordHeader(ClipFormat format, std::uint32_t size) {
    return {static_cast<std::uint8_t>(format),     static_cast<std::uint8_t>(format >> 8),
            static_cast<std::uint8_t>(size),       static_cast<std::uint8_t>(size >> 8),
            static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 24)};
}

inline ClipFormat DecodeRecordFormat(const std::uint8_t* bytes) {
    return static_cast<ClipFormat>(bytes[0] | (bytes[1] << 8));
}

inline std::uint32_t DecodeRecordSize(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) |
           (static_cast<std::uint32_t>(bytes[3]) << 24);
}

} // namespace tavrix
