#pragma once
// Where a search reads its bytes: the viewer's document, a file, or bytes in memory. A search
// asks for large chunks, in any order, and never keeps them past its next request.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <span>

namespace tavrix {

class FindSource {
public:
    virtual ~FindSource() = default;
    virtual std::int64_t Size() const = 0;
    // The bytes from offset on, scratch.size() of them or fewer at the end: read into scratch,
    // or a view of the source's own memory that stays valid until the next call. Fewer than
    // that before the end means the source could not be read.
    virtual std::span<const std::uint8_t> Fetch(std::int64_t offset,
                                                std::span<std::uint8_t> scratch) = 0;
};

// Reads up to into.size() bytes at offset into into; gives how many it read.
using FindReader = std::function<std::size_t(std::int64_t offset, std::span<std::uint8_t> into)>;

// A source that reads through a reader, such as the viewer document's Read.
class ReaderFindSource final : public FindSource {
public:
    ReaderFindSource(FindReader reader, std::int64_t size)
        : reader_(std::move(reader)), size_(size) {}
    std::int64_t Size() const override { return size_; }
    std::span<const std::uint8_t> Fetch(std::int64_t offset,
                                        std::span<std::uint8_t> scratch) override {
        const std::size_t count = reader_(offset, scratch);
        return scratch.first(count < scratch.size() ? count : scratch.size());
    }

private:
    FindReader reader_;
    std::int64_t size_;
};

// Bytes already in memory, searched where they are.
class MemoryFindSource final : public FindSource {
public:
    explicit MemoryFindSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }
    std::span<const std::uint8_t> Fetch(std::int64_t offset,
                                        std::span<std::uint8_t> scratch) override {
        const auto at = static_cast<std::size_t>(offset);
        if (offset < 0 || at >= bytes_.size()) {
            return {};
        }
        return bytes_.subspan(at, std::min(scratch.size(), bytes_.size() - at));
    }

private:
    std::span<const std::uint8_t> bytes_;
};

} // namespace tavrix
