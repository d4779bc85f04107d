// Scrolling, keyboard, wheel, pan mode and resizing on the viewer model.
#include "ViewerTestKit.h"
#include "viewer/PanMode.h"
#include "viewer/ScrollBarMath.h"
#include "viewer/ViewerKeys.h"

#include <gtest/gtest.h>

namespace tavrix::testing {
namespace {

std::vector<std::uint8_t> Counting(int size) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) {
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>('A' + i % 26);
    }
    return bytes;
}

std::string Lines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "line " + std::to_string(i) + "\r\n";
    }
    return text;
}

class BinHexScrollingTest : public ViewerFixture {
protected:
    // A window of three full 16-pixel rows.
    void ThreeRows() { surface.height = 3 * 16 + 2; }
};

TEST_F(BinHexScrollingTest, HexPagesAndLinesAroundTheLastPage) {
    ThreeRows();
    Show(Counting(100), ViewerMode::Hex);
    EXPECT_EQ(probe.LinesCount(), 3);
    EXPECT_EQ(probe.LastPageStart(), 64);
    EXPECT_TRUE(viewer.KeyDown(kVkPageDown, kModNone));
    EXPECT_EQ(probe.ViewPos(), 48);
    viewer.KeyDown(kVkPageDown, kModNone);
    EXPECT_EQ(probe.ViewPos(), 96); // a page step is not held at the last page start
    const int presents = surface.presents;
    EXPECT_TRUE(viewer.KeyDown(kVkDown, kModNone));
    EXPECT_EQ(probe.ViewPos(), 96);
    EXPECT_EQ(surface.presents, presents); // nothing moved, nothing drawn
    viewer.KeyDown(kVkHome, kModCtrl);
    EXPECT_EQ(probe.ViewPos(), 0);
    viewer.KeyDown(kVkEnd, kModCtrl);
    EXPECT_EQ(probe.ViewPos(), 64);
    EXPECT_TRUE(probe.ViewAtEnd());
    viewer.KeyDown(kVkUp, kModNone);
    EXPECT_EQ(probe.ViewPos(), 48);
    viewer.KeyDown(kVkPageUp, kModNone);
    EXPECT_EQ(probe.ViewPos(), 0);
}

TEST_F(BinHexScrollingTest, SetViewPosRoundsToALineAndStopsAtTheLastPosition) {
    ThreeRows();
    Show(Counting(100), ViewerMode::Hex);
    probe.SetViewPos(37);
    EXPECT_EQ(probe.ViewPos(), 32);
    probe.SetViewPos(5000);
    EXPECT_EQ(probe.ViewPos(), 96);
    probe.SetViewPos(-1);
    EXPECT_EQ(probe.ViewPos(), 96);
}

TEST_F(BinHexScrollingTest, LineUpAtTheTopAndCtrlHomeShowTheLeftEdge) {
    surface.width = 300; // narrower than a hex line
    Show(Counting(100), ViewerMode::Hex);
    ASSERT_GT(probe.MaxHViewPos(), 200);
    viewer.KeyDown(kVkRight, kModNone);
    EXPECT_EQ(probe.HViewPos(), 200);
    int presents = surface.presents;
    viewer.KeyDown(kVkUp, kModNone);
    EXPECT_EQ(probe.HViewPos(), 0);
    EXPECT_EQ(probe.ViewPos(), 0);
    EXPECT_GT(surface.presents, presents);

    viewer.KeyDown(kVkEnd, kModNone); // right edge
    EXPECT_EQ(probe.HViewPos(), probe.MaxHViewPos());
    EXPECT_GT(probe.HViewPos(), 0);
    viewer.KeyDown(kVkHome, kModCtrl);
    EXPECT_EQ(probe.HViewPos(), 0);
    viewer.KeyDown(kVkRight, kModNone);
    viewer.KeyDown(kVkLeft, kModNone);
    EXPECT_EQ(probe.HViewPos(), 0);
    viewer.KeyDown(kVkRight, kModNone);
    viewer.KeyDown(kVkHome, kModNone);
    EXPECT_EQ(probe.HViewPos(), 0);
}

TEST_F(BinHexScrollingTest, OtherModifiersAreLeftToTheWindow) {
    ThreeRows();
    Show(Counting(100), ViewerMode::Hex);
    EXPECT_FALSE(viewer.KeyDown(kVkPageDown, kModShift));
    EXPECT_FALSE(viewer.KeyDown(kVkDown, kModCtrl));
    EXPECT_FALSE(viewer.KeyDown(kVkUp, kModAlt));
    EXPECT_EQ(probe.ViewPos(), 0);
}

