#pragma once
// A seekable sequence of bytes: what the clipboard file routines read records from and write
// records to. Memory streams serve tests and small jobs; file streams read and write in place.
#include <cstdint>
#include <span>

namespace tavrix {

class DataStream {
public:
    virtual ~DataStream() = default;

    // Reads up to buffer.size() bytes at the position and moves the position on by the number
    // read; fewer only at the end of the stream. Throws Error when the stream cannot be read.
    virtual std::size_t Read(std::span<std::uint8_t> buffer) = 0;
    // Writes all bytes at the position, growing the stream as needed. Throws Error when the
    // bytes cannot be written.
    virtual void Write(std::span<const std::uint8_t> bytes) = 0;
    virtual std::uint64_t Position() const = 0;
    virtual std::uint64_t Size() const = 0;
    // Moves the position; past the end reads give nothing.
    virtual void Seek(std::uint64_t position) = 0;
};

// Reads until buffer is full or the stream ends; returns the number of bytes read.
std::size_t ReadFully(DataStream& stream, std::span<std::uint8_t> buffer);

} // namespace tavrix
