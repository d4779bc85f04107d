#pragma once
// How a line of text is drawn or measured: which marks are shown, the font kind and the tab size.

namespace tavrix {

struct TZorvBinHexOutputOptions {
    bool ShowNonPrintable = false; // blanks and tabs get visible marks
    bool ShowLineEnd = false;      // with ShowNonPrintable: a mark after the line's last character
    bool OemFont = false;          // the OEM font is in use: marks come from its glyph set
    bool Monospaced = false;       // tabs align to tab stops
    int TabSize = 8;               // tab width in character cells, at least 1
};

} // namespace tavrix
