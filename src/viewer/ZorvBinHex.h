#pragma once
// The viewer control's model: shows a byte stream as text, fixed-width text, a hexadecimal dump,
// 16-bit text or a 16-bit dump, reading through a small buffer that follows the view, so a source
// of any size is shown without copying it. It holds all state and algorithms and draws through
// the canvas of its surface; the window (win32/BinHexWindow) forwards messages to it.
//
// The implementation is split by concern:
//   BinHexProperties.cpp  published properties, clamps and redraw rules
//   BinHexSource.cpp      opening and closing, the buffer, reading, byte order, offset digits
//   BinHexChars.cpp       characters and hexadecimal text at a position, line decoding
//   BinHexGeometry.cpp    line counts, fitted widths, last page, column positions
//   BinHexDraw.cpp        Redraw, DrawTo and its common steps, selection inversion, read error
//   BinHexHexScreens.cpp  the screens of vbmodeBinary, vbmodeHex and vbmodeUHex
//   BinHexTextLines.cpp   line reading, wrapping, line starts, view moves, boundaries
//   BinHexTextScreen.cpp  the screen of the text modes, links and the drawing events
//   BinHexGutter.cpp      gutter band, line numbers and the line-number table
//   BinHexScrollBars.cpp  scroll bar ranges after each drawing
//   BinHexScrolling.cpp   vertical and horizontal scrolling, scroll-bar messages, resize
//   BinHexInput.cpp       keyboard, wheel, pan mode and the mouse buttons
//   BinHexSelection.cpp   the selection, its text, copying and the point-to-position lookup
//   BinHexMenus.cpp       the context menu's items and commands, the encoding choices
#include "viewer/BinHexTypes.h"
#include "viewer/ByteStream.h"
#include "viewer/Canvas.h"
#include "viewer/Encoding.h"
#include "viewer/MouseSelection.h"
#include "viewer/OutputOptions.h"
#include "viewer/PopupMenuModel.h"
#include "viewer/StrPositions.h"
#include "viewer/ViewerFont.h"
#include "viewer/ViewerSurface.h"
#include "viewer/ViewerWheel.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tavrix {

// Direction of a scan: forwards (+1) or backwards (-1).
enum class ScanDir : int { Backward = -1, Forward = 1 };

// Character sets that end a boundary search.
enum class BoundarySet { Line, Word };

// Sizes of the buffer and of display lines.
inline constexpr int kMaxLineLength = 300;
inline constexpr int kLinesPerBlock = 150;
inline constexpr int kMaxScreenLines = 150;
inline constexpr int kBoundaryScanLimit = 8192;

struct ReadLineResult {
    std::wstring Text;  // decoded for drawing
    std::int64_t Count; // source characters covered
};

class TZorvBinHex {
public:
    explicit TZorvBinHex(ViewerSurface& surface);
    ~TZorvBinHex();
    TZorvBinHex(const TZorvBinHex&) = delete;
    TZorvBinHex& operator=(const TZorvBinHex&) = delete;

    // --- Host interface -----------------------------------------------------------------------
    // Shows stream (nullptr closes the view). The stream already shown is left alone.
    bool OpenStream(ByteStream* stream, bool redraw);
    // Draws the whole screen, updates both scroll bars and shows the picture.
    void Redraw();

