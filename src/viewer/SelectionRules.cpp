#include "viewer/SelectionRules.h"

#include <algorithm>

namespace tavrix {

SelectionUpdate ApplySelectionRequest(const SelectionRequest& request) {
    SelectionUpdate update;
    update.Result = request.Current;
    if (request.Start < 0 || request.Start > request.LastPos || request.Length < 0) {
        return update;
    }
    update.Accepted = true;
    update.Changed =
        request.Start != request.Current.Start || request.Length != request.Current.Length;
    if (update.Changed) {
        const std::int64_t start = AlignSelectionPos(request.Start, request.UnicodeModes);
        const std::int64_t length = AlignSelectionPos(request.Length, request.UnicodeModes);
        update.Result = {start, std::min(length, request.LastPos + request.CharSize - start)};
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
