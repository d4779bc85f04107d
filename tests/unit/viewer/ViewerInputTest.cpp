#include "viewer/PanMode.h"
#include "viewer/ViewerKeys.h"
#include "viewer/ViewerWheel.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

TEST(ViewerKeys, TableRowsWithTheirExactModifiers) {
    EXPECT_EQ(KeyCommand(kVkPageDown, kModNone), ViewerKeyCommand::PageDown);
    EXPECT_EQ(KeyCommand(kVkPageUp, kModNone), ViewerKeyCommand::PageUp);
    EXPECT_EQ(KeyCommand(kVkDown, kModNone), ViewerKeyCommand::LineDown);
    EXPECT_EQ(KeyCommand(kVkUp, kModNone), ViewerKeyCommand::LineUp);
    EXPECT_EQ(KeyCommand(kVkHome, kModCtrl), ViewerKeyCommand::ToBegin);
    EXPECT_EQ(KeyCommand(kVkEnd, kModCtrl), ViewerKeyCommand::ToEnd);
    EXPECT_EQ(KeyCommand(kVkLeft, kModNone), ViewerKeyCommand::ScrollLeft);
    EXPECT_EQ(KeyCommand(kVkRight, kModNone), ViewerKeyCommand::ScrollRight);
    EXPECT_EQ(KeyCommand(kVkHome, kModNone), ViewerKeyCommand::LeftEdge);
    EXPECT_EQ(KeyCommand(kVkEnd, kModNone), ViewerKeyCommand::RightEdge);
    EXPECT_EQ(KeyCommand(kVkA, kModCtrl), ViewerKeyCommand::SelectAll);
    EXPECT_EQ(KeyCommand(kVkC, kModCtrl), ViewerKeyCommand::Copy);
    EXPECT_EQ(KeyCommand(kVkInsert, kModCtrl), ViewerKeyCommand::Copy);
}

TEST(ViewerKeys, ExtraOrMissingModifiersAreNotHandled) {
    EXPECT_EQ(KeyCommand(kVkPageDown, kModShift), ViewerKeyCommand::None);
    EXPECT_EQ(KeyCommand(kVkDown, kModCtrl), ViewerKeyCommand::None);
    EXPECT_EQ(KeyCommand(kVkUp, kModAlt), ViewerKeyCommand::None);
    EXPECT_EQ(KeyCommand(kVkHome, kModCtrl | kModShift), ViewerKeyCommand::None);
    EXPECT_EQ(KeyCommand(kVkA, kModNone), ViewerKeyCommand::None);
    EXPECT_EQ(KeyCommand(kVkC, kModCtrl | kModAlt), ViewerKeyCommand::None);
    EXPECT_EQ(KeyCommand(kVkInsert, kModShift), ViewerKeyCommand::None);
    EXPECT_EQ(KeyCommand(0x42 /* B */, kModCtrl), ViewerKeyCommand::None);
    // Bits that are not modifiers (e.g. mouse buttons) do not count.
    EXPECT_EQ(KeyCommand(kVkDown, 0x100), ViewerKeyCommand::LineDown);
}

TEST(ViewerWheel, WholeNotchesScrollTheSystemLines) {
    WheelAccumulator wheel;
    EXPECT_EQ(wheel.Vertical(120, kModNone, 3), (WheelStep{WheelAction::LinesUp, 3}));
    EXPECT_EQ(wheel.Vertical(-240, kModNone, 3), (WheelStep{WheelAction::LinesDown, 6}));
    EXPECT_EQ(wheel.Vertical(-120, kModNone, 1), (WheelStep{WheelAction::LinesDown, 1}));
    EXPECT_EQ(wheel.Vertical(120, kModNone, 0), WheelStep{});
    EXPECT_EQ(wheel.Vertical(120, kModNone, kWheelScrollPage),
              (WheelStep{WheelAction::PagesUp, 1}));
    EXPECT_EQ(wheel.Vertical(-120, kModNone, kWheelScrollPage),
              (WheelStep{WheelAction::PagesDown, 1}));
}

TEST(ViewerWheel, PartialDeltasAddUpToLines) {
    WheelAccumulator wheel;
    // A touchpad reporting 30 units at a time with 3 lines per notch: 120 units give 3 lines in
    // all, the first as soon as a whole line has built up.
    int lines = 0;
    std::vector<int> perMessage;
    for (int i = 0; i < 4; ++i) {
        WheelStep step = wheel.Vertical(-30, kModNone, 3);
        if (step.action != WheelAction::None) {
            EXPECT_EQ(step.action, WheelAction::LinesDown);
        }
        perMessage.push_back(step.count);
        lines += step.count;
    }
    EXPECT_EQ(perMessage, (std::vector<int>{0, 1, 1, 1}));
    EXPECT_EQ(lines, 3);
    // A high-resolution wheel with one line per notch: 12 messages of 10 units make one line.
    int total = 0;
    for (int i = 0; i < 12; ++i) {
        total += wheel.Vertical(10, kModNone, 1).count;
    }
    EXPECT_EQ(total, 1);
}

