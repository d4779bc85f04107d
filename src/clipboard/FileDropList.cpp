#include "clipboard/FileDropList.h"

#include "base/LittleEndian.h"
#include "clipboard/TextBlocks.h"

#include <algorithm>

namespace tavrix {

namespace {
constexpr std::size_t kHeaderSize = 20; // offset, point (2 x 4 bytes), non-client flag, wide flag
}

std::vector<std::u16string> ReadFileDropList(std::span<const std::uint8_t> block,
                                             const AnsiDecoder& decodeAnsi) {
    std::vector<std::u16string> names;
    if (block.size() < kHeaderSize) {
        return names;
    }
    const std::uint32_t offset = ReadLe32(block, 0);
    const bool wide = (block[16] | block[17] | block[18] | block[19]) != 0;
    if (offset < kHeaderSize || offset >= block.size()) {
        return names;
    }
    auto rest = block.subspan(offset);
    while (!rest.empty()) {
        if (wide) {
            std::u16string name = Utf16UpToZero(rest);
            if (name.empty()) {
                break;
            }
            rest = rest.subspan(std::min(rest.size(), (name.size() + 1) * 2));
            names.push_back(std::move(name));
        } else {
            auto name = BytesUpToZero(rest);
            if (name.empty()) {
                break;
            }
            rest = rest.subspan(std::min(rest.size(), name.size() + 1));
            names.push_back(decodeAnsi(name));
        }
    }
    return names;
}

} // namespace tavrix
