// Opening and closing the view on its document, keeping the document's buffer where the view is,
// and the view's measures of the source: line size and the width of the offset column.
#include "viewer/ZorvBinHex.h"

#include <algorithm>

namespace tavrix {

bool TZorvBinHex::OpenStream(ByteStream* stream, bool redraw) {
    if (stream != nullptr && stream == document_.Stream()) {
        return true;
    }
    document_.SetStream(stream);
    Reopen();
    if (redraw) {
        Redraw();
    }
    return true;
}

void TZorvBinHex::CloseSource() {
    document_.Close();
    viewPos_ = 0;
    viewAtEnd_ = false;
    viewPageSize_ = 0;
    hViewPos_ = 0;
    hViewMaxWidth_ = 0;
    selStart_ = 0;
    selLength_ = 0;
    panMode_ = false;
    lastClientHeight_ = 0;
    mouse_.Reset();
    wheel_.Reset();
    surface_.SetTimerActive(ViewerTimer::Select, false);
    surface_.SetTimerActive(ViewerTimer::Pan, false);
}

void TZorvBinHex::Reopen() {
    CloseSource();
    document_.Reopen(CharSize());
    if (!document_.IsOpen()) {
        return;
    }
    ReadBuffer(-1);
    ComputeOffsetDigits();
}

void TZorvBinHex::ReadBuffer(std::int64_t pos) {
    if (!document_.Cover(pos, [this] { return surface_.RetryRead(); })) {
        return;
    }
    const std::int64_t bufferPos = document_.BufferPos();
    if (LinesEnabled() && options_.textGutterLinesBufSize >= bufferPos) {
        document_.BuildLineTable(std::min<std::int64_t>(bufferPos + document_.BufferSize(),
                                                        options_.textGutterLinesBufSize),
                                 options_.textGutterLinesCount);
    }
    RefreshLinks();
}

void TZorvBinHex::ComputeOffsetDigits() {
    const std::int64_t size = document_.Size();
    if (size < CharSize()) {
        offsetDigits_ = 0;
        return;
    }
    // Digits of the size in hexadecimal, at least 8 and always even.
    int digits = 0;
    for (std::uint64_t rest = static_cast<std::uint64_t>(size); rest != 0; rest >>= 4) {
        ++digits;
    }
    digits = std::max(digits, 8);
    if (digits % 2 != 0) {
        ++digits;
    }
    offsetDigits_ = digits;
}

void TZorvBinHex::RefreshLinks() {
    // No link finder runs here, so the table only ever gets cleared.
    if (!options_.textUrlHilight) {
        for (LinkEntry& url : urls_) {
            url = LinkEntry{};
        }
    }
}

std::int64_t TZorvBinHex::LineSize() const {
    switch (options_.mode) {
    case ViewerMode::Binary:
        return options_.textWidth;
    case ViewerMode::Hex:
        return options_.textWidthHex;
    case ViewerMode::UHex:
        return 2 * static_cast<std::int64_t>(options_.textWidthUHex);
    case ViewerMode::Unicode:
        return 2;
    case ViewerMode::Text:
        break;
    }
    return 1;
}

} // namespace tavrix
