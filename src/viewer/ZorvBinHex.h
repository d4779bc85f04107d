#pragma once
// The viewer control's view: shows the byte stream of its document (ViewerDocument) as text,
// fixed-width text, a hexadecimal dump, 16-bit text or a 16-bit dump. The document reads through
// a small buffer that follows the view, so a source of any size is shown without copying it. The
// view holds the geometry, scrolling and selection and draws through the canvas of its surface;
// the window (win32/BinHexWindow) forwards messages to it.
//
// The implementation is split by concern:
//   BinHexProperties.cpp  construction, the options with their clamps and redraw rules
//   BinHexSource.cpp      opening and closing, keeping the buffer at the view, offset digits
//   BinHexChars.cpp       characters as shown at a position, line decoding
//   BinHexGeometry.cpp    line counts, fitted widths, last page, column positions
//   BinHexDraw.cpp        Redraw, DrawTo and its common steps, selection inversion, read error
//   BinHexHexScreens.cpp  the screens of ViewerMode::Binary, ViewerMode::Hex and ViewerMode::UHex
//   BinHexTextLines.cpp   line reading, wrapping, line starts, view moves, boundaries
//   BinHexTextScreen.cpp  the screen of the text modes and its links
//   BinHexGutter.cpp      gutter band, line numbers and the line-number table
//   BinHexScrollBars.cpp  scroll bar ranges after each drawing
//   BinHexScrolling.cpp   vertical and horizontal scrolling, scroll-bar messages, resize
//   BinHexInput.cpp       keyboard, wheel, pan mode and the mouse buttons
//   BinHexSelection.cpp   the selection, its text, copying and the point-to-position lookup
//   BinHexMenus.cpp       the context menu's items and commands, the encoding choices
#include "viewer/BinHexOptions.h"
#include "viewer/BinHexTypes.h"
#include "viewer/Canvas.h"
#include "viewer/Encoding.h"
#include "viewer/HitMap.h"
#include "viewer/LineDrawing.h"
#include "viewer/LineOutputOptions.h"
#include "viewer/MouseSelection.h"
#include "viewer/PopupMenuModel.h"
#include "viewer/ViewerDocument.h"
#include "viewer/ViewerFont.h"
#include "viewer/ViewerSurface.h"
#include "viewer/ViewerWheel.h"

#include <array>
#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>

namespace tavrix {

// Direction of a scan: forwards (+1) or backwards (-1).
enum class ScanDir : int { Backward = -1, Forward = 1 };

// Character sets that end a boundary search.
enum class BoundarySet { Line, Word };

// Sizes of the screen and of a boundary search.
inline constexpr int kMaxScreenLines = 150;
inline constexpr int kBoundaryScanLimit = 8192;

struct ReadLineResult {
    std::wstring text;  // decoded for drawing
    std::int64_t count; // source characters covered
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
    const BinHexOptions& Options() const { return options_; }
    // Takes every option of options, each kept within its range. Turning a fit of hexadecimal
    // cells off returns that width to its default unless the same call changes the width. Redraws
    // when the encoding, wrapping, non-printable or OEM display or link highlighting changed;
    // a changed mode is applied as SetMode does. A wrap turned on scrolls back to the left edge.
    void SetOptions(const BinHexOptions& options);
    // One option through SetOptions.
    template <class T> void SetOption(T BinHexOptions::*option, std::type_identity_t<T> value) {
        BinHexOptions options = options_;
        options.*option = std::move(value);
        SetOptions(options);
    }
    // Always reopens, also for the mode already set: the host refills its one stream and relies
    // on this to show the new content. Leaves pan mode; redraws when a source is open.
    void SetMode(ViewerMode mode);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // The size of the source as it was opened.
    std::int64_t FileSize() const { return document_.Size(); }
    // What the view shows, for reading it in other ways than drawing (searching it).
    const ViewerDocument& Document() const { return document_; }

    // --- What the window forwards -------------------------------------------------------------
    // Scroll-bar messages: request is the platform's SB_ code, thumbPos the thumb's position.
    void VertScrollMessage(int request, int thumbPos);
    void HorzScrollMessage(int request, int thumbPos);
    // The client size changed: keeps the end at the bottom when the window grew.
    void Resize();

    // Ends pan mode; false when the key is not the viewer's (modifiers: kMod… of ViewerKeys.h).
    bool KeyDown(unsigned virtualKey, unsigned modifiers);
    // Vertical wheel (delta > 0 away from the user) with the system's scroll lines per notch.
    void MouseWheel(int delta, unsigned modifiers, int scrollLines);
    // Horizontal wheel or tilt, delta > 0 to the right.
    void MouseHWheel(int delta);
    // One tick of the pan timer with the pointer at cursor (client coordinates).
    void PanTimerTick(Point cursor);
    // The cursor the control shows: 0 for the I-beam, or a pan cursor number (-30 … -34).
    int CursorNumber() const { return panMode_ ? panCursor_ : 0; }
    bool PanMode() const { return panMode_; }
    Point PanOrigin() const { return panOrigin_; }
    void FocusLost();

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
    const MouseSelection& MouseState() const { return mouse_; }