TEST(ViewerWheel, TurningBackOrChangingModifiersDropsTheRemainder) {
    WheelAccumulator wheel;
    EXPECT_EQ(wheel.Vertical(60, kModNone, 1), WheelStep{});
    // Without the reset the 60 units already collected upwards would swallow this movement.
    EXPECT_EQ(wheel.Vertical(-120, kModNone, 1), (WheelStep{WheelAction::LinesDown, 1}));
    EXPECT_EQ(wheel.Vertical(-60, kModCtrl, 1), WheelStep{});
    EXPECT_EQ(wheel.Vertical(-60, kModNone, 1), WheelStep{});
    EXPECT_EQ(wheel.Vertical(-60, kModCtrl, 1), WheelStep{}); // the font half-step was dropped
    wheel.Reset();
    EXPECT_EQ(wheel.Vertical(-60, kModNone, 1), WheelStep{});
}

TEST(ViewerWheel, ShiftScrollsSidewaysAndCtrlStepsTheFont) {
    WheelAccumulator wheel;
    EXPECT_EQ(wheel.Vertical(120, kModShift, 3), (WheelStep{WheelAction::ScrollLeft, 200}));
    EXPECT_EQ(wheel.Vertical(-120, kModShift, 3), (WheelStep{WheelAction::ScrollRight, 200}));
    EXPECT_EQ(wheel.Vertical(-60, kModShift, 3), (WheelStep{WheelAction::ScrollRight, 100}));
    EXPECT_EQ(wheel.Vertical(120, kModCtrl, 3), (WheelStep{WheelAction::FontLarger, 1}));
    EXPECT_EQ(wheel.Vertical(-240, kModCtrl, 3), (WheelStep{WheelAction::FontSmaller, 2}));
    EXPECT_EQ(wheel.Vertical(-40, kModCtrl, 3), WheelStep{});
    EXPECT_EQ(wheel.Vertical(-80, kModCtrl, 3), (WheelStep{WheelAction::FontSmaller, 1}));
    // Other modifier sets are swallowed without an action.
    EXPECT_EQ(wheel.Vertical(120, kModCtrl | kModShift, 3), WheelStep{});
    EXPECT_EQ(wheel.Vertical(120, kModAlt, 3), WheelStep{});
    // A tilt wheel or a touchpad's sideways swipe.
    EXPECT_EQ(wheel.Horizontal(120), (WheelStep{WheelAction::ScrollRight, 200}));
    EXPECT_EQ(wheel.Horizontal(-12), (WheelStep{WheelAction::ScrollLeft, 20}));
}

TEST(PanMode, DeadZoneAndTheFourDirections) {
    const Point o{100, 100};
    EXPECT_EQ(PanStepFor(o, {100, 117}), (PanStep{crPanDown, PanMove::LinesDown, 1}));
    EXPECT_EQ(PanStepFor(o, {100, 115}), (PanStep{crPanNeutral, PanMove::None, 0}));
    EXPECT_EQ(PanStepFor(o, {100, 116}), PanStep{}); // on the circle: still inside
    EXPECT_EQ(PanStepFor(o, {100, 100}), PanStep{});
    EXPECT_EQ(PanStepFor(o, {111, 111}), PanStep{}); // 15.6 pixels away
    EXPECT_EQ(PanStepFor(o, {100, 60}), (PanStep{crPanUp, PanMove::LinesUp, 2}));
    EXPECT_EQ(PanStepFor(o, {100, 164}), (PanStep{crPanDown, PanMove::LinesDown, 4}));
    EXPECT_EQ(PanStepFor(o, {140, 110}), (PanStep{crPanRight, PanMove::ScrollRight, 16}));
    EXPECT_EQ(PanStepFor(o, {51, 90}), (PanStep{crPanLeft, PanMove::ScrollLeft, 24}));
    // Just outside the circle on a diagonal: vertical wins ties, and no whole line yet.
    EXPECT_EQ(PanStepFor(o, {112, 112}), (PanStep{crPanDown, PanMove::LinesDown, 0}));
    EXPECT_EQ(PanStepFor(o, {88, 88}), (PanStep{crPanUp, PanMove::LinesUp, 0}));
    // Far away, no overflow.
    EXPECT_EQ(PanStepFor({-2000000000, 0}, {2000000000, 0}),
              (PanStep{crPanRight, PanMove::ScrollRight, 250000000 * 8}));
}

} // namespace
} // namespace tavrix
