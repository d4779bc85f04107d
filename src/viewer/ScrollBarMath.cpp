#include "viewer/ScrollBarMath.h"

#include <algorithm>

namespace tavrix {

std::int64_t MulDivSteps(std::int64_t a, std::int64_t b, std::int64_t c) {
    // a × b can exceed 64 bits for sources above 2^48 bytes. With a = q1 × c + r1 the result is
    // q1 × b + (r1 × b) div c; the second part is found by shift-and-add long multiplication,
    // keeping the running remainder below c so nothing overflows.
    const std::uint64_t uc = static_cast<std::uint64_t>(c);
    const std::uint64_t r1 = static_cast<std::uint64_t>(a % c);
    std::uint64_t q = 0;
    std::uint64_t r = 0;
    for (int bit = 16; bit >= 0; --bit) {
        q <<= 1;
        r <<= 1;
        if (r >= uc) {
            r -= uc;
            ++q;
        }
        if (((b >> bit) & 1) != 0) {
            r += r1;
            if (r >= uc) {
                r -= uc;
                ++q;
            }
        }
    }
    return (a / c) * b + static_cast<std::int64_t>(q);
}

ScrollBarSetting VertScrollBarSetting(const VertScrollInput& in) {
    if (!in.bufferOK || in.fileSize < in.charSize || in.lineSize <= 0 ||
        (in.textMode && in.viewPos == 0 && in.fileSize <= in.viewPageSize)) {
        return {};
    }
    const std::int64_t max =
        std::clamp<std::int64_t>(in.fileSize / in.lineSize, 4, kScrollBarSteps);
    const std::int64_t pos = std::min(MulDivSteps(in.viewPos, max, in.fileSize), max);
    std::int64_t page = 0;
    if (!in.textMode) {
        const std::int64_t pageBytes = static_cast<std::int64_t>(in.linesCount) * in.lineSize;
        page = std::max<std::int64_t>(MulDivSteps(pageBytes, max, in.fileSize), 1);
        if (page >= max) {
            page = max + 1;
        }
        page = std::min<std::int64_t>(page, kScrollBarSteps);
    }
    return {static_cast<int>(max), static_cast<int>(page),
            static_cast<int>(std::max<std::int64_t>(pos, 0))};
}

ScrollBarSetting HorzScrollBarSetting(const HorzScrollInput& in, int& hViewMaxWidth) {
    if (in.hidden) {
        return {};
    }
    hViewMaxWidth = std::max({hViewMaxWidth, in.maxLineRight, in.clientWidth + in.hViewPos});
    return {hViewMaxWidth, in.clientWidth + 1, in.hViewPos};
}

std::int64_t ThumbToPos(std::int64_t fileSize, std::int64_t lineSize, int thumb) {
    const std::int64_t max =
        std::clamp<std::int64_t>(lineSize > 0 ? fileSize / lineSize : 0, 1, kScrollBarSteps);
    return MulDivSteps(fileSize, thumb & 0xFFFF, max);
}

int MaxHViewPos(int maxLineRight, int clientWidth) {
    return std::max(0, maxLineRight - clientWidth);
}

} // namespace tavrix
