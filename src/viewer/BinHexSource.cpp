// The source and its buffer: opening and closing, buffer reads that follow the view, raw reads,
// the byte order of 16-bit data and the width of the offset column.
#include "base/SwallowedErrors.h"
#include "viewer/ViewerAssert.h"
#include "viewer/ViewerMessages.h"
#include "viewer/ZorvBinHex.h"

#include <algorithm>
#include <exception>

namespace tavrix {

bool TZorvBinHex::OpenStream(ByteStream* stream, bool redraw) {
    if (stream != nullptr && stream == stream_) {
        return true;
    }
    stream_ = stream;
    Reopen();
    if (redraw) {
        Redraw();
    }
    return true;
}

void TZorvBinHex::CloseSource() {
    buffer_.clear();
    buffer_.shrink_to_fit();
    fileSize_ = 0;
    bufferOk_ = true;
    unicodeOrder_ = kOrderUnknown;
    sourceKind_ = kSourceNone;
    bufMaxOffset_ = 0;
    bufferAllocSize_ = 0;
    bufferPos_ = 0;
    lineStarts_.clear();
    lineStarts_.shrink_to_fit();
    lineCount_ = 0;
    viewPos_ = 0;
    viewAtEnd_ = false;
    viewPageSize_ = 0;
    hViewPos_ = 0;
    hViewMaxWidth_ = 0;
    selStart_ = 0;
    selLength_ = 0;
    panMode_ = false;
    lastClientHeight_ = 0;
    mouse_.Reset();
    wheel_.Reset();
    surface_.SetTimerActive(ViewerTimer::Select, false);
    surface_.SetTimerActive(ViewerTimer::Pan, false);
}

void TZorvBinHex::Reopen() {
    CloseSource();
    if (stream_ == nullptr) {
        return;
    }
    try {
        fileSize_ = std::max<std::int64_t>(0, stream_->Size());
    } catch (const std::exception&) {
        LogSwallowed(L"TZorvBinHex::Reopen");
        fileSize_ = 0;
    }
    sourceKind_ = kSourceStream;
    maxLength_ = kMaxLineLength;
    // One block holds 150 display lines of the longest length; the buffer holds three.
    bufMaxOffset_ = static_cast<std::int64_t>(CharSize()) * maxLength_ * kLinesPerBlock;
    bufferAllocSize_ = 3 * bufMaxOffset_;
    buffer_.assign(static_cast<std::size_t>(bufferAllocSize_), 0);
    ReadBuffer(-1);
    ComputeOffsetDigits();
}

void TZorvBinHex::ReadBuffer(std::int64_t pos) {
    if (!HasSource()) {
        return;
    }
    if (bufferPos_ <= pos && pos < bufferPos_ + 2 * bufMaxOffset_) {
        return;
    }
    // A new buffer starts one block before pos, so small moves back need no read either.
    bufferPos_ = AlignPos(std::max<std::int64_t>(0, pos - bufMaxOffset_));
    ++bufferReads_;
    for (;;) {
        std::int64_t count = 0;
        bufferOk_ = ReadSource(buffer_, count, bufferPos_);
        if (bufferOk_) {
            break;
        }
        if (ShowViewerMessage(ViewerCannotReadStream, ViewerCaption,
                              kMbRetryCancel | kMbIconError) != kIdRetry) {
            return;
        }
    }
    DetectUnicodeOrder();
    if (LinesEnabled() && options_.TextGutterLinesBufSize >= bufferPos_) {
        BuildLineTable(
            std::min<std::int64_t>(bufferPos_ + bufferAllocSize_, options_.TextGutterLinesBufSize));
    }
    RefreshLinks();
}

bool TZorvBinHex::ReadSource(std::span<std::uint8_t> buffer, std::int64_t& count,
                             std::int64_t pos) {
    count = 0;
    std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
    if (buffer.data() == nullptr) {
        FailAssertion(L"Buffer not allocated: ReadSource", L"ZorvBinHex");
    }
    if (stream_ == nullptr) {
        FailAssertion(L"Source not assigned: ReadSource", L"ZorvBinHex");
    }
    try {
        stream_->SetPosition(pos);
    } catch (const std::exception&) {
        LogSwallowed(L"TZorvBinHex::ReadSource (position)");
        return false;
    }
    try {
        // A stream may hand out its bytes in pieces; read until it is done or the buffer full.
        std::size_t total = 0;
        while (total < buffer.size()) {
            const std::size_t got = stream_->Read(buffer.data() + total, buffer.size() - total);
            if (got == 0) {
                break;
            }
            total += got;
        }
        count = static_cast<std::int64_t>(total);
        return true;
    } catch (const std::exception&) {
        LogSwallowed(L"TZorvBinHex::ReadSource");
        std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
        count = 0;
        return false;
    }
}

void TZorvBinHex::DetectUnicodeOrder() {
    // Decided once per opening; a byte order chosen from the menu stays until the next one.
    if (unicodeOrder_ != kOrderUnknown) {
        return;
    }
    unicodeOrder_ = kOrderLittleEndian;
    if (fileSize_ >= 2) {
        std::uint8_t head[2] = {0, 0};
        std::int64_t count = 0;
        if (bufferPos_ == 0) {
            head[0] = buffer_[0];
            head[1] = buffer_[1];
            count = 2;
        } else if (!ReadSource(head, count, 0)) {
            count = 0;
        }
        if (count == 2 && head[0] == 0xFE && head[1] == 0xFF) {
            unicodeOrder_ = kOrderBigEndian;
        }
    }
}

void TZorvBinHex::ComputeOffsetDigits() {
    if (fileSize_ < CharSize()) {
        offsetDigits_ = 0;
        return;
    }
    // Digits of the size in hexadecimal, at least 8 and always even.
    int digits = 0;
    for (std::uint64_t rest = static_cast<std::uint64_t>(fileSize_); rest != 0; rest >>= 4) {
        ++digits;
    }
    digits = std::max(digits, 8);
    if (digits % 2 != 0) {
        ++digits;
    }
    offsetDigits_ = digits;
}

void TZorvBinHex::RefreshLinks() {
    // No link finder runs here, so the table only ever gets cleared.
    if (!options_.TextUrlHilight) {
        for (TZorvUrl& url : urls_) {
            url = TZorvUrl{};
        }
    }
}

std::int64_t TZorvBinHex::LineSize() const {
    switch (options_.Mode) {
    case vbmodeBinary:
        return options_.TextWidth;
    case vbmodeHex:
        return options_.TextWidthHex;
    case vbmodeUHex:
        return 2 * static_cast<std::int64_t>(options_.TextWidthUHex);
    case vbmodeUnicode:
        return 2;
    case vbmodeText:
        break;
    }
    return 1;
}

std::int64_t TZorvBinHex::AlignPos(std::int64_t pos) const {
    return IsUnicodeMode(options_.Mode) ? (pos & ~std::int64_t{1}) : pos;
}

std::int64_t TZorvBinHex::LastPos() const {
    return std::max<std::int64_t>(0, AlignPos(fileSize_) - CharSize());
}

bool TZorvBinHex::IsOutOfRange(std::int64_t pos) const {
    return pos < 0 || pos > LastPos() || pos < bufferPos_ || pos >= bufferPos_ + bufferAllocSize_;
}

} // namespace tavrix
