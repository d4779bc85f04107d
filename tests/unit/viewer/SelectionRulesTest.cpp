#include "viewer/SelectionRules.h"
#include "viewer/MouseSelection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrix {
namespace {

TEST(SelectionRules, RefusesRequestsOutsideTheSource) {
    SelectionRequest r{{10, 5}, -1, 3, 99, 1, false};
    EXPECT_FALSE(ApplySelectionRequest(r).accepted);
    r.start = 100;
    EXPECT_FALSE(ApplySelectionRequest(r).accepted);
    r.start = 0;
    r.length = -1;
    SelectionUpdate u = ApplySelectionRequest(r);
    EXPECT_FALSE(u.accepted);
    EXPECT_EQ(u.result, (SelectionRange{10, 5}));
}

TEST(SelectionRules, ClampsTheLengthToTheSource) {
    SelectionUpdate u = ApplySelectionRequest({{0, 0}, 90, 50, 99, 1, false});
    EXPECT_TRUE(u.changed);
    EXPECT_EQ(u.result, (SelectionRange{90, 10}));
    u = ApplySelectionRequest({{90, 10}, 90, 10, 99, 1, false});
    EXPECT_TRUE(u.accepted);
    EXPECT_FALSE(u.changed);
}

TEST(SelectionRules, UnicodeModesAlignToWholeUnits) {
    // Select all on 7 bytes: the last position is 4, and the odd byte is never selected.
    SelectionUpdate u = ApplySelectionRequest({{0, 0}, 0, 7, 4, 2, true});
    EXPECT_EQ(u.result, (SelectionRange{0, 6}));
    u = ApplySelectionRequest({{0, 0}, 3, 3, 4, 2, true});
    EXPECT_EQ(u.result, (SelectionRange{2, 2}));
    // Outside the Unicode modes nothing is rounded.
    u = ApplySelectionRequest({{0, 0}, 3, 3, 6, 1, false});
    EXPECT_EQ(u.result, (SelectionRange{3, 3}));
}

TEST(SelectionRules, CopiesAtMost16MiB) {
    EXPECT_EQ(SelectionReadSize(20LL * 1024 * 1024, 0), 16777216);
    EXPECT_EQ(SelectionReadSize(20LL * 1024 * 1024, 10), 10);
    EXPECT_EQ(SelectionReadSize(5, 0), 5);
    EXPECT_EQ(SelectionReadSize(5, 100), 5);
    EXPECT_EQ(SelectionReadSize(0, 0), 0);
    EXPECT_EQ(SelectionReadSize(-2, 0), 0);
}

// A control showing lines of kLineLength one-byte characters, 8 pixels wide and 10 high,
// starting at the view's first line; it records what the mouse asks of it.
class FakeSelectionHost : public MouseSelectionHost {
public:
    static constexpr int kLineLength = 20;
    std::int64_t viewLine = 0;
    int visibleLines = 5;
    std::int64_t size = 1000;

    std::int64_t selStart = 0, selLength = 0;
    int selectionChanges = 0; // SelectionChanged calls
    int setSelectionNotifies = 0;
    std::vector<std::string> log;

