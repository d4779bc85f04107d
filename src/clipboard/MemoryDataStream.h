#pragma once
// A stream over a growable byte array.
#include "clipboard/DataStream.h"

#include <vector>

namespace tavrix {

class MemoryDataStream : public DataStream {
public:
    MemoryDataStream() = default;
    explicit MemoryDataStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    std::size_t Read(std::span<std::uint8_t> buffer) override;
    void Write(std::span<const std::uint8_t> bytes) override;
    std::uint64_t Position() const override { return position_; }
    std::uint64_t Size() const override { return bytes_.size(); }
    void Seek(std::uint64_t position) override { position_ = position; }

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    void Clear();

private:
    std::vector<std::uint8_t> bytes_;
    std::uint64_t position_ = 0;
};

} // namespace tavrix
