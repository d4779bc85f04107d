#pragma once
// The tests' way into the viewer's view: its internal state, the raw moves that set up a state
// without the rules the host's path applies, and the operations below the host's surface. The
// document (buffer, reads, byte order, line table) is read through the view's Document(). Shared
// by the unit and Windows tests, the fuzz targets and the benchmarks.
#include "viewer/ZorvBinHex.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavrix {

struct BinHexProbe {
    TZorvBinHex& viewer;

    // Source and buffer.
    int OffsetDigits() const { return viewer.offsetDigits_; }
    void SetUnicodeOrder(std::uint8_t order) const { viewer.document_.SetByteOrder(order); }
    void ReadBuffer(std::int64_t pos) const { viewer.ReadBuffer(pos); }
    char16_t GetChar(std::int64_t pos) const { return viewer.GetChar(pos); }
    int CharSize() const { return viewer.CharSize(); }
    std::int64_t LineSize() const { return viewer.LineSize(); }

    // View and its geometry after the last drawing.
    std::int64_t ViewPos() const { return viewer.viewPos_; }
    void SetViewPosRaw(std::int64_t pos) const { viewer.viewPos_ = pos; }
    bool ViewAtEnd() const { return viewer.viewAtEnd_; }
    std::int64_t ViewPageSize() const { return viewer.viewPageSize_; }
    int HViewPos() const { return viewer.hViewPos_; }
    void SetHViewPosRaw(int pos) const { viewer.hViewPos_ = pos; }
    int LinesCount() const { return viewer.linesCount_; }
    int LastClientHeight() const { return viewer.lastClientHeight_; }
    int LeftMargin() const { return viewer.LeftMargin(); }
    int GutterWidth() const { return viewer.gutterWidth_; }
    std::int64_t LastPageStart() const { return viewer.LastPageStart(); }
    int MaxLineRight() const { return viewer.MaxLineRight(); }
    int MaxHViewPos() const { return viewer.MaxHViewPos(); }
    int HexBandX() const { return viewer.HexBandX(); }
    int HexBandWidth() const { return viewer.HexBandWidth(); }
    int HexCellX(int index) const { return viewer.HexCellX(index); }
    int HexMiddleLineX() const { return viewer.HexMiddleLineX(); }
    int HexLastLineX() const { return viewer.HexLastLineX(); }
    const HitMap& Positions() const { return viewer.positions_; }

    // Metrics of the font measured at the last drawing.
    int FontHeight() const { return viewer.fontHeight_; }
    int FontFirstChar() const { return viewer.fontFirstChar_; }
    int FontWidthDigits() const { return viewer.fontWidthDigits_; }

    // Text lines, line numbers and links.
    std::int64_t NextLinePos(ScanDir dir, bool toLineStart, std::int64_t pos) const {
        return viewer.NextLinePos(dir, toLineStart, pos);
    }
    void MoveViewByLines(int n, ScanDir dir, bool toLineStart, std::int64_t from,
                         bool redraw) const {
        viewer.MoveViewByLines(n, dir, toLineStart, from, redraw);
    }
    std::int64_t FindBoundary(BoundarySet set, ScanDir dir, std::int64_t pos) const {
        return viewer.FindBoundary(set, dir, pos);
    }
    bool LinesEnabled() const { return viewer.LinesEnabled(); }
    std::array<LinkEntry, kMaxUrls>& Urls() const { return viewer.urls_; }
    std::wstring UrlAt(std::int64_t pos) const { return viewer.UrlAt(pos); }

    // Scrolling and pan mode.
    void SetViewPos(std::int64_t pos) const { viewer.SetViewPos(pos); }
    void ScrollLineDown(int n) const { viewer.ScrollLineDown(n); }
    void ScrollToBegin() const { viewer.ScrollToBegin(); }
    void EnterPanMode(Point origin) const { viewer.EnterPanMode(origin); }
    void LeavePanMode() const { viewer.LeavePanMode(); }

    // The selection.
    std::int64_t SelStart() const { return viewer.selStart_; }
    std::int64_t SelLength() const { return viewer.selLength_; }
    void SetSelectionRaw(std::int64_t start, std::int64_t length) const {
        viewer.selStart_ = start;
        viewer.selLength_ = length;
    }
    void SetSelection(std::int64_t start, std::int64_t length, bool scroll, bool notify,
                      bool redraw) const {
        viewer.SetSelection(start, length, scroll, notify, redraw);
    }
    void SelectAll() const { viewer.SelectAll(); }
    void SelectNone(bool notify) const { viewer.SelectNone(notify); }
    std::string SelText(std::int64_t max = 0) const { return viewer.SelText(max); }
    std::wstring SelTextW() const { return viewer.SelTextW(); }
    void CopyToClipboard(bool asHex) const { viewer.CopyToClipboard(asHex); }
    std::int64_t PosFromCoord(int x, int y, bool strict) const {
        return viewer.PosFromCoord(x, y, strict);
    }
};

} // namespace tavrix
