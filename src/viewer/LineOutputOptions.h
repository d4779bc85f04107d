#pragma once
// How a line of text is drawn or measured: which marks are shown, the font kind and the tab size.

namespace tavrix {

struct LineOutputOptions {
    bool showNonPrintable = false; // blanks and tabs get visible marks
    bool showLineEnd = false;      // with ShowNonPrintable: a mark after the line's last character
    bool oemFont = false;          // the OEM font is in use: marks come from its glyph set
    bool monospaced = false;       // tabs align to tab stops
    int tabSize = 8;               // tab width in character cells, at least 1
};

} // namespace tavrix
