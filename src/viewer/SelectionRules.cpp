#include "viewer/SelectionRules.h"

#include <algorithm>

namespace tavrix {

SelectionUpdate ApplySelectionRequest(const SelectionRequest& request) {
    SelectionUpdate update;
    update.result = request.current;
    if (request.start < 0 || request.start > request.lastPos || request.length < 0) {
        return update;
    }
    update.accepted = true;
    update.changed =
        request.start != request.current.start || request.length != request.current.length;
    if (update.changed) {
        const std::int64_t start = AlignSelectionPos(request.start, request.unicodeModes);
        const std::int64_t length = AlignSelectionPos(request.length, request.unicodeModes);
        update.result = {start, std::min(length, request.lastPos + request.charSize - start)};
    }
    return update;
}

std::int64_t SelectionReadSize(std::int64_t selLength, std::int64_t max) {
    if (selLength <= 0) {
        return 0;
    }
    return std::min(selLength, max > 0 ? max : kMaxClipboardDataSize);
}

} // namespace tavrix
