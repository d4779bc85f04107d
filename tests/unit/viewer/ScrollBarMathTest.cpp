#include "viewer/ScrollBarMath.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

VertScrollInput HexSource(std::int64_t fileSize, std::int64_t viewPos, int linesCount) {
    VertScrollInput in;
    in.fileSize = fileSize;
    in.lineSize = 16;
    in.viewPos = viewPos;
    in.linesCount = linesCount;
    in.viewPageSize = 16 * linesCount;
    return in;
}

TEST(VertScrollBar, SmallSourceHasAtLeastFourStepsAndAFullPage) {
    // 100 bytes, 16 per line, 3 rows: 6 steps, a page of 48 bytes is 2 of them.
    EXPECT_EQ(VertScrollBarSetting(HexSource(100, 0, 3)), (ScrollBarSetting{6, 2, 0}));
    EXPECT_EQ(VertScrollBarSetting(HexSource(100, 96, 3)), (ScrollBarSetting{6, 2, 5}));
    // 10 bytes: below four steps the range stays 4; a page covering everything is max + 1.
    EXPECT_EQ(VertScrollBarSetting(HexSource(10, 0, 3)), (ScrollBarSetting{4, 5, 0}));
}

TEST(VertScrollBar, LargeSourcesAreScaledTo32767Steps) {
    const std::int64_t size = 10LL * 1024 * 1024 * 1024; // 10 GiB
    ScrollBarSetting bar = VertScrollBarSetting(HexSource(size, size / 2, 40));
    EXPECT_EQ(bar.max, 32767);
    EXPECT_EQ(bar.pos, 16383);
    EXPECT_EQ(bar.page, 1); // 640 bytes are far less than a step, but the thumb stays visible
    bar = VertScrollBarSetting(HexSource(size, size - 16, 40));
    EXPECT_EQ(bar.pos, 32766);
    // Huge sizes do not overflow the scaling.
    const std::int64_t huge = 1LL << 60;
    bar = VertScrollBarSetting(HexSource(huge, huge - 16, 40));
    EXPECT_EQ(bar.pos, 32766);
    // One page of a 32767-line source would be max + 1 = 32768 steps: capped.
    VertScrollInput in = HexSource(32767 * 16, 0, 150);
    in.linesCount = 40000;
    EXPECT_EQ(VertScrollBarSetting(in).page, 32767);
}

TEST(VertScrollBar, HiddenWithoutDataAndInTextModesWhenAllFits) {
    VertScrollInput in = HexSource(100, 0, 3);
    in.bufferOK = false;
    EXPECT_EQ(VertScrollBarSetting(in), ScrollBarSetting{});
    in = HexSource(1, 0, 3);
    in.charSize = 2;
    in.lineSize = 16;
    EXPECT_EQ(VertScrollBarSetting(in), ScrollBarSetting{});
    EXPECT_EQ(VertScrollBarSetting(HexSource(0, 0, 3)), ScrollBarSetting{});

    VertScrollInput text;
    text.textMode = true;
    text.lineSize = 1;
    text.fileSize = 500;
    text.linesCount = 10;
    text.viewPageSize = 500; // everything is on the screen
    EXPECT_EQ(VertScrollBarSetting(text), ScrollBarSetting{});
    text.viewPageSize = 480; // all but one line fits: the bar shows, with no page
    EXPECT_EQ(VertScrollBarSetting(text), (ScrollBarSetting{500, 0, 0}));
    text.viewPageSize = 500;
    text.viewPos = 20; // scrolled: the bar shows even though the rest fits
    EXPECT_EQ(VertScrollBarSetting(text), (ScrollBarSetting{500, 0, 20}));
}

TEST(ThumbToPos, MapsStepsBackToBytes) {
    EXPECT_EQ(ThumbToPos(100, 16, 0), 0);
    EXPECT_EQ(ThumbToPos(100, 16, 3), 50);
    EXPECT_EQ(ThumbToPos(100, 16, 6), 100);
    EXPECT_EQ(ThumbToPos(10, 16, 1), 10); // fewer bytes than a line: one step
    const std::int64_t size = 10LL * 1024 * 1024 * 1024;
    EXPECT_EQ(ThumbToPos(size, 16, 32767), size);
    EXPECT_EQ(ThumbToPos(1LL << 60, 16, 32767), 1LL << 60);
    // Only the 16-bit position of the message counts.
    EXPECT_EQ(ThumbToPos(100, 16, 0x10003), 50);
}

TEST(HorzScrollBar, WidestContentOnlyGrows) {
    int maxWidth = 0;
    EXPECT_EQ(HorzScrollBarSetting({false, 900, 400, 0}, maxWidth),
              (ScrollBarSetting{900, 401, 0}));
    EXPECT_EQ(maxWidth, 900);
    // Narrower lines later keep the range; scrolled past the content the range follows.
    EXPECT_EQ(HorzScrollBarSetting({false, 600, 400, 100}, maxWidth),
              (ScrollBarSetting{900, 401, 100}));
    EXPECT_EQ(HorzScrollBarSetting({false, 0, 400, 700}, maxWidth),
              (ScrollBarSetting{1100, 401, 700}));
    EXPECT_EQ(maxWidth, 1100);
    EXPECT_EQ(HorzScrollBarSetting({true, 5000, 400, 0}, maxWidth), ScrollBarSetting{});
    EXPECT_EQ(maxWidth, 1100);
}

TEST(MaxHViewPos, StopsWhereTheWidestLineEnds) {
    EXPECT_EQ(MaxHViewPos(900, 400), 500);
    EXPECT_EQ(MaxHViewPos(300, 400), 0);
}

} // namespace
} // namespace tavrix