    // The point the context menu was asked for, (-1, -1) from the keyboard.
    void ContextMenuRequested(Point client);
    PopupMenuItems ContextMenuItems();
    // Runs a context command; PopupCommand::EncodingMenu is the window's (it shows a menu).
    void ExecutePopupCommand(PopupCommand command);
    // An item chosen from the 8-bit encoding menu (its tag) or from the Unicode menu.
    void ChooseEncoding(int tag);
    void ChooseUnicodeOrder(int tag);
    std::uint8_t UnicodeOrder() const { return document_.ByteOrder(); }

    // --- Find and Go to (BinHexFind.cpp) ------------------------------------------------------
    // The first position shown.
    std::int64_t ViewPos() const { return viewPos_; }
    std::int64_t SelStart() const { return selStart_; }
    std::int64_t SelLength() const { return selLength_; }
    // The selected bytes read from the source, at most max.
    std::string SelectedBytes(std::int64_t max) { return SelText(max); }
    // Selects a found range; one out of view is scrolled to textSearchIndentVert lines below the
    // top and, in unwrapped text, textSearchIndentHorz characters from the left edge.
    void ShowFound(std::int64_t offset, std::int64_t length);
    // Shows offset on the top line (its row in the hex modes, the line that holds it in the text
    // modes) and selects its character.
    void GoToOffset(std::int64_t offset);

private:
    // Tests reach the state below through it.
    friend struct BinHexProbe;
    // The mouse selection rules' view of the control (BinHexSelection.cpp).
    class SelectionHost;

    // --- Source and buffer --------------------------------------------------------------------
    // Makes the document's buffer cover pos; after a new read the line table and links follow.
    // A failed read asks the surface whether to try again.
    void ReadBuffer(std::int64_t pos);
    // The character at pos, with control characters replaced by dots as the mode requires.
    char16_t GetChar(std::int64_t pos) const;
    // Characters of a line as GetChar gave them, turned into the text to draw.
    std::wstring DecodeLine(const std::wstring& text) const;

    int CharSize() const { return ModeCharSize(options_.mode); }
    std::int64_t LineSize() const;
    int LeftMargin() const { return options_.textGutter ? gutterWidth_ + 2 : 2; }

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
    LineOutputOptions OutputOptions(bool lineEnd = false) const;
    bool OemFontInUse() const;
    const ViewerFont& CurrentFont() const {
        return OemFontInUse() ? options_.fontOEM : options_.font;
    }

    // --- Text lines ---------------------------------------------------------------------------
    ReadLineResult ReadLine(ScanDir dir, std::int64_t pos);
    std::int64_t NextLinePos(ScanDir dir, bool toLineStart, std::int64_t pos);
    void MoveViewByLines(int n, ScanDir dir, bool toLineStart, std::int64_t from, bool redraw);
    std::int64_t FindBoundary(BoundarySet set, ScanDir dir, std::int64_t pos) const;
    bool LinesEnabled() const;
    std::wstring UrlAt(std::int64_t pos) const;

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

    // --- Keyboard, wheel and pan (BinHexInput.cpp) --------------------------------------------
    // One step of the current font's size; redraws on a change.
    bool StepFont(bool larger);
    // Ends pan mode: its timer off and a redraw.
    void LeavePanMode();
    void EnterPanMode(Point origin);

    // --- Selection (BinHexSelection.cpp) ------------------------------------------------------
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
    // Find and Go to: whether the range is on screen; the line of offset at the top with
    // linesAbove lines before it; the horizontal position that shows offset's column.
    bool RangeInView(std::int64_t offset, std::int64_t length) const;
    void ShowLineOnTop(std::int64_t offset, int linesAbove);
    void ShowColumnOf(std::int64_t offset);
    // The caret position for a client point from the last drawing, or -1.
    std::int64_t PosFromCoord(int x, int y, bool strict);

    // Source and buffer.
    void Reopen();
    void CloseSource();
    void ComputeOffsetDigits();
    void RefreshLinks();

    // Drawing.
    struct DrawColors {
        Color background, band, text, hex, hex2, lines, error, link;
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
    // Fills extents for text as drawn and gives how many characters they cover (at most
    // kMaxCharExtents); -1 when the text cannot be measured.
    std::int64_t MeasureText(Canvas& canvas, const std::wstring& text, CharExtents& extents) const;
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
    BinHexOptions options_;
    bool enabled_ = true;

    ViewerDocument document_;

    // View.
    std::int64_t viewPos_ = 0;
    bool viewAtEnd_ = false;
    std::int64_t viewPageSize_ = 0;
    int hViewPos_ = 0;
    int hViewMaxWidth_ = 0;
    std::int64_t selStart_ = 0;
    std::int64_t selLength_ = 0;
    std::array<LinkEntry, kMaxUrls> urls_;
    HitMap positions_;
    int gutterWidth_ = 10;
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
    MouseSelection mouse_;
    WheelAccumulator wheel_;

    DrawColors colors_{};
};

} // namespace tavrix
