// Opening and closing the document, the buffer that follows the view, raw reads of the source and
// the byte order of 16-bit text.
#include "viewer/ViewerDocument.h"

#include "base/SwallowedErrors.h"
#include "viewer/BinHexOptions.h"
#include "viewer/ViewerAssert.h"

#include <algorithm>
#include <exception>

namespace tavrix {

void ViewerDocument::Close() {
    buffer_.clear();
    buffer_.shrink_to_fit();
    size_ = 0;
    bufferOk_ = true;
    byteOrder_ = kOrderUnknown;
    open_ = false;
    blockSize_ = 0;
    bufferPos_ = 0;
    lineStarts_.clear();
    lineStarts_.shrink_to_fit();
    lineCount_ = 0;
}

void ViewerDocument::Reopen(int charSize) {
    Close();
    charSize_ = charSize;
    if (stream_ == nullptr) {
        return;
    }
    try {
        size_ = std::max<std::int64_t>(0, stream_->Size());
    } catch (const std::exception&) {
        LogSwallowed(L"ViewerDocument::Reopen");
        size_ = 0;
    }
    open_ = true;
    blockSize_ = static_cast<std::int64_t>(charSize_) * kMaxLineLength * kLinesPerBlock;
    buffer_.assign(static_cast<std::size_t>(3 * blockSize_), 0);
}

bool ViewerDocument::Cover(std::int64_t pos, const std::function<bool()>& retry) {
    if (!open_) {
        return false;
    }
    if (bufferPos_ <= pos && pos < bufferPos_ + 2 * blockSize_) {
        return false;
    }
    bufferPos_ = AlignPos(std::max<std::int64_t>(0, pos - blockSize_));
    ++bufferReads_;
    for (;;) {
        bufferOk_ = Read(bufferPos_, buffer_).has_value();
        if (bufferOk_) {
            break;
        }
        if (!retry()) {
            return false;
        }
    }
    DetectByteOrder();
    return true;
}

std::optional<std::int64_t> ViewerDocument::Read(std::int64_t offset,
                                                 std::span<std::uint8_t> into) const {
    std::fill(into.begin(), into.end(), std::uint8_t{0});
    if (into.data() == nullptr) {
        FailAssertion(L"Buffer not allocated: ReadSource", L"ZorvBinHex");
    }
    if (stream_ == nullptr) {
        FailAssertion(L"Source not assigned: ReadSource", L"ZorvBinHex");
    }
    try {
        stream_->SetPosition(offset);
    } catch (const std::exception&) {
        LogSwallowed(L"ViewerDocument::Read (position)");
        return std::nullopt;
    }
    try {
        // A stream may hand out its bytes in pieces; read until it is done or the span full.
        std::size_t total = 0;
        while (total < into.size()) {
            const std::size_t got = stream_->Read(into.data() + total, into.size() - total);
            if (got == 0) {
                break;
            }
            total += got;
        }
        return static_cast<std::int64_t>(total);
    } catch (const std::exception&) {
        LogSwallowed(L"ViewerDocument::Read");
        std::fill(into.begin(), into.end(), std::uint8_t{0});
        return std::nullopt;
    }
}

void ViewerDocument::DetectByteOrder() {
    // Decided once per opening; a byte order chosen from the menu stays until the next one.
    if (byteOrder_ != kOrderUnknown) {
        return;
    }
    byteOrder_ = kOrderLittleEndian;
    if (size_ >= 2) {
        std::uint8_t head[2] = {0, 0};
        std::int64_t count = 0;
        if (bufferPos_ == 0) {
            head[0] = buffer_[0];
            head[1] = buffer_[1];
            count = 2;
        } else {
            count = Read(0, head).value_or(0);
        }
        if (count == 2 && head[0] == 0xFE && head[1] == 0xFF) {
            byteOrder_ = kOrderBigEndian;
        }
    }
}

} // namespace tavrix
