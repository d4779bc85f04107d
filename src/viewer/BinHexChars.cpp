// Characters as the view shows them at a source position, and decoding a line for drawing.
#include "viewer/CodePages.h"
#include "viewer/ZorvBinHex.h"

namespace tavrix {

char16_t TZorvBinHex::GetChar(std::int64_t pos) const {
    if (document_.Size() < CharSize()) {
        return 0;
    }
    const unsigned ch = document_.UnitAt(pos);
    // Control characters show as dots, unless the font has glyphs for them. The text modes keep
    // tab and the line breaks, which their line handling needs.
    if (!IsTextMode(options_.mode) && ch == 9) {
        return u'.';
    }
    if (ch >= static_cast<unsigned>(fontFirstChar_)) {
        return static_cast<char16_t>(ch);
    }
    if (IsTextMode(options_.mode) && (ch == 9 || ch == 10 || ch == 13)) {
        return static_cast<char16_t>(ch);
    }
    return u'.';
}

std::wstring TZorvBinHex::DecodeLine(const std::wstring& text) const {
    if (IsUnicodeMode(options_.mode)) {
        return text;
    }
    std::string bytes;
    bytes.reserve(text.size());
    for (wchar_t ch : text) {
        bytes.push_back(static_cast<char>(static_cast<unsigned>(ch) & 0xFF));
    }
    // The OEM font draws the byte values with its own glyphs, so they must pass unchanged.
    ViewerEncoding encoding = options_.textEncoding;
    if ((encoding == ViewerEncoding::OEM && options_.textOemSpecial) ||
        IsUnicodeEncoding(encoding)) {
        encoding = ViewerEncoding::ANSI;
    }
    return CodepageToUnicode(bytes, encoding);
}

} // namespace tavrix
