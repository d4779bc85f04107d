// The line-start table of the gutter's line numbers, built from the first bytes of the source.
#include "viewer/ViewerDocument.h"

#include <algorithm>

namespace tavrix {

int ViewerDocument::LineNumber(std::int64_t pos) const {
    if (pos == 0) {
        return 1;
    }
    for (int k = 0; k < lineCount_; ++k) {
        if (lineStarts_[static_cast<std::size_t>(k)] == pos) {
            return k + 2;
        }
    }
    return 0;
}

void ViewerDocument::BuildLineTable(std::int64_t n, int capacity) {
    lineCount_ = 0;
    lineStarts_.assign(static_cast<std::size_t>(capacity), 0);
    std::vector<std::uint8_t> block(static_cast<std::size_t>(std::max<std::int64_t>(n, 0)));
    if (block.empty()) {
        return;
    }
    const std::optional<std::int64_t> read = Read(0, block);
    if (!read) {
        return;
    }
    const std::int64_t got = *read;
    const std::int64_t charSize = charSize_;
    const bool unicode = charSize_ == 2;
    const bool bigEndian = byteOrder_ == kOrderBigEndian;
    // Only characters below 256 count; in 16-bit text a unit with a high byte counts as 0.
    auto at = [&](std::int64_t p) -> unsigned {
        const auto i = static_cast<std::size_t>(p);
        if (!unicode) {
            return block[i];
        }
        const unsigned high = bigEndian ? block[i] : block[i + 1];
        const unsigned low = bigEndian ? block[i + 1] : block[i];
        return high == 0 ? low : 0;
    };
    const std::int64_t end1 = AlignPos(got - charSize);
    const std::int64_t end2 = AlignPos(got - 2 * charSize);
    std::int64_t p = 0;
    for (;;) {
        while (p < end1 && at(p) != 13 && at(p) != 10) {
            p += charSize;
        }
        if (p < end2 && at(p) == 13 && at(p + charSize) == 10) {
            p += charSize;
        }
        p += charSize;
        if (p > end1 || lineCount_ >= capacity - 1) {
            break;
        }
        lineStarts_[static_cast<std::size_t>(lineCount_++)] = static_cast<std::int32_t>(p);
    }
}

} // namespace tavrix
