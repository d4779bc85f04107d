#pragma once
// The viewer's document: the byte stream it shows, read through a bounded buffer that follows the
// view, the byte order of 16-bit text, the table of line starts for the gutter, and the
// characters and hexadecimal cells at a position. The view (TZorvBinHex) draws from it; a search
// reads the whole source through Read in chunks of its own, without touching the buffer.
//
//   ViewerDocument.cpp       opening and closing, the buffer, reads, the byte order
//   ViewerDocumentChars.cpp  positions, the character unit and hexadecimal text at a position
//   ViewerDocumentLines.cpp  the line-start table
#include "viewer/BinHexTypes.h"
#include "viewer/ByteStream.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavrix {

// Display lines per buffer block.
inline constexpr int kLinesPerBlock = 150;

class ViewerDocument {
public:
    ViewerDocument() = default;
    ViewerDocument(const ViewerDocument&) = delete;
    ViewerDocument& operator=(const ViewerDocument&) = delete;

    // The stream shown from the next Reopen on; the document references it and never owns it.
    void SetStream(ByteStream* stream) { stream_ = stream; }
    ByteStream* Stream() const { return stream_; }
    // Closes, then opens the stream (if any) with characters of charSize bytes (1 or 2). The
    // buffer is made but not yet read.
    void Reopen(int charSize);
    // Lets go of the buffer and the line table; the stream stays set.
    void Close();
    bool IsOpen() const { return open_; }

    // --- What a search reads ------------------------------------------------------------------
    // The size of the source as it was opened.
    std::int64_t Size() const { return size_; }
    // Bytes per character: 2 for 16-bit text.
    int CharSize() const { return charSize_; }
    // kOrderUnknown until the first buffer read, then little- or big-endian.
    std::uint8_t ByteOrder() const { return byteOrder_; }
    void SetByteOrder(std::uint8_t order) { byteOrder_ = order; }
    // Reads up to into.size() bytes at offset straight from the source; the rest of into is zero.
    // Gives the count read (short at the end), or nothing when the source cannot be positioned
    // or read. Never moves the buffer.
    std::optional<std::int64_t> Read(std::int64_t offset, std::span<std::uint8_t> into) const;

    // --- The buffer ---------------------------------------------------------------------------
    // One block holds kLinesPerBlock display lines of the longest length; the buffer holds three.
    std::int64_t BlockSize() const { return blockSize_; }
    std::int64_t BufferSize() const { return static_cast<std::int64_t>(buffer_.size()); }
    std::int64_t BufferPos() const { return bufferPos_; }
    std::span<const std::uint8_t> Buffer() const { return buffer_; }
    // Whether the last buffer read succeeded.
    bool BufferOk() const { return bufferOk_; }
    // How many times the buffer was read, for tests and benchmarks.
    int BufferReads() const { return bufferReads_; }
    // Makes the buffer cover pos with at least one block after it. A new buffer starts one block
    // before pos, so small moves back need no read either. A failed read asks retry whether to
    // try again. True when the buffer was read anew; false when it covered pos already, when no
    // source is open, or when a failure was not retried.
    bool Cover(std::int64_t pos, const std::function<bool()>& retry);

    // --- Positions and characters (ViewerDocumentChars.cpp) -----------------------------------
    // pos rounded down to a character.
    std::int64_t AlignPos(std::int64_t pos) const;
    // The position of the last whole character, 0 for an empty source.
    std::int64_t LastPos() const;
    // Outside the source or outside the buffer.
    bool IsOutOfRange(std::int64_t pos) const;
    // The character unit at pos in the document's byte order; 0 outside the source.
    unsigned UnitAt(std::int64_t pos) const;
    // The byte (or the 16-bit unit, as its little-endian value) at pos as upper-case hexadecimal
    // digits; empty outside the source.
    std::wstring HexAt(std::int64_t pos) const;

    // --- Line starts (ViewerDocumentLines.cpp) ------------------------------------------------
    // Scans the first n bytes of the source for the starts of at most capacity - 1 lines after
    // the first, read into a block of their own so the buffer stays where the view is.
    void BuildLineTable(std::int64_t n, int capacity);
    const std::vector<std::int32_t>& LineStarts() const { return lineStarts_; }
    int LineCount() const { return lineCount_; }
    // The 1-based number of the line that starts at pos, 0 when no known line starts there.
    int LineNumber(std::int64_t pos) const;

private:
    // Reads the buffer at bufferPos_ and decides the byte order of a new opening.
    void DetectByteOrder();

    ByteStream* stream_ = nullptr;
    bool open_ = false;
    int charSize_ = 1;
    std::int64_t size_ = 0;
    std::uint8_t byteOrder_ = kOrderUnknown;
    std::vector<std::uint8_t> buffer_;
    std::int64_t blockSize_ = 0;
    std::int64_t bufferPos_ = 0;
    bool bufferOk_ = true;
    int bufferReads_ = 0;
    std::vector<std::int32_t> lineStarts_;
    int lineCount_ = 0;
};

} // namespace tavrix