    // --- Inherited control properties ---------------------------------------------------------
    const ViewerFont& Font() const { return font_; }
    void SetFont(const ViewerFont& font) { font_ = font; }
    Color BackgroundColor() const { return color_; }
    void SetBackgroundColor(Color color) { color_ = color; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // --- Published properties -----------------------------------------------------------------
    const ViewerFont& FontOEM() const { return fontOem_; }
    void SetFontOEM(const ViewerFont& font) { fontOem_ = font; }
    const ViewerFont& FontFooter() const { return fontFooter_; }
    void SetFontFooter(const ViewerFont& font) { fontFooter_ = font; }
    const ViewerFont& FontGutter() const { return fontGutter_; }
    void SetFontGutter(const ViewerFont& font) { fontGutter_ = font; }

    TZorvBinHexMode Mode() const { return mode_; }
    void SetMode(TZorvBinHexMode mode);
    TZorvEncoding TextEncoding() const { return textEncoding_; }
    void SetTextEncoding(TZorvEncoding encoding);
    int TextWidth() const { return textWidth_; }
    void SetTextWidth(int value);
    int TextWidthHex() const { return textWidthHex_; }
    void SetTextWidthHex(int value);
    int TextWidthUHex() const { return textWidthUHex_; }
    void SetTextWidthUHex(int value);
    bool TextWidthFit() const { return textWidthFit_; }
    void SetTextWidthFit(bool value) { textWidthFit_ = value; }
    bool TextWidthFitHex() const { return textWidthFitHex_; }
    void SetTextWidthFitHex(bool value);
    bool TextWidthFitUHex() const { return textWidthFitUHex_; }
    void SetTextWidthFitUHex(bool value);
    bool TextWrap() const { return textWrap_; }
    void SetTextWrap(bool value);
    bool TextNonPrintable() const { return textNonPrintable_; }
    void SetTextNonPrintable(bool value);
    bool TextOemSpecial() const { return textOemSpecial_; }
    void SetTextOemSpecial(bool value);
    bool TextUrlHilight() const { return textUrlHilight_; }
    void SetTextUrlHilight(bool value);
    bool TextGutter() const { return textGutter_; }
    void SetTextGutter(bool value) { textGutter_ = value; }
    bool TextGutterLines() const { return textGutterLines_; }
    void SetTextGutterLines(bool value) { textGutterLines_ = value; }
    int TextGutterLinesStep() const { return textGutterLinesStep_; }
    void SetTextGutterLinesStep(int value);
    int TextGutterLinesCount() const { return textGutterLinesCount_; }
    void SetTextGutterLinesCount(int value);
    int TextGutterLinesBufSize() const { return textGutterLinesBufSize_; }
    void SetTextGutterLinesBufSize(int value);
    bool TextGutterLinesExtUse() const { return textGutterLinesExtUse_; }
    void SetTextGutterLinesExtUse(bool value) { textGutterLinesExtUse_ = value; }
    const std::wstring& TextGutterLinesExtList() const { return textGutterLinesExtList_; }
    void SetTextGutterLinesExtList(const std::wstring& value) { textGutterLinesExtList_ = value; }
    Color TextColorHex() const { return textColorHex_; }
    void SetTextColorHex(Color value) { textColorHex_ = value; }
    Color TextColorHex2() const { return textColorHex2_; }
    void SetTextColorHex2(Color value) { textColorHex2_ = value; }
    Color TextColorHexBack() const { return textColorHexBack_; }
    void SetTextColorHexBack(Color value) { textColorHexBack_ = value; }
    Color TextColorLines() const { return textColorLines_; }
    void SetTextColorLines(Color value) { textColorLines_ = value; }
    Color TextColorError() const { return textColorError_; }
    void SetTextColorError(Color value) { textColorError_ = value; }
    Color TextColorGutter() const { return textColorGutter_; }
    void SetTextColorGutter(Color value) { textColorGutter_ = value; }
    Color TextColorURL() const { return textColorUrl_; }
    void SetTextColorURL(Color value) { textColorUrl_ = value; }
    int TextSearchIndentVert() const { return textSearchIndentVert_; }
    void SetTextSearchIndentVert(int value);
    int TextSearchIndentHorz() const { return textSearchIndentHorz_; }
    void SetTextSearchIndentHorz(int value);
    int TextTabSize() const { return textTabSize_; }
    void SetTextTabSize(int value);
    TZorvPopupCommands TextPopupCommands() const { return textPopupCommands_; }
    void SetTextPopupCommands(TZorvPopupCommands value) { textPopupCommands_ = value; }

    TNotifyEvent OnSelectionChange;
    TNotifyEvent OnOptionsChange;
    TNotifyEvent OnScroll;
    TZorvBinHexDrawLine OnDrawLine;
    TZorvBinHexDrawLine2 OnDrawLine2;
    TZorvBinHexClickURL OnClickURL;

    // --- Source and buffer --------------------------------------------------------------------
    // Makes the buffer cover pos, with at least one block after it.
    void ReadBuffer(std::int64_t pos);
    // Reads up to buffer.size() raw bytes at pos (the rest stays zero). False when the source
    // cannot be positioned or read; short reads at the end are no error.
    bool ReadSource(std::span<std::uint8_t> buffer, std::int64_t& count, std::int64_t pos);
    // The character at pos, with control characters replaced by dots as the mode requires.
    char16_t GetChar(std::int64_t pos) const;
    // The byte (or the 16-bit unit, little-endian) at pos as upper-case hexadecimal digits.
    std::wstring GetHex(std::int64_t pos) const;
    // Characters of a line as GetChar gave them, turned into the text to draw.
    std::wstring DecodeLine(const std::wstring& text) const;

    int CharSize() const { return ModeCharSize(mode_); }
    std::int64_t LineSize() const;
    std::int64_t AlignPos(std::int64_t pos) const;
    std::int64_t LastPos() const;
    bool IsOutOfRange(std::int64_t pos) const;
    int LeftMargin() const { return textGutter_ ? gutterWidth_ + 2 : 2; }

    // --- Geometry -----------------------------------------------------------------------------
    // Full lines on a surface of the given height with the current line height.
    int ComputeLinesCount(int height) const;
    // Characters that fit on a surface of the given width.
    int FitChars(int width) const;
    void ApplyFittedWidths(int width);
    std::int64_t LastPageStart() const;
    // Left edges (before horizontal scrolling) of the parts of a hex or unicode-hex line.
    int HexBandX() const;
    int HexBandWidth() const;
    int HexCellX(int index) const;
    int HexCellWidth() const;
    int HexMiddleLineX() const;
    int HexLastLineX() const;
    int HexTextX() const;

    // --- Drawing ------------------------------------------------------------------------------
    void DrawTo(Canvas* picture, int width, int height);
    TZorvBinHexOutputOptions OutputOptions(bool lineEnd = false) const;
    bool OemFontInUse() const;
    const ViewerFont& CurrentFont() const { return OemFontInUse() ? fontOem_ : font_; }

    // --- Text lines ---------------------------------------------------------------------------
    ReadLineResult ReadLine(ScanDir dir, std::int64_t pos);
    std::int64_t NextLinePos(ScanDir dir, bool toLineStart, std::int64_t pos);
    void MoveViewByLines(int n, ScanDir dir, bool toLineStart, std::int64_t from, bool redraw);
    std::int64_t FindBoundary(BoundarySet set, ScanDir dir, std::int64_t pos) const;
    int LineNumber(std::int64_t pos) const;
    bool LinesEnabled() const;
    void BuildLineTable(std::int64_t n);
    std::wstring UrlAt(std::int64_t pos) const;
    void ClickLink(std::int64_t pos);

    // --- Scroll bars --------------------------------------------------------------------------
    void UpdateVertScrollBar();
    void UpdateHorzScrollBar();
    int MaxLineRight();

    // --- Scrolling (BinHexScrolling.cpp) ------------------------------------------------------
    // Moves the first shown line to pos (rounded down to a line, at most the last position).
    void SetViewPos(std::int64_t pos);
    void ScrollLineUp(int n);
    void ScrollLineDown(int n);
    void ScrollPageUp();
    void ScrollPageDown();
    void ScrollToBegin();
    // Shows the last line at the bottom; draws twice when a wrapped line changed the count.
    void ScrollToEnd();
    // The thumb: shows the line that holds pos at the top.
    void ScrollToPos(std::int64_t pos);
    // Horizontal offset limited to 0 … MaxHViewPos.
    void SetHViewPos(int x, bool redraw);
    void ScrollLeft(int pixels);
    void ScrollRight(int pixels);
    int MaxHViewPos();
    // Scroll-bar messages: request is the platform's SB_ code, thumbPos the thumb's position.
    // Both raise OnScroll.
    void VertScrollMessage(int request, int thumbPos);
    void HorzScrollMessage(int request, int thumbPos);
    // The client size changed: keeps the end at the bottom when the window grew.
    void Resize();

    // --- Keyboard, wheel and pan (BinHexInput.cpp) --------------------------------------------
    // Ends pan mode; false when the key is not the viewer's (modifiers: kMod… of ViewerKeys.h).
    bool KeyDown(unsigned virtualKey, unsigned modifiers);
    // Vertical wheel (delta > 0 away from the user) with the system's scroll lines per notch.
    void MouseWheel(int delta, unsigned modifiers, int scrollLines);
    // Horizontal wheel or tilt, delta > 0 to the right.
    void MouseHWheel(int delta);
    // One step of the current font's size; on a change redraws and raises OnOptionsChange.
    bool StepFont(bool larger);
    // One tick of the pan timer with the pointer at cursor (client coordinates).
    void PanTimerTick(Point cursor);
    // The cursor the control shows: 0 for the I-beam, or a pan cursor number (-30 … -34).
    int CursorNumber() const { return panMode_ ? panCursor_ : 0; }
    void FocusLost();

    // --- Mouse and selection (BinHexSelection.cpp) --------------------------------------------
    enum class MouseButton { Left, Middle, Right };
    // now and doubleClickTime in milliseconds (the tick count and the system's setting).
    void MouseDown(MouseButton button, int x, int y, unsigned modifiers, std::uint32_t now,
                   std::uint32_t doubleClickTime);
    // The double-click notification that precedes the second press's MouseDown.
    void DblClick();
    void MouseMove(int x, int y);
    void MouseUp(MouseButton button, int x, int y);
    // One tick of the select timer; cursorY is the pointer's client y.
    void SelectTimerTick(int cursorY);

    // The one way the selection changes: aligned and clamped to the source.
    void SetSelection(std::int64_t start, std::int64_t length, bool scroll, bool notify,
                      bool redraw);
    void SelectAll();
    void SelectNone(bool notify);
    // The word (word set) or line without its break (line set) around pos.
    void SelectAround(BoundarySet set, std::int64_t pos);
    // The selected bytes read from the source, at most max (16 MiB when max is 0).
    std::string SelText(std::int64_t max = 0);
    // The selection as 16-bit text in the current byte order; Unicode modes only.
    std::wstring SelTextW();
    void CopyToClipboard(bool asHex);
    // The caret position for a client point from the last drawing, or -1.
    std::int64_t PosFromCoord(int x, int y, bool strict);
    const TMouseSelection& MouseState() const { return mouse_; }

    // --- Context and encoding menus (BinHexMenus.cpp) -----------------------------------------
    // The point the context menu was asked for, (-1, -1) from the keyboard.
    void ContextMenuRequested(Point client);
    PopupMenuItems ContextMenuItems();
    // Runs a context command; vpCmdEncMenu is the window's (it shows a menu).
    void ExecutePopupCommand(TZorvPopupCommand command);
    // An item chosen from the 8-bit encoding menu (its tag) or from the Unicode menu.
    void ChooseEncoding(int tag);
    void ChooseUnicodeOrder(int tag);

    // --- State (read access) ------------------------------------------------------------------
    ViewerSurface& Surface() { return surface_; }
    ByteStream* Stream() const { return stream_; }
    std::int64_t FileSize() const { return fileSize_; }
    bool BufferOK() const { return bufferOk_; }
    std::uint8_t UnicodeOrder() const { return unicodeOrder_; }
    void SetUnicodeOrder(std::uint8_t order) { unicodeOrder_ = order; }
    int SourceKind() const { return sourceKind_; }
    std::int64_t BufMaxOffset() const { return bufMaxOffset_; }
    std::int64_t BufferAllocSize() const { return bufferAllocSize_; }
    const std::vector<std::uint8_t>& Buffer() const { return buffer_; }
    std::int64_t BufferPos() const { return bufferPos_; }
    int BufferReads() const { return bufferReads_; }
    const std::vector<std::int32_t>& LineStarts() const { return lineStarts_; }
    int LineCount() const { return lineCount_; }
    std::int64_t ViewPos() const { return viewPos_; }
    void SetViewPosRaw(std::int64_t pos) { viewPos_ = pos; }
    bool ViewAtEnd() const { return viewAtEnd_; }
    std::int64_t ViewPageSize() const { return viewPageSize_; }
    int HViewPos() const { return hViewPos_; }
    void SetHViewPosRaw(int pos) { hViewPos_ = pos; }
    int HViewMaxWidth() const { return hViewMaxWidth_; }
    std::int64_t SelStart() const { return selStart_; }
    std::int64_t SelLength() const { return selLength_; }
    void SetSelectionRaw(std::int64_t start, std::int64_t length) {
        selStart_ = start;
        selLength_ = length;
    }
    std::array<TZorvUrl, kMaxUrls>& Urls() { return urls_; }
    const TStrPositions& Positions() const { return positions_; }
    int GutterWidth() const { return gutterWidth_; }
    int MaxLength() const { return maxLength_; }
    int OffsetDigits() const { return offsetDigits_; }
    int FontHeight() const { return fontHeight_; }
    int FontFirstChar() const { return fontFirstChar_; }
    int FontWidthDigits() const { return fontWidthDigits_; }
    bool FontMonospaced() const { return fontMonospaced_; }
    int LinesCount() const { return linesCount_; }
    bool PanMode() const { return panMode_; }
    Point PanOrigin() const { return panOrigin_; }
    int LastClientHeight() const { return lastClientHeight_; }
    void SetLastClientHeight(int height) { lastClientHeight_ = height; }
    // Ends pan mode: its timer off and a redraw.
    void LeavePanMode();
    void EnterPanMode(Point origin);

    // Whether a stream source is open.
    bool HasSource() const { return sourceKind_ != kSourceNone; }

    static constexpr int kSourceNone = 0;
    static constexpr int kSourceFile = 1;
    static constexpr int kSourceStream = 2;

private:
    // Source and buffer.
    void Reopen();
    void CloseSource();
    void DetectUnicodeOrder();
    void ComputeOffsetDigits();
    void RefreshLinks();

    // Drawing.
    struct DrawColors {
        Color Background, Band, Text, Hex, Hex2, Lines, Error, Link;
    };
    void ChooseColors();
    void PreparePicture(Canvas& canvas, int width, int height);
    void DrawGutterBand(Canvas& canvas, int height, bool measure);
    void DrawReadError(Canvas& canvas, int width, int height);
    void InvertSelection(Canvas& canvas, const std::wstring& text, int x, int y, std::int64_t first,
                         bool whole);
    void DrawBinaryScreen(Canvas& canvas);
    void DrawHexScreen(Canvas& canvas, bool unicode);
    void DrawTextScreen(Canvas& canvas);
    void DrawTextRow(Canvas& canvas, int row, std::int64_t pos, const std::wstring& text,
                     std::int64_t count);
    void DrawGutterRow(Canvas& canvas, int y, std::int64_t pos);
    void DrawLinks(Canvas& canvas, const std::wstring& text, int x, int y, std::int64_t pos);
    std::wstring WholeSourceLine(std::int64_t pos) const;
    void ResetMetrics(Canvas& canvas);
    Canvas& PictureCanvas();

    // Text lines.
    std::int64_t NextLinePosText(ScanDir dir, bool toLineStart, std::int64_t pos,
                                 std::wstring* text, std::int64_t* count);
    bool PreviousLineStart(std::int64_t& q);
    bool CharIs(std::int64_t pos, char16_t ch) const;
    bool IsBreakAt(std::int64_t pos) const;
    std::int64_t Step(std::int64_t pos, ScanDir dir, std::int64_t chars = 1) const;

    ViewerSurface& surface_;

    // Inherited control properties.
    ViewerFont font_;
    Color color_ = kColorWindow;
    bool enabled_ = true;

    // Published properties.
    ViewerFont fontOem_;
    ViewerFont fontFooter_;
    ViewerFont fontGutter_;
    TZorvBinHexMode mode_ = vbmodeText;
    TZorvEncoding textEncoding_ = vEncANSI;
    int textWidth_ = 80;
    int textWidthHex_ = 16;
    int textWidthUHex_ = 8;
    bool textWidthFit_ = false;
    bool textWidthFitHex_ = false;
    bool textWidthFitUHex_ = false;
    bool textWrap_ = false;
    bool textNonPrintable_ = false;
    bool textOemSpecial_ = false;
    bool textUrlHilight_ = true;
    bool textGutter_ = false;
    bool textGutterLines_ = true;
    int textGutterLinesStep_ = 5;
    int textGutterLinesCount_ = 2000;
    int textGutterLinesBufSize_ = 307200;
    bool textGutterLinesExtUse_ = false;
    std::wstring textGutterLinesExtList_;
    Color textColorHex_ = 0x800000;
    Color textColorHex2_ = 0xFF0000;
    Color textColorHexBack_ = 0xECECEC;
    Color textColorLines_ = 0x808080;
    Color textColorError_ = 0x0000FF;
    Color textColorGutter_ = 0xC0C0C0;
    Color textColorUrl_ = 0xFF0000;
    int textSearchIndentVert_ = 5;
    int textSearchIndentHorz_ = 5;
    int textTabSize_ = 8;
    TZorvPopupCommands textPopupCommands_ = kAllPopupCommands;

    // Source and buffer.
    std::wstring fileName_;
    ByteStream* stream_ = nullptr;
    std::int64_t fileSize_ = 0;
    bool bufferOk_ = true;
    std::uint8_t unicodeOrder_ = kOrderUnknown;
    int sourceKind_ = kSourceNone;
    std::vector<std::uint8_t> buffer_;
    std::int64_t bufMaxOffset_ = 0;
    std::int64_t bufferAllocSize_ = 0;
    std::int64_t bufferPos_ = 0;
    int bufferReads_ = 0;
    std::vector<std::int32_t> lineStarts_;
    int lineCount_ = 0;

    // View.
    std::int64_t viewPos_ = 0;
    bool viewAtEnd_ = false;
    std::int64_t viewPageSize_ = 0;
    int hViewPos_ = 0;
    int hViewMaxWidth_ = 0;
    std::int64_t selStart_ = 0;
    std::int64_t selLength_ = 0;
    std::array<TZorvUrl, kMaxUrls> urls_;
    TStrPositions positions_;
    int gutterWidth_ = 10;
    int maxLength_ = kMaxLineLength;
    int offsetDigits_ = 8;
    int linesCount_ = 0;

    // Metrics of the current font, measured at each drawing.
    int fontHeight_ = 8;
    int fontFirstChar_ = 32;
    int fontWidthDigits_ = 4;
    bool fontMonospaced_ = false;

    // Pan mode and size tracking (used by the scrolling code).
    bool panMode_ = false;
    Point panOrigin_{};
    int lastClientHeight_ = 0;
    int panCursor_ = 0;

    // Mouse selection, wheel remainder.
    TMouseSelection mouse_;
    WheelAccumulator wheel_;

    DrawColors colors_{};
};

} // namespace tavrix