TEST_F(BinHexScrollingTest, TextModeStopsWhenTheLastLineIsVisible) {
    Show(Lines(12), ViewerMode::Text); // ten rows on the screen
    viewer.KeyDown(kVkUp, kModNone);
    EXPECT_EQ(probe.ViewPos(), 0);
    viewer.KeyDown(kVkDown, kModNone);
    EXPECT_EQ(probe.ViewPos(), 8); // "line 0\r\n"
    viewer.KeyDown(kVkDown, kModNone);
    EXPECT_EQ(probe.ViewPos(), 16);
    EXPECT_TRUE(probe.ViewAtEnd());
    viewer.KeyDown(kVkDown, kModNone);
    EXPECT_EQ(probe.ViewPos(), 16);
    viewer.KeyDown(kVkHome, kModCtrl);
    viewer.KeyDown(kVkEnd, kModCtrl);
    EXPECT_EQ(probe.ViewPos(), 16);
    EXPECT_TRUE(probe.ViewAtEnd());
}

TEST_F(BinHexScrollingTest, TextModeVerticalBarOnlyWhenSomethingIsHidden) {
    Show(Lines(10), ViewerMode::Text); // exactly the ten rows
    EXPECT_EQ(surface.vert, ScrollBarState{});
    Show(Lines(11), ViewerMode::Text);
    EXPECT_GT(surface.vert.max, 0);
    EXPECT_EQ(surface.vert.page, 0);
}

TEST_F(BinHexScrollingTest, ThumbAndLineMessages) {
    ThreeRows();
    Show(Counting(100), ViewerMode::Hex);
    viewer.VertScrollMessage(kSbThumbTrack, 3); // 100 × 3 div 6 = 50
    EXPECT_EQ(probe.ViewPos(), 48);
    viewer.VertScrollMessage(kSbBottom, 0);
    EXPECT_EQ(probe.ViewPos(), 64);
    // Dragging the thumb to the bottom while the end is shown does not move the view.
    const int presents = surface.presents;
    viewer.VertScrollMessage(kSbThumbTrack, 6);
    viewer.VertScrollMessage(kSbThumbPosition, 5);
    EXPECT_EQ(probe.ViewPos(), 64);
    EXPECT_EQ(surface.presents, presents);
    viewer.VertScrollMessage(kSbThumbTrack, 0);
    EXPECT_EQ(probe.ViewPos(), 0);
    viewer.VertScrollMessage(kSbLineDown, 0);
    viewer.VertScrollMessage(kSbPageDown, 0);
    EXPECT_EQ(probe.ViewPos(), 64);
    viewer.VertScrollMessage(kSbLineUp, 0);
    viewer.VertScrollMessage(kSbTop, 0);
    EXPECT_EQ(probe.ViewPos(), 0);
}

TEST_F(BinHexScrollingTest, HorizontalBarMessages) {
    surface.width = 300;
    Show(Counting(100), ViewerMode::Hex);
    viewer.HorzScrollMessage(kSbLineDown, 0);
    EXPECT_EQ(probe.HViewPos(), 200);
    viewer.HorzScrollMessage(kSbLineUp, 0);
    EXPECT_EQ(probe.HViewPos(), 0);
    viewer.HorzScrollMessage(kSbPageDown, 0);
    EXPECT_EQ(probe.HViewPos(), std::min(300, probe.MaxHViewPos()));
    viewer.HorzScrollMessage(kSbBottom, 0);
    EXPECT_EQ(probe.HViewPos(), probe.MaxHViewPos());
    viewer.HorzScrollMessage(kSbThumbTrack, 50);
    EXPECT_EQ(probe.HViewPos(), 50);
    viewer.HorzScrollMessage(kSbTop, 0);
    EXPECT_EQ(probe.HViewPos(), 0);
    EXPECT_EQ(surface.horz.pos, 0);
    EXPECT_EQ(surface.horz.page, 301);
}

TEST_F(BinHexScrollingTest, ThumbOnAHugeSource) {
    const std::int64_t size = 10LL * 1024 * 1024 * 1024;
    VirtualStream big(size, [](std::int64_t p) { return static_cast<std::uint8_t>(p); });
    viewer.OpenStream(&big, false);
    viewer.SetMode(ViewerMode::Hex);
    EXPECT_EQ(surface.vert.max, 32767);
    viewer.VertScrollMessage(kSbThumbTrack, 16384);
    EXPECT_EQ(probe.ViewPos() % 16, 0);
    EXPECT_NEAR(static_cast<double>(probe.ViewPos()), size / 2.0, size / 32767.0);
    EXPECT_NEAR(surface.vert.pos, 16384, 1); // bytes are rounded down to a line
    const int reads = big.reads;
    viewer.KeyDown(kVkDown, kModNone); // a line step stays inside the buffer
    EXPECT_EQ(big.reads, reads);
    viewer.KeyDown(kVkEnd, kModCtrl);
    EXPECT_EQ(probe.ViewPos(), probe.LastPageStart());
    EXPECT_TRUE(probe.ViewAtEnd());
}

