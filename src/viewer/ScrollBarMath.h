#pragma once
// The viewer's scroll bars in numbers. Sources may be far larger than a scroll bar can count, so
// the vertical bar runs over at most 32767 steps and each step stands for a share of the bytes.
#include <cstdint>

namespace tavrix {

inline constexpr int kScrollBarSteps = 32767;

// The platform's scroll-bar request codes (the horizontal bar uses the same numbers: line left,
// line right, page left, page right, left end, right end).
inline constexpr int kSbLineUp = 0;
inline constexpr int kSbLineDown = 1;
inline constexpr int kSbPageUp = 2;
inline constexpr int kSbPageDown = 3;
inline constexpr int kSbThumbPosition = 4;
inline constexpr int kSbThumbTrack = 5;
inline constexpr int kSbTop = 6;
inline constexpr int kSbBottom = 7;
inline constexpr int kSbEndScroll = 8;

// Range, page and position of one bar; all zero hides it.
struct ScrollBarSetting {
    int max = 0; // the range is 0 … Max
    int page = 0;
    int pos = 0;
    bool operator==(const ScrollBarSetting&) const = default;
};

struct VertScrollInput {
    bool bufferOK = true;
    std::int64_t fileSize = 0;
    int charSize = 1;
    std::int64_t lineSize = 1;
    bool textMode = false;
    std::int64_t viewPos = 0;
    int linesCount = 0;
    std::int64_t viewPageSize = 0; // bytes on the full lines of the screen (text modes)
};

ScrollBarSetting VertScrollBarSetting(const VertScrollInput& in);

struct HorzScrollInput {
    bool hidden = false; // no source, lines wrapped, or a fitted monospaced binary view
    int maxLineRight = 0;
    int clientWidth = 0;
    int hViewPos = 0;
};

// Widens hViewMaxWidth (it only grows) and gives the bar over it.
ScrollBarSetting HorzScrollBarSetting(const HorzScrollInput& in, int& hViewMaxWidth);

// The source position for a thumb at position thumb of the vertical bar.
std::int64_t ThumbToPos(std::int64_t fileSize, std::int64_t lineSize, int thumb);

// Largest horizontal scroll offset that still fills the window.
int MaxHViewPos(int maxLineRight, int clientWidth);

// a × b div c without overflow, for a >= 0, c > 0 and 0 <= b <= 65535.
std::int64_t MulDivSteps(std::int64_t a, std::int64_t b, std::int64_t c);

} // namespace tavrix
