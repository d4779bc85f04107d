#pragma once
// The file names of a file-list clipboard block (format 15): a DROPFILES header whose first field
// is the offset of the names, each ending with a zero, the list ending with an empty name. The
// names are UTF-16 when the header's wide flag is set, 8-bit text otherwise. Everything is read
// within the block: a name that runs to the block's end ends there, and an offset outside the
// block gives no names.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace tavrix {

using AnsiDecoder = std::function<std::u16string(std::span<const std::uint8_t>)>;

std::vector<std::u16string> ReadFileDropList(std::span<const std::uint8_t> block,
                                             const AnsiDecoder& decodeAnsi);

} // namespace tavrix