TEST_F(BinHexScrollingTest, WheelScrollsLinesSidewaysAndStepsTheFont) {
    Show(Counting(1000), ViewerMode::Hex);
    viewer.MouseWheel(-120, kModNone, 3);
    EXPECT_EQ(probe.ViewPos(), 48);
    viewer.MouseWheel(-40, kModNone, 3); // a third of a notch is one line
    EXPECT_EQ(probe.ViewPos(), 64);
    viewer.MouseWheel(120, kModNone, 3);
    EXPECT_EQ(probe.ViewPos(), 16);
    viewer.MouseWheel(-120, kModNone, kWheelScrollPage);
    EXPECT_EQ(probe.ViewPos(), 16 + 160);

    surface.width = 300;
    viewer.Redraw();
    viewer.MouseWheel(-120, kModShift, 3);
    EXPECT_EQ(probe.HViewPos(), 200);
    viewer.MouseWheel(120, kModShift, 3);
    EXPECT_EQ(probe.HViewPos(), 0);
    viewer.MouseHWheel(60);
    EXPECT_EQ(probe.HViewPos(), 100);

    const int size = viewer.Options().font.size;
    viewer.MouseWheel(120, kModCtrl, 3);
    EXPECT_EQ(viewer.Options().font.size, size + 1);
    EXPECT_EQ(probe.FontHeight(), size + 1 + 6);
    viewer.MouseWheel(-240, kModCtrl, 3);
    EXPECT_EQ(viewer.Options().font.size, size - 1);
}

TEST_F(BinHexScrollingTest, FontStepStopsAtTheLimits) {
    Show(Counting(100), ViewerMode::Hex);
    ViewerFont font = viewer.Options().font;
    font.size = 72;
    viewer.SetOption(&BinHexOptions::font, font);
    const int presents = surface.presents;
    viewer.MouseWheel(120, kModCtrl, 3);
    EXPECT_EQ(viewer.Options().font.size, 72);
    EXPECT_EQ(surface.presents, presents); // nothing to draw again
}

TEST_F(BinHexScrollingTest, PanModeMovesWithThePointerAndEndsOnAnyButtonOrKey) {
    Show(Counting(2000), ViewerMode::Hex);
    viewer.MouseDown(TZorvBinHex::MouseButton::Middle, 100, 100, kModNone, 0, 500);
    EXPECT_TRUE(viewer.PanMode());
    EXPECT_TRUE(surface.timers[ViewerTimer::Pan]);
    EXPECT_EQ(viewer.CursorNumber(), 0); // the I-beam until the first tick
    viewer.PanTimerTick({100, 117});
    EXPECT_EQ(viewer.CursorNumber(), crPanDown);
    EXPECT_EQ(probe.ViewPos(), 16);
    viewer.PanTimerTick({100, 117});
    EXPECT_EQ(probe.ViewPos(), 32);
    viewer.PanTimerTick({100, 115});
    EXPECT_EQ(viewer.CursorNumber(), crPanNeutral);
    EXPECT_EQ(probe.ViewPos(), 32);
    viewer.PanTimerTick({100, 60});
    EXPECT_EQ(viewer.CursorNumber(), crPanUp);
    EXPECT_EQ(probe.ViewPos(), 0);

    // A press of any button only ends pan mode.
    viewer.MouseDown(TZorvBinHex::MouseButton::Left, 10, 10, kModNone, 0, 500);
    EXPECT_FALSE(viewer.PanMode());
    EXPECT_FALSE(surface.timers[ViewerTimer::Pan]);
    EXPECT_FALSE(viewer.MouseState().mouseSelecting);
    EXPECT_EQ(viewer.CursorNumber(), 0);

    viewer.MouseDown(TZorvBinHex::MouseButton::Middle, 100, 100, kModNone, 0, 500);
    viewer.KeyDown(kVkPageDown, kModShift); // any key, handled or not
    EXPECT_FALSE(viewer.PanMode());
    viewer.MouseDown(TZorvBinHex::MouseButton::Middle, 100, 100, kModNone, 0, 500);
    viewer.FocusLost();
    EXPECT_FALSE(viewer.PanMode());
    viewer.MouseDown(TZorvBinHex::MouseButton::Middle, 100, 100, kModNone, 0, 500);
    viewer.SetMode(ViewerMode::Hex);
    EXPECT_FALSE(viewer.PanMode());
    EXPECT_FALSE(surface.timers[ViewerTimer::Pan]);
}

TEST_F(BinHexScrollingTest, GrowingWhileAtTheEndKeepsTheEndAtTheBottom) {
    ThreeRows();
    Show(Counting(100), ViewerMode::Hex);
    viewer.Resize();
    viewer.KeyDown(kVkEnd, kModCtrl);
    EXPECT_EQ(probe.ViewPos(), 64);
    surface.height = 5 * 16 + 2;
    viewer.Resize();
    EXPECT_EQ(probe.ViewPos(), 32);
    EXPECT_EQ(probe.LastClientHeight(), 5 * 16 + 2);
    // Shrinking keeps the top line.
    surface.height = 2 * 16 + 2;
    viewer.Resize();
    EXPECT_EQ(probe.ViewPos(), 32);
}

} // namespace
} // namespace tavrix::testing
