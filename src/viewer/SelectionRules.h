#pragma once
// The selection's arithmetic: how a requested selection is aligned and clamped to the source,
// and how much of it a copy reads.
#include <cstdint>

namespace tavrix {

// At most this many bytes of a selection are copied (16 MiB), so a huge selection cannot exhaust
// memory.
inline constexpr std::int32_t MaxClipboardDataSizeMb = 16;
inline constexpr std::int64_t kMaxClipboardDataSize =
    static_cast<std::int64_t>(MaxClipboardDataSizeMb) * 1024 * 1024;

// Rounds down to a whole 16-bit unit in the Unicode modes; unchanged otherwise.
constexpr std::int64_t AlignSelectionPos(std::int64_t pos, bool unicodeModes) {
    return unicodeModes ? pos - (pos & 1) : pos;
}

struct SelectionRange {
    std::int64_t start = 0;
    std::int64_t length = 0;
    bool operator==(const SelectionRange&) const = default;
};

struct SelectionRequest {
    SelectionRange current;
    std::int64_t start = 0;
    std::int64_t length = 0;
    std::int64_t lastPos = 0; // last valid character position
    int charSize = 1;
    bool unicodeModes = false;
};

struct SelectionUpdate {
    bool accepted = false; // false: the request is out of range and nothing happens at all
    bool changed = false;  // the request differs from the current selection
    SelectionRange result; // the selection afterwards
};

// Start below 0 or past the last position, or a negative length, is refused. A request equal
// to the current selection leaves it as it is.
SelectionUpdate ApplySelectionRequest(const SelectionRequest& request);

// How many bytes a copy of a selection of selLength bytes reads: at most max when max > 0,
// otherwise at most kMaxClipboardDataSize; 0 for an empty selection.
std::int64_t SelectionReadSize(std::int64_t selLength, std::int64_t max);

} // namespace tavrix