    std::int64_t PosFromCoord(int x, int y, bool /*strict*/) override {
        if (y < 0) {
            return viewLine * kLineLength;
        }
        const std::int64_t line = std::min<std::int64_t>(y / 10, visibleLines - 1) + viewLine;
        const std::int64_t column = std::clamp(x / 8, 0, kLineLength);
        return std::min(line * kLineLength + column, size);
    }
    void SetSelection(std::int64_t start, std::int64_t length, bool, bool notify, bool) override {
        selStart = start;
        selLength = length;
        setSelectionNotifies += notify ? 1 : 0;
    }
    void SelectNone(bool notify) override {
        log.push_back(notify ? "none+notify" : "none");
        selStart = selLength = 0;
    }
    void SelectWordAround(std::int64_t pos) override {
        log.push_back("word " + std::to_string(pos));
    }
    void SelectLineAround(std::int64_t pos) override {
        log.push_back("line " + std::to_string(pos));
    }
    int CharSize() const override { return 1; }
    void ClickLink(std::int64_t pos) override { log.push_back("link " + std::to_string(pos)); }
    void SelectionChanged() override { ++selectionChanges; }
    void ScrollLineUp(int n) override {
        viewLine = std::max<std::int64_t>(0, viewLine - n);
        log.push_back("up " + std::to_string(n));
    }
    void ScrollLineDown(int n) override {
        viewLine += n;
        log.push_back("down " + std::to_string(n));
    }
    void ScrollLeft(int px) override { log.push_back("left " + std::to_string(px)); }
    void ScrollRight(int px) override { log.push_back("right " + std::to_string(px)); }
};

constexpr int kWidth = 200, kHeight = 50, kMargin = 2;

TEST(MouseSelection, DragSelectsAndNotifiesOnceAtRelease) {
    FakeSelectionHost host;
    MouseSelection mouse;
    // Press in the middle of line 0 (column 10), drag to two lines below, release there.
    mouse.LeftPress(host, 80, 5, false, 1000, 500);
    EXPECT_EQ(host.log, (std::vector<std::string>{"none"}));
    EXPECT_TRUE(mouse.mouseSelecting);
    EXPECT_EQ(mouse.mouseStart, 10);
    EXPECT_EQ(mouse.mouseStartShift, 10);
    EXPECT_EQ(mouse.mouseStartDbl, 9);
    EXPECT_FALSE(mouse.Move(host, 40, 15, kWidth, kHeight, kMargin));
    EXPECT_FALSE(mouse.Move(host, 40, 25, kWidth, kHeight, kMargin));
    EXPECT_EQ(host.selStart, 10);
    EXPECT_EQ(host.selLength, 35); // to line 2, column 5
    EXPECT_EQ(host.selectionChanges, 0);
    mouse.LeftRelease(host, 40, 25);
    EXPECT_EQ(host.selectionChanges, 1);
    EXPECT_EQ(host.setSelectionNotifies, 0);
    EXPECT_FALSE(mouse.mouseSelecting);
    EXPECT_EQ(mouse.mouseStart, -1);
    // Moving after the release selects nothing more.
    EXPECT_FALSE(mouse.Move(host, 100, 25, kWidth, kHeight, kMargin));
    EXPECT_EQ(host.selLength, 35);
}

TEST(MouseSelection, DraggingBackwardsSelectsFromThePointer) {
    FakeSelectionHost host;
    MouseSelection mouse;
    mouse.LeftPress(host, 80, 25, false, 0, 500);      // 50
    mouse.Move(host, 16, 5, kWidth, kHeight, kMargin); // 2
    EXPECT_EQ(host.selStart, 2);
    EXPECT_EQ(host.selLength, 48);
}

TEST(MouseSelection, ClickWithoutMovingFollowsALinkAtThatPlace) {
    FakeSelectionHost host;
    MouseSelection mouse;
    mouse.LeftPress(host, 80, 5, false, 0, 500);
    mouse.LeftRelease(host, 81, 5); // same character boundary
    EXPECT_EQ(host.log.back(), "link 10");
    mouse.LeftPress(host, 80, 5, false, 0, 500);
    mouse.LeftRelease(host, 120, 5);
    EXPECT_EQ(host.log.back(), "none");
    EXPECT_EQ(host.selectionChanges, 2);
}

TEST(MouseSelection, EdgesStartAutoScrollEvery50ms) {
    FakeSelectionHost host;
    host.viewLine = 3;
    MouseSelection mouse;
    mouse.LeftPress(host, 80, 25, false, 0, 500); // line 5, column 10: 110
    EXPECT_TRUE(mouse.Move(host, 80, -4, kWidth, kHeight, kMargin));
    EXPECT_EQ(mouse.autoScrollDir, AutoScrollDirection::Up);
    mouse.TimerTick(host, kWidth, kHeight, -4);
    EXPECT_EQ(host.viewLine, 2);
    // The selection reaches the start of the first line shown.
    EXPECT_EQ(host.selStart, 40);
    EXPECT_EQ(host.selLength, 70);
    mouse.TimerTick(host, kWidth, kHeight, -4);
    EXPECT_EQ(host.selStart, 20);

    EXPECT_TRUE(mouse.Move(host, 80, kHeight - 1, kWidth, kHeight, kMargin));
    EXPECT_EQ(mouse.autoScrollDir, AutoScrollDirection::Down);
    EXPECT_TRUE(mouse.Move(host, kMargin, 20, kWidth, kHeight, kMargin));
    EXPECT_EQ(mouse.autoScrollDir, AutoScrollDirection::Left);
    mouse.TimerTick(host, kWidth, kHeight, 20);
    EXPECT_EQ(host.log.back(), "left 20");
    EXPECT_TRUE(mouse.Move(host, kWidth - 1, 20, kWidth, kHeight, kMargin));
    EXPECT_EQ(mouse.autoScrollDir, AutoScrollDirection::Right);
    mouse.TimerTick(host, kWidth, kHeight, 20);
    EXPECT_EQ(host.log.back(), "right 20");
    // Back inside: the timer stops and the selection follows the pointer again.
    EXPECT_FALSE(mouse.Move(host, 80, 20, kWidth, kHeight, kMargin));
    EXPECT_EQ(mouse.autoScrollDir, AutoScrollDirection::None);
    mouse.TimerTick(host, kWidth, kHeight, 20);
    EXPECT_EQ(host.log.back(), "right 20"); // nothing more happened
}

TEST(MouseSelection, DoubleClickSelectsAWordAndAThirdPressTheLine) {
    FakeSelectionHost host;
    MouseSelection mouse;
    // Second letter of a word at column 4: the press lands on boundary 5, the anchor is 4.
    mouse.LeftPress(host, 40, 5, false, 1000, 500);
    mouse.LeftRelease(host, 40, 5);
    mouse.DoubleClick(host);
    EXPECT_EQ(host.log.back(), "word 4");
    EXPECT_TRUE(mouse.mouseDblClick);
    mouse.LeftPress(host, 40, 5, false, 1200, 500); // the double-click's own press
    EXPECT_NE(host.log.back(), "none");             // the word stays selected
    EXPECT_TRUE(mouse.mouseTriClick);
    EXPECT_EQ(mouse.mouseTriTime, 1200u);
    mouse.LeftRelease(host, 40, 5);
    mouse.LeftPress(host, 40, 5, false, 1700, 500); // within the double-click time
    EXPECT_EQ(host.log.back(), "line 4");
    EXPECT_FALSE(mouse.mouseTriClick);
    EXPECT_EQ(mouse.mouseTriTime, 0u);
}

TEST(MouseSelection, ThirdPressTooLateIsAPlainPress) {
    FakeSelectionHost host;
    MouseSelection mouse;
    mouse.LeftPress(host, 40, 5, false, 1000, 500);
    mouse.DoubleClick(host);
    mouse.LeftPress(host, 40, 5, false, 1200, 500);
    mouse.LeftPress(host, 40, 5, false, 1701, 500);
    EXPECT_EQ(host.log.back(), "none");
    // The tick counter wraps around after 49.7 days; the difference still counts.
    mouse.Reset();
    mouse.LeftPress(host, 40, 5, false, 0xFFFFFF00u, 500);
    mouse.DoubleClick(host);
    mouse.LeftPress(host, 40, 5, false, 0xFFFFFFF0u, 500);
    mouse.LeftPress(host, 40, 5, false, 0x100u, 500);
    EXPECT_EQ(host.log.back(), "line 4");
}

TEST(MouseSelection, DoubleClickBeforeAnyCharacterDoesNothing) {
    FakeSelectionHost host;
    MouseSelection mouse;
    mouse.LeftPress(host, 0, 5, false, 0, 500); // boundary 0: the anchor would be -1
    mouse.DoubleClick(host);
    EXPECT_EQ(host.log, (std::vector<std::string>{"none"}));
    EXPECT_FALSE(mouse.mouseDblClick);
}

TEST(MouseSelection, ShiftClickExtendsFromTheLastPlainPress) {
    FakeSelectionHost host;
    MouseSelection mouse;
    mouse.LeftPress(host, 80, 25, false, 0, 500); // 50
    mouse.LeftRelease(host, 80, 25);
    mouse.LeftPress(host, 40, 5, true, 100, 500); // 5, before the press
    EXPECT_EQ(host.selStart, 5);
    EXPECT_EQ(host.selLength, 45);
    EXPECT_EQ(host.setSelectionNotifies, 1);
    EXPECT_EQ(mouse.mouseStartShift, 50);          // the anchor stays
    EXPECT_FALSE(mouse.mouseSelecting);            // and no drag starts
    mouse.LeftPress(host, 80, 35, true, 200, 500); // 70, after it
    EXPECT_EQ(host.selStart, 50);
    EXPECT_EQ(host.selLength, 20);
}

TEST(MouseSelection, ShiftClickBeforeAnyPressAnchorsAtTheStart) {
    FakeSelectionHost host;
    MouseSelection mouse;
    mouse.LeftPress(host, 80, 15, true, 0, 500); // 30
    EXPECT_EQ(host.selStart, 0);
    EXPECT_EQ(host.selLength, 30);
}

} // namespace
} // namespace tavrix
