#pragma once
// The byte source the viewer shows: a readable, seekable stream whose size can be asked. The
// viewer references a stream and never owns it. Seeking and reading may throw; the viewer treats
// that as a read error.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace tavrix {

class ByteStream {
public:
    virtual ~ByteStream() = default;
    virtual std::int64_t Size() = 0;
    virtual void SetPosition(std::int64_t position) = 0;
    // Reads up to count bytes at the current position and moves past them; fewer at the end.
    virtual std::size_t Read(std::uint8_t* destination, std::size_t count) = 0;
};

// A stream over bytes held in memory; the host refills one such stream for every preview. A
// search running on another thread shares the bytes (Share): a refill gives the stream new bytes
// and leaves the shared ones to the search until it lets go of them.
class MemoryStream : public ByteStream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<std::uint8_t> bytes)
        : bytes_(std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes))) {}

    // A copy of bytes, which must not lie in this stream. The bytes held before are let go
    // first, so that two large blocks are never held at once.
    void Assign(std::span<const std::uint8_t> bytes);
    // Takes the bytes over without copying them.
    void Assign(std::vector<std::uint8_t>&& bytes);
    // Shares bytes that never change (a block another part holds already) without copying them.
    void Hold(std::shared_ptr<const std::vector<std::uint8_t>> bytes);
    // Empty, with the memory given back.
    void Clear();
    const std::vector<std::uint8_t>& Bytes() const { return *bytes_; }
    // The bytes as they are now, for a reader on another thread; they never change.
    std::shared_ptr<const std::vector<std::uint8_t>> Share() const { return bytes_; }

    std::int64_t Size() override { return static_cast<std::int64_t>(bytes_->size()); }
    void SetPosition(std::int64_t position) override;
    std::size_t Read(std::uint8_t* destination, std::size_t count) override;

private:
    std::shared_ptr<const std::vector<std::uint8_t>> bytes_ =
        std::make_shared<const std::vector<std::uint8_t>>();
    std::int64_t position_ = 0;
};

} // namespace tavrix
