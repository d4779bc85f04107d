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
    ViewerFont font{.name = L"Courier New", .size = 10, .textColor = kColorWindowText};
    Color backgroundColor = kColorWindow;

    // Published properties, in their declaration order.
    ViewerFont fontOEM{.name = L"Terminal", .size = 9, .charset = kOemCharset};
    ViewerFont fontGutter{.name = L"Courier New", .size = 9, .textColor = kColorBlack};
    ViewerMode mode = ViewerMode::Text;
    ViewerEncoding textEncoding = ViewerEncoding::ANSI;
    int textWidth = 80;
    int textWidthHex = kDefaultTextWidthHex;
    int textWidthUHex = kDefaultTextWidthUHex;
    bool textWidthFit = false;
    bool textWidthFitHex = false;
    bool textWidthFitUHex = false;
    bool textWrap = false;
    bool textNonPrintable = false;
    bool textOemSpecial = false;
    bool textUrlHilight = true;
    bool textGutter = false;
    bool textGutterLines = true;
    int textGutterLinesStep = 5;
    int textGutterLinesCount = 2000;
    int textGutterLinesBufSize = 307200;
    bool textGutterLinesExtUse = false;
    std::wstring textGutterLinesExtList; // comma-separated extensions
    Color textColorHex = 0x800000;
    Color textColorHex2 = 0xFF0000;
    Color textColorHexBack = 0xECECEC;
    Color textColorLines = 0x808080;
    Color textColorError = 0x0000FF;
    Color textColorGutter = 0xC0C0C0;
    Color textColorURL = 0xFF0000;
    int textSearchIndentVert = 5;
    int textSearchIndentHorz = 5;
    int textTabSize = 8;
    PopupCommandSet textPopupCommands = kAllPopupCommands;
};

// Hexadecimal widths go in steps of 4 cells, within 2 and the longest line.
int ClampHexWidth(int value);

// Brings every ranged value of options within its range.
void ClampOptions(BinHexOptions& options);

} // namespace tavrix
