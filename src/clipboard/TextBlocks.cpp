#include "clipboard/TextBlocks.h"

#include <algorithm>

namespace tavrix {

std::u16string Utf16UpToZero(std::span<const std::uint8_t> bytes) {
    std::u16string out;
    const std::size_t units = bytes.size() / 2;
    std::size_t length = 0;
    while (length < units && (bytes[2 * length] != 0 || bytes[2 * length + 1] != 0)) {
        ++length;
    }
    out.resize(length);
    for (std::size_t i = 0; i < length; ++i) {
        out[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    }
    return out;
}

std::span<const std::uint8_t> BytesUpToZero(std::span<const std::uint8_t> bytes) {
    auto zero = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    return bytes.first(static_cast<std::size_t>(zero - bytes.begin()));
}

} // namespace tavrix
