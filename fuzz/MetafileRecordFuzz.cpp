// Fuzz target: the metafile record of a clipboard file and the placeable header made of its
// bits, on a record's data held in an allocation of exactly its size. Checks that a record that
// parses encodes back to the same bytes, that the head read from the record's first bytes agrees
// with the whole record, and that the header's checksum is that of the words before it.
#include "clipboard/MetafileRecord.h"
#include "clipboard/PlaceableMetafileHeader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavrix;
    auto* copy = static_cast<std::uint8_t*>(std::malloc(size == 0 ? 1 : size));
    if (size > 0) {
        std::memcpy(copy, data, size);
    }
    const std::span<const std::uint8_t> record(copy, size);
    const auto metafile = ParseMetafileRecord(record);
    const auto head =
        ParseMetafileRecordHead(record.first(std::min(size, kMetafileRecordHeadSize)), size);
    if (metafile.has_value() != head.has_value()) {
        std::abort();
    }
    if (metafile) {
        const std::vector<std::uint8_t> again = EncodeMetafileRecord(*metafile);
        if (!std::equal(again.begin(), again.end(), record.begin(), record.end()) ||
            head->format != metafile->format || head->bitsSize != metafile->bits.size() ||
            head->bitsOffset + head->bitsSize != size ||
            MetafileRecordSize(metafile->format, metafile->bits.size()) != size) {
            std::abort();
        }
    }
    // The placeable header of any bits, with the frame the input's first bytes give.
    MetafileRecordHead frame{.format = cf::MetafilePict};
    if (size >= 12) {
        std::memcpy(&frame.mapMode, copy, 4);
        std::memcpy(&frame.xExt, copy + 4, 4);
        std::memcpy(&frame.yExt, copy + 8, 4);
    }
    const auto header =
        PlaceableMetafileHeader(frame, record.subspan(std::min<std::size_t>(size, 12)));
    std::uint16_t checksum = 0;
    for (std::size_t at = 0; at < 20; at += 2) {
        checksum ^= static_cast<std::uint16_t>(header[at] | (header[at + 1] << 8));
    }
    const auto word = [&](std::size_t at) {
        return static_cast<std::int16_t>(header[at] | (header[at + 1] << 8));
    };
    if ((header[20] | (header[21] << 8)) != checksum || header[0] != 0xD7 || header[3] != 0x9A ||
        word(6) > word(10) || word(8) > word(12) || word(14) == 0) {
        std::abort();
    }
    std::free(copy);
    return 0;
}
