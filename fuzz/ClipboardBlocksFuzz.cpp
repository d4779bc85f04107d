// Fuzz target for the readers of clipboard blocks that another program filled: the icon file
// image check, the file-list reader, the text readers and the reader of bitmaps with alpha. Each
// gets the input as its block, held in an allocation of exactly that size, so ASan reports any read
// past the block.
#include "base/PictureLimits.h"
#include "clipboard/AlphaDib.h"
#include "clipboard/FileDropList.h"
#include "clipboard/IconImage.h"
#include "clipboard/TextBlocks.h"

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

    if (auto entries = tavrix::ParseIconImage(block)) {
        for (const auto& entry : *entries) {
            // Every accepted image lies inside the block.
            if (std::uint64_t{entry.offset} + entry.size > size || entry.size == 0) {
                std::abort();
            }
        }
    }
    auto names = tavrix::ReadFileDropList(block, [](std::span<const std::uint8_t> name) {
        return std::u16string(name.begin(), name.end());
    });
    std::size_t units = 0;
    for (const auto& name : names) {
        units += name.size() + 1;
    }
    if (units > size) { // every name and its end take at least one byte of the block
        std::abort();
    }
    if (tavrix::Utf16UpToZero(block).size() > size / 2 ||
        tavrix::BytesUpToZero(block).size() > size) {
        std::abort();
    }
    if (auto picture = tavrix::ReadAlphaDib(block)) {
        // Every pixel comes from the block, and the picture is one the program may decode.
        const std::size_t bytes = std::size_t{static_cast<std::uint32_t>(picture->width)} *
                                  static_cast<std::uint32_t>(picture->height) * 4;
        if (picture->bgra.size() != bytes || bytes > size ||
            !tavrix::DecodedPictureFits(static_cast<std::uint32_t>(picture->width),
                                        static_cast<std::uint32_t>(picture->height))) {
            std::abort();
        }
    }
    std::free(copy);
    return 0;
}
