// The gutter: its band and the line numbers or dots of the text modes (the line-start table is
// the document's).
#include "viewer/LineDrawing.h"
#include "viewer/ZorvBinHex.h"

#include <algorithm>

namespace tavrix {

bool TZorvBinHex::LinesEnabled() const {
    if (!IsTextMode(options_.mode) || !options_.textGutter || !options_.textGutterLines) {
        return false;
    }
    if (!options_.textGutterLinesExtUse) {
        return true;
    }
    // A stream has no file name, so its extension is empty: only an empty entry of the list
    // matches it.
    const std::wstring list = L"," + options_.textGutterLinesExtList + L",";
    return list.find(L",,") != std::wstring::npos;
}

void TZorvBinHex::DrawGutterBand(Canvas& canvas, int height, bool measure) {
    if (!options_.textGutter) {
        return;
    }
    if (measure) {
        gutterWidth_ = 10;
        if (LinesEnabled()) {
            const ViewerFont saved = canvas.Font();
            canvas.SetFont(options_.fontGutter);
            const int numberWidth =
                WideTextWidth(canvas, std::to_wstring(document_.LineCount() + 1));
            canvas.SetFont(saved);
            gutterWidth_ = std::max(10, numberWidth + 2);
        }
    }
    canvas.SetBrushColor(options_.textColorGutter);
    canvas.FillRect({0, 0, gutterWidth_, height});
    canvas.SetBrushColor(colors_.background);
}

void TZorvBinHex::DrawGutterRow(Canvas& canvas, int y, std::int64_t pos) {
    const int n = document_.LineNumber(pos);
    if (LinesEnabled() && n >= 1 && n % options_.textGutterLinesStep == 0) {
        canvas.SetFont(options_.fontGutter);
        const std::wstring number = std::to_wstring(n);
        const int width = WideTextWidth(canvas, number);
        const int top = y + (fontHeight_ - FontLineHeight(canvas)) / 2;
        DrawWideText(canvas, gutterWidth_ - 2 - width, top, number);
        canvas.SetFont(CurrentFont());
        canvas.SetTextColor(colors_.text);
    } else {
        const int cx = gutterWidth_ / 2;
        const int cy = y + fontHeight_ / 2;
        canvas.SetPen(colors_.text, 1);
        canvas.SetBrushColor(colors_.background);
        canvas.Ellipse({cx - 3, cy - 3, cx + 3, cy + 3});
    }
}

} // namespace tavrix
