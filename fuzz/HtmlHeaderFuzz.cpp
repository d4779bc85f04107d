// Fuzz target for the "HTML Format" header reader, the fragment it picks and the zero byte it
// names, on blocks another program filled, each held in an allocation of exactly its size so ASan
// reports any read past the block.
#include "clipboard/HtmlClipboardHeader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto* copy = static_cast<std::uint8_t*>(std::malloc(size == 0 ? 1 : size));
    if (size > 0) {
        std::memcpy(copy, data, size);
    }
    const std::span<const std::uint8_t> block(copy, size);
    const tavrix::HtmlClipboardHeader header = tavrix::ParseHtmlClipboardHeader(block);
    const std::size_t textSize = tavrix::HtmlBlockText(block).size();
    if (header.headerSize > textSize) {
        std::abort();
    }
    // The fragment's offsets count in the whole block: a zero byte may lie inside it.
    if (auto range = tavrix::HtmlFragmentRange(header, block)) {
        if (range->begin < header.headerSize || range->begin > range->end ||
            range->end > block.size()) {
            std::abort();
        }
    }
    if (auto zero = tavrix::HtmlZeroByte(header, block);
        zero && (*zero >= size || copy[*zero] != 0)) {
        std::abort();
    }
    // Every character of the text comes from at least one byte of the block.
    if (tavrix::HtmlFragmentText(block).size() > block.size()) {
        std::abort();
    }
    std::free(copy);
    return 0;
}
