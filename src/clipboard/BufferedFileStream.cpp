#include "clipboard/BufferedFileStream.h"

#include "base/SwallowedErrors.h"

#include <algorithm>
#include <cstring>

namespace tavrix {

std::size_t BufferedFileStream::Read(std::span<std::uint8_t> buffer) {
    Flush();
    std::size_t done = 0;
    while (done < buffer.size()) {
        if (readStart_ < readEnd_) {
            const std::size_t n = std::min(readEnd_ - readStart_, buffer.size() - done);
            std::memcpy(buffer.data() + done, buffer_.data() + readStart_, n);
            readStart_ += n;
            done += n;
            continue;
        }
        const std::size_t wanted = buffer.size() - done;
        if (wanted >= buffer_.size()) {
            // Large reads go straight into the caller's memory.
            DropReadBuffer();
            const std::size_t n = RawRead(buffer.data() + done, wanted);
            done += n;
            if (n < wanted) {
                break;
            }
            continue;
        }
        readStart_ = 0;
        readEnd_ = RawRead(buffer_.data(), fill_);
        fill_ = std::min(fill_ * 2, buffer_.size());
        if (readEnd_ == 0) {
            break;
        }
    }
    position_ += done;
    return done;
}

void BufferedFileStream::Write(std::span<const std::uint8_t> bytes) {
    if (readStart_ < readEnd_) {
        // The file's own position is ahead of ours by what was buffered for reading.
        RawSeek(position_);
    }
    DropReadBuffer();
    if (pendingWrite_ + bytes.size() <= buffer_.size()) {
        if (!bytes.empty()) {
            std::memcpy(buffer_.data() + pendingWrite_, bytes.data(), bytes.size());
        }
        pendingWrite_ += bytes.size();
    } else {
        Flush();
        if (bytes.size() >= buffer_.size()) {
            RawWrite(bytes.data(), bytes.size());
        } else {
            std::memcpy(buffer_.data(), bytes.data(), bytes.size());
            pendingWrite_ = bytes.size();
        }
    }
    position_ += bytes.size();
    writtenEnd_ = std::max(writtenEnd_, position_);
}

std::uint64_t BufferedFileStream::Size() const {
    return std::max(RawSize(), writtenEnd_);
}

void BufferedFileStream::Seek(std::uint64_t position) {
    // A target among the bytes already read costs no call to the file: a walk over small
    // records jumps within them.
    const std::uint64_t bufferStart = position_ - readStart_;
    if (pendingWrite_ == 0 && readEnd_ > 0 && position >= bufferStart &&
        position - bufferStart <= readEnd_) {
        readStart_ = static_cast<std::size_t>(position - bufferStart);
        position_ = position;
        return;
    }
    Flush();
    DropReadBuffer();
    RawSeek(position);
    position_ = position;
    fill_ = kFirstFill;
}

void BufferedFileStream::Flush() {
    if (pendingWrite_ > 0) {
        const std::size_t n = pendingWrite_;
        pendingWrite_ = 0; // a failed write is not repeated by a later flush
        RawWrite(buffer_.data(), n);
    }
}

void BufferedFileStream::FlushQuietly(const wchar_t* where) noexcept {
    try {
        Flush();
    } catch (...) {
        LogSwallowed(where);
    }
}

void BufferedFileStream::DropBuffered() {
    DropReadBuffer();
    pendingWrite_ = 0;
}

void BufferedFileStream::DropReadBuffer() {
    readStart_ = readEnd_ = 0;
}

} // namespace tavrix
