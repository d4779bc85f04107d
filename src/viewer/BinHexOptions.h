#pragma once
// Everything a host may set on the viewer control: the fonts and background it inherits as a
// control, the mode, the code page of 8-bit text, widths, wrapping, the gutter, colours and the
// context-menu commands. A plain value: the control applies one through TZorvBinHex::SetOptions,
// which keeps each value within its range and redraws where a change shows at once.
#include "viewer/BinHexTypes.h"
#include "viewer/Encoding.h"
#include "viewer/ViewerFont.h"

#include <string>

namespace tavrix {

// The longest display line, in characters (or 16-bit units).
inline constexpr int kMaxLineLength = 300;

// The widths a line of hexadecimal cells returns to when fitting them to the window is turned off.
inline constexpr int kDefaultTextWidthHex = 16;
inline constexpr int kDefaultTextWidthUHex = 8;

struct BinHexOptions {
    // Inherited control properties.
    ViewerFont Font{.Name = L"Courier New", .Size = 10, .TextColor = kColorWindowText};
    Color BackgroundColor = kColorWindow;

    // Published properties, in their declaration order.
    ViewerFont FontOEM{.Name = L"Terminal", .Size = 9, .Charset = kOemCharset};
    ViewerFont FontGutter{.Name = L"Courier New", .Size = 9, .TextColor = kColorBlack};
    TZorvBinHexMode Mode = vbmodeText;
    TZorvEncoding TextEncoding = vEncANSI;
    int TextWidth = 80;
    int TextWidthHex = kDefaultTextWidthHex;
    int TextWidthUHex = kDefaultTextWidthUHex;
    bool TextWidthFit = false;
    bool TextWidthFitHex = false;
    bool TextWidthFitUHex = false;
    bool TextWrap = false;
    bool TextNonPrintable = false;
    bool TextOemSpecial = false;
    bool TextUrlHilight = true;
    bool TextGutter = false;
    bool TextGutterLines = true;
    int TextGutterLinesStep = 5;
    int TextGutterLinesCount = 2000;
    int TextGutterLinesBufSize = 307200;
    bool TextGutterLinesExtUse = false;
    std::wstring TextGutterLinesExtList; // comma-separated extensions
    Color TextColorHex = 0x800000;
    Color TextColorHex2 = 0xFF0000;
    Color TextColorHexBack = 0xECECEC;
    Color TextColorLines = 0x808080;
    Color TextColorError = 0x0000FF;
    Color TextColorGutter = 0xC0C0C0;
    Color TextColorURL = 0xFF0000;
    int TextSearchIndentVert = 5;
    int TextSearchIndentHorz = 5;
    int TextTabSize = 8;
    TZorvPopupCommands TextPopupCommands = kAllPopupCommands;
};

// Hexadecimal widths go in steps of 4 cells, within 2 and the longest line.
int ClampHexWidth(int value);

// Brings every ranged value of options within its range.
void ClampOptions(BinHexOptions& options);

} // namespace tavrix
