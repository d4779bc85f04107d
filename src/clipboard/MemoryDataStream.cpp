#include "clipboard/MemoryDataStream.h"

#include "base/Error.h"
#include "base/UiText.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace tavrix {

std::size_t MemoryDataStream::Read(std::span<std::uint8_t> buffer) {
    if (position_ >= bytes_.size()) {
        return 0;
    }
    const auto start = static_cast<std::size_t>(position_);
    const std::size_t n = std::min(buffer.size(), bytes_.size() - start);
    if (n > 0) {
        std::memcpy(buffer.data(), bytes_.data() + start, n);
    }
    position_ += n;
    return n;
}

void MemoryDataStream::Write(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        return;
    }
    if (position_ > std::numeric_limits<std::size_t>::max() - bytes.size()) {
        throw Error(Tr(L"Out of memory"));
    }
    const auto start = static_cast<std::size_t>(position_);
    const std::size_t end = start + bytes.size();
    if (end > bytes_.size()) {
        bytes_.resize(end);
    }
    std::memcpy(bytes_.data() + start, bytes.data(), bytes.size());
    position_ = end;
}

void MemoryDataStream::Clear() {
    bytes_.clear();
    position_ = 0;
}

} // namespace tavrix
