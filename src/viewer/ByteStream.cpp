#include "viewer/ByteStream.h"

#include "base/Error.h"
#include "base/UiText.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace tavrix {

void MemoryStream::Assign(std::span<const std::uint8_t> bytes) {
    Clear();
    bytes_ = std::make_shared<const std::vector<std::uint8_t>>(bytes.begin(), bytes.end());
}

void MemoryStream::Assign(std::vector<std::uint8_t>&& bytes) {
    Clear();
    bytes_ = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
}

void MemoryStream::Hold(std::shared_ptr<const std::vector<std::uint8_t>> bytes) {
    Clear();
    if (bytes) {
        bytes_ = std::move(bytes);
    }
}

void MemoryStream::Clear() {
    // Fresh bytes: a search may still read the old ones, and clear() would keep the capacity.
    bytes_ = std::make_shared<const std::vector<std::uint8_t>>();
    position_ = 0;
}

void MemoryStream::SetPosition(std::int64_t position) {
    if (position < 0) {
        throw Error(Tr(L"Invalid stream position"));
    }
    position_ = position;
}

std::size_t MemoryStream::Read(std::uint8_t* destination, std::size_t count) {
    const auto size = static_cast<std::int64_t>(bytes_->size());
    if (position_ >= size || count == 0) {
        return 0;
    }
    const auto n = static_cast<std::size_t>(std::min<std::int64_t>(size - position_, count));
    std::memcpy(destination, bytes_->data() + position_, n);
    position_ += static_cast<std::int64_t>(n);
    return n;
}

} // namespace tavrix
