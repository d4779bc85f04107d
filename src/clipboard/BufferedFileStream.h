#pragma once
// The buffering shared by the platforms' file streams. Records are written and read as a 2-byte
// and a 4-byte field followed by their data; the fields go through a small buffer so that they
// do not cost a system call each, while large data moves between the file and the caller's
// memory directly, without a copy in between.
#include "clipboard/DataStream.h"

#include <vector>

namespace tavrix {

class BufferedFileStream : public DataStream {
public:
    static constexpr std::size_t kBufferSize = 64 * 1024;
    // The first fill after a jump reads this much, each later one twice as much up to the
    // buffer's size: a walk over records reads only a header after each jump.
    static constexpr std::size_t kFirstFill = 4 * 1024;

    std::size_t Read(std::span<std::uint8_t> buffer) override;
    void Write(std::span<const std::uint8_t> bytes) override;
    std::uint64_t Position() const override { return position_; }
    std::uint64_t Size() const override;
    void Seek(std::uint64_t position) override;

    // Writes out what the buffer holds. Throws Error when it cannot be written.
    void Flush();
    // Flush for a destructor: a failure is logged with where, not thrown. A write that fails
    // there was not committed; Close reports it where it matters.
    void FlushQuietly(const wchar_t* where) noexcept;

protected:
    BufferedFileStream() : buffer_(kBufferSize) {}
    // The file operations at the file's own position. RawRead returns fewer bytes only at the
    // end of the file; RawRead, RawWrite and RawSeek throw Error on failure.
    virtual std::size_t RawRead(std::uint8_t* data, std::size_t size) = 0;
    virtual void RawWrite(const std::uint8_t* data, std::size_t size) = 0;
    virtual void RawSeek(std::uint64_t position) = 0;
    virtual std::uint64_t RawSize() const = 0;
    // Forgets buffered bytes, those not yet written included.
    void DropBuffered();

private:
    void DropReadBuffer();

    std::vector<std::uint8_t> buffer_;
    std::size_t readStart_ = 0, readEnd_ = 0; // the buffer's read bytes end at the file's position
    std::size_t fill_ = kFirstFill;           // bytes the next fill asks for
    std::size_t pendingWrite_ = 0;            // bytes of the buffer not yet written
    std::uint64_t position_ = 0;
    std::uint64_t writtenEnd_ = 0; // end of the bytes written, some perhaps still buffered
};

} // namespace tavrix
