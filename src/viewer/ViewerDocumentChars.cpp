// Positions in the document and what is at them: the character unit and its hexadecimal text.
#include "viewer/ViewerAssert.h"
#include "viewer/ViewerDocument.h"

#include <algorithm>

namespace tavrix {

namespace {

constexpr wchar_t kHexDigits[] = L"0123456789ABCDEF";

void AppendHexByte(std::wstring& text, std::uint8_t value) {
    text.push_back(kHexDigits[value >> 4]);
    text.push_back(kHexDigits[value & 0x0F]);
}

} // namespace

std::int64_t ViewerDocument::AlignPos(std::int64_t pos) const {
    return charSize_ == 2 ? (pos & ~std::int64_t{1}) : pos;
}

std::int64_t ViewerDocument::LastPos() const {
    return std::max<std::int64_t>(0, AlignPos(size_) - charSize_);
}

bool ViewerDocument::IsOutOfRange(std::int64_t pos) const {
    return pos < 0 || pos > LastPos() || pos < bufferPos_ || pos >= bufferPos_ + BufferSize();
}

unsigned ViewerDocument::UnitAt(std::int64_t pos) const {
    if (pos < 0 || pos > LastPos()) {
        return 0;
    }
    const std::int64_t o = pos - bufferPos_;
    if (o < 0 || o >= BufferSize()) {
        FailAssertion(L"Buffer position out of range: GetChar", L"ZorvBinHex");
    }
    const auto i = static_cast<std::size_t>(o);
    if (charSize_ == 2) {
        return byteOrder_ == kOrderBigEndian ? buffer_[i] * 256u + buffer_[i + 1]
                                             : buffer_[i + 1] * 256u + buffer_[i];
    }
    return buffer_[i];
}

std::wstring ViewerDocument::HexAt(std::int64_t pos) const {
    std::wstring text;
    if (pos < 0 || pos > LastPos()) {
        return text;
    }
    const std::int64_t o = pos - bufferPos_;
    if (o < 0 || o >= BufferSize()) {
        FailAssertion(L"Buffer position out of range: GetHex", L"ZorvBinHex");
    }
    const auto i = static_cast<std::size_t>(o);
    // A 16-bit unit shows as its little-endian value whatever the byte order of the text.
    if (charSize_ == 2 && o + 1 < BufferSize()) {
        AppendHexByte(text, buffer_[i + 1]);
    }
    AppendHexByte(text, buffer_[i]);
    return text;
}

} // namespace tavrix
