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
    int Max = 0; // the range is 0 … Max
    int Page = 0;
    int Pos = 0;
    bool operator==(const ScrollBarSetting&) const = default;
};

struct VertScrollInput {
    bool BufferOK = true;
    std::int64_t FileSize = 0;
    int CharSize = 1;
    std::int64_t LineSize = 1;
    bool TextMode = false;
    std::int64_t ViewPos = 0;
    int LinesCount = 0;
    std::int64_t ViewPageSize = 0; // bytes on the full lines of the screen (text modes)
};

ScrollBarSetting VertScrollBarSetting(const VertScrollInput& in);

struct HorzScrollInput {
    bool Hidden = false; // no source, lines wrapped, or a fitted monospaced binary view
    int MaxLineRight = 0;
    int ClientWidth = 0;
    int HViewPos = 0;
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
