// Characters and hexadecimal text at a source position, and decoding a line for drawing.
#include "viewer/CodePages.h"
#include "viewer/ViewerAssert.h"
#include "viewer/ZorvBinHex.h"

namespace tavrix {

namespace {

constexpr wchar_t kHexDigits[] = L"0123456789ABCDEF";

void AppendHexByte(std::wstring& text, std::uint8_t value) {
    text.push_back(kHexDigits[value >> 4]);
    text.push_back(kHexDigits[value & 0x0F]);
}

} // namespace

char16_t TZorvBinHex::GetChar(std::int64_t pos) const {
    if (fileSize_ < CharSize()) {
        return 0;
    }
    unsigned ch = 0;
    if (pos >= 0 && pos <= LastPos()) {
        const std::int64_t o = pos - bufferPos_;
        if (o < 0 || o >= bufferAllocSize_) {
            FailAssertion(L"Buffer position out of range: GetChar", L"ZorvBinHex");
        }
        const auto i = static_cast<std::size_t>(o);
        if (IsUnicodeMode(options_.Mode)) {
            ch = unicodeOrder_ == kOrderBigEndian ? buffer_[i] * 256u + buffer_[i + 1]
                                                  : buffer_[i + 1] * 256u + buffer_[i];
        } else {
            ch = buffer_[i];
        }
    }
    // Control characters show as dots, unless the font has glyphs for them. The text modes keep
    // tab and the line breaks, which their line handling needs.
    if (!IsTextMode(options_.Mode) && ch == 9) {
        return u'.';
    }
    if (ch >= static_cast<unsigned>(fontFirstChar_)) {
        return static_cast<char16_t>(ch);
    }
    if (IsTextMode(options_.Mode) && (ch == 9 || ch == 10 || ch == 13)) {
        return static_cast<char16_t>(ch);
    }
    return u'.';
}

std::wstring TZorvBinHex::GetHex(std::int64_t pos) const {
    std::wstring text;
    if (pos < 0 || pos > LastPos()) {
        return text;
    }
    const std::int64_t o = pos - bufferPos_;
    if (o < 0 || o >= bufferAllocSize_) {
        FailAssertion(L"Buffer position out of range: GetHex", L"ZorvBinHex");
    }
    const auto i = static_cast<std::size_t>(o);
    // A 16-bit unit shows as its little-endian value whatever the byte order of the text.
    if (IsUnicodeMode(options_.Mode) && o + 1 < bufferAllocSize_) {
        AppendHexByte(text, buffer_[i + 1]);
    }
    AppendHexByte(text, buffer_[i]);
    return text;
}

std::wstring TZorvBinHex::DecodeLine(const std::wstring& text) const {
    if (IsUnicodeMode(options_.Mode)) {
        return text;
    }
    std::string bytes;
    bytes.reserve(text.size());
    for (wchar_t ch : text) {
        bytes.push_back(static_cast<char>(static_cast<unsigned>(ch) & 0xFF));
    }
    // The OEM font draws the byte values with its own glyphs, so they must pass unchanged.
    TZorvEncoding encoding = options_.TextEncoding;
    if ((encoding == vEncOEM && options_.TextOemSpecial) || IsUnicodeEncoding(encoding)) {
        encoding = vEncANSI;
    }
    return CodepageToUnicode(bytes, encoding);
}

} // namespace tavrix
