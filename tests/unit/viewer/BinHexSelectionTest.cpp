// Selection, mouse, copying and the context menu on the viewer model.
#include "ViewerTestKit.h"
#include "clipboard/ClipboardPort.h"
#include "fakes/FakeClipboard.h"
#include "viewer/ViewerAssert.h"
#include "viewer/ViewerKeys.h"

#include <gtest/gtest.h>

namespace tavrix::testing {
namespace {

using Button = TZorvBinHex::MouseButton;

// Client x of the left edge of character column c in a text mode (margin 2, 8-pixel cells).
constexpr int Col(int c) {
    return 2 + 8 * c;
}
// Client y inside row r.
constexpr int Row(int r) {
    return 16 * r + 5;
}

class BinHexSelectionTest : public ViewerFixture {
protected:
    BinHexSelectionTest() { ClipboardPort::Install(clipboard); }
    void Press(int x, int y, std::uint32_t now = 1000, unsigned modifiers = kModNone) {
        viewer.MouseDown(Button::Left, x, y, modifiers, now, 500);
    }
    std::string ClipText(ClipFormat format) {
        const auto* entry = clipboard.Find(format);
        if (entry == nullptr) {
            return "(none)";
        }
        return std::string(entry->bytes.begin(), entry->bytes.end());
    }
    std::u16string ClipUnicode() {
        const auto* entry = clipboard.Find(cf::UnicodeText);
        if (entry == nullptr) {
            return u"(none)";
        }
        std::u16string text;
        for (std::size_t i = 0; i + 1 < entry->bytes.size(); i += 2) {
            text.push_back(static_cast<char16_t>(entry->bytes[i] | (entry->bytes[i + 1] << 8)));
        }
        return text;
    }
    std::pair<std::int64_t, std::int64_t> Sel() const {
        return {probe.SelStart(), probe.SelLength()};
    }

    FakeClipboard clipboard;
};

using SelPair = std::pair<std::int64_t, std::int64_t>;

TEST_F(BinHexSelectionTest, DragSelectsFromPressToRelease) {
    Show("hello world\nsecond line\nthird line\n", ViewerMode::Text);
    Press(Col(5), Row(0));
    viewer.MouseMove(Col(7), Row(1));
    viewer.MouseMove(Col(5), Row(2));
    EXPECT_EQ(Sel(), (SelPair{5, 24})); // to offset 29: line 2 starts at 24
    EXPECT_FALSE(surface.timers[ViewerTimer::Select]);
    viewer.MouseUp(Button::Left, Col(5), Row(2));
    EXPECT_EQ(Sel(), (SelPair{5, 24}));
    EXPECT_EQ(probe.SelText(), " world\nsecond line\nthird");
}

TEST_F(BinHexSelectionTest, PointsMapToCaretPositions) {
    Show("hello world\nsecond line\n", ViewerMode::Text);
    EXPECT_EQ(probe.PosFromCoord(Col(5) + 3, Row(0), true), 5); // left half of the blank
    EXPECT_EQ(probe.PosFromCoord(Col(5) + 5, Row(0), true), 6); // right half
    EXPECT_EQ(probe.PosFromCoord(Col(30), Row(1), false), 23);  // right of the text: its end
    EXPECT_EQ(probe.PosFromCoord(Col(30), Row(1), true), -1);
    EXPECT_EQ(probe.PosFromCoord(Col(3), Row(9), false), 23); // below: the last line's end
    EXPECT_EQ(probe.PosFromCoord(Col(3), -3, false), 0);      // above: the first line
}

TEST_F(BinHexSelectionTest, DraggingPastTheTopEdgeScrollsEvery50ms) {
    std::string text;
    for (int i = 0; i < 30; ++i) {
        text += "row " + std::to_string(10 + i) + "\n"; // 7 bytes a line
    }
    Show(text, ViewerMode::Text);
    probe.ScrollLineDown(5);
    ASSERT_EQ(probe.ViewPos(), 35);
    Press(Col(2), Row(1)); // offset 44
    viewer.MouseMove(Col(2), -2);
    EXPECT_TRUE(surface.timers[ViewerTimer::Select]);
    EXPECT_EQ(viewer.MouseState().autoScrollDir, AutoScrollDirection::Up);
    viewer.SelectTimerTick(-2);
    EXPECT_EQ(probe.ViewPos(), 28);
    EXPECT_EQ(Sel(), (SelPair{28, 16})); // from the start of the first shown line
    viewer.SelectTimerTick(-2);
    EXPECT_EQ(Sel(), (SelPair{21, 23}));
    viewer.MouseMove(Col(2), Row(3)); // back inside: the timer stops
    EXPECT_FALSE(surface.timers[ViewerTimer::Select]);
    viewer.MouseMove(Col(2), -2);
    viewer.MouseUp(Button::Left, Col(2), -2);
    EXPECT_FALSE(surface.timers[ViewerTimer::Select]);
}

TEST_F(BinHexSelectionTest, DoubleClickSelectsTheWordAndAThirdPressTheLine) {
    Show("alpha beta gamma\nnext\n", ViewerMode::Text);
    Press(Col(7) + 2, Row(0), 1000); // the second letter of "beta"
    viewer.MouseUp(Button::Left, Col(7) + 2, Row(0));
    viewer.DblClick();
    EXPECT_EQ(Sel(), (SelPair{6, 4}));
    Press(Col(7) + 2, Row(0), 1200);
    EXPECT_EQ(Sel(), (SelPair{6, 4})); // the double-click's press keeps the word
    viewer.MouseUp(Button::Left, Col(7) + 2, Row(0));
    Press(Col(7) + 2, Row(0), 1600);
    EXPECT_EQ(Sel(), (SelPair{0, 16})); // the line without its break
    EXPECT_EQ(probe.SelText(), "alpha beta gamma");
}

TEST_F(BinHexSelectionTest, DoubleClickOnTheLeftHalfOfAFirstLetterTakesTheBlankBefore) {
    Show("alpha beta gamma\n", ViewerMode::Text);
    Press(Col(6) + 1, Row(0)); // left half of "b": the anchor is the blank before it
    viewer.DblClick();
    EXPECT_EQ(probe.SelText(), "alpha beta");
}

TEST_F(BinHexSelectionTest, ShiftClickBeforeTheLastPressSelectsBackToIt) {
    Show("hello world\nsecond line\n", ViewerMode::Text);
    Press(Col(4), Row(1)); // 16
    viewer.MouseUp(Button::Left, Col(4), Row(1));
    Press(Col(2), Row(0), 1300, kModShift);
    EXPECT_EQ(Sel(), (SelPair{2, 14}));
    // Shift with Ctrl is a plain press.
    Press(Col(2), Row(0), 1300, kModShift | kModCtrl);
    EXPECT_EQ(Sel(), (SelPair{0, 0}));
}

TEST_F(BinHexSelectionTest, SetSelectionAlignsClampsAndRefuses) {
    Show(std::string(7, 'x'), ViewerMode::Unicode);
    viewer.KeyDown(kVkA, kModCtrl);
    EXPECT_EQ(Sel(), (SelPair{0, 6}));
    const PopupMenuItems items = viewer.ContextMenuItems();
    EXPECT_FALSE(items[5].enabled); // "Select all": everything already is
    EXPECT_TRUE(items[0].enabled);
    EXPECT_FALSE(items[1].enabled); // "Copy as hex" only in ViewerMode::Hex
    probe.SetSelection(3, 3, false, true, true);
    EXPECT_EQ(Sel(), (SelPair{2, 2}));
    probe.SetSelection(5, 1, false, true, true); // past the last position: ignored
    probe.SetSelection(-1, 1, false, true, true);
    probe.SetSelection(0, -1, false, true, true);
    EXPECT_EQ(Sel(), (SelPair{2, 2}));
    probe.SelectNone(false);
    EXPECT_EQ(Sel(), (SelPair{0, 0}));
    // Opening the source again clears the selection and the mouse state.
    Press(Col(1), Row(0));
    probe.SelectAll();
    viewer.SetMode(ViewerMode::Unicode);
    EXPECT_EQ(Sel(), (SelPair{0, 0}));
    EXPECT_EQ(viewer.MouseState().mouseStart, -1);
    EXPECT_FALSE(viewer.MouseState().mouseSelecting);
}

TEST_F(BinHexSelectionTest, CopyAsHexIsTheSameInEveryEncoding) {
    Show(std::vector<std::uint8_t>{0x41, 0x00, 0xFF}, ViewerMode::Hex);
    probe.SelectAll();
    for (ViewerEncoding e : {ViewerEncoding::ANSI, ViewerEncoding::OEM, ViewerEncoding::CyrKOI8R,
                             ViewerEncoding::EBCDIC, ViewerEncoding::UTF8}) {
        viewer.SetOption(&BinHexOptions::textEncoding, e);
        clipboard.Reset();
        viewer.ExecutePopupCommand(PopupCommand::CopyHex);
        EXPECT_EQ(ClipText(cf::Text), std::string("41 00 FF\0", 9)) << static_cast<int>(e);
        EXPECT_EQ(ClipUnicode(), std::u16string(u"41 00 FF\0", 9)) << static_cast<int>(e);
    }
}

TEST_F(BinHexSelectionTest, CopyAsTextInTheTextEncodingWithZerosAsBlanks) {
    Show(std::vector<std::uint8_t>{0x41, 0x00, 0xFF}, ViewerMode::Hex);
    probe.SelectAll();
    viewer.ExecutePopupCommand(PopupCommand::Copy);
    EXPECT_EQ(ClipText(cf::Text), std::string("A \xFF\0", 4));
    EXPECT_EQ(ClipUnicode(), std::u16string(u"A \u00FF\0", 4));
    viewer.SetOption(&BinHexOptions::textEncoding, ViewerEncoding::OEM);
    clipboard.Reset();
    viewer.KeyDown(kVkInsert, kModCtrl);
    EXPECT_EQ(ClipText(cf::OemText), std::string("A \xFF\0", 4));
    EXPECT_EQ(ClipText(cf::Text), "(none)");
}

TEST_F(BinHexSelectionTest, UnicodeModesCopyUnicodeText) {
    // "Hi", a zero unit and U+20AC, little-endian.
    Show(std::vector<std::uint8_t>{'H', 0, 'i', 0, 0, 0, 0xAC, 0x20}, ViewerMode::UHex);
    probe.SelectAll();
    viewer.KeyDown(kVkC, kModCtrl);
    EXPECT_EQ(ClipUnicode(), std::u16string(u"Hi \u20AC\0", 5));
    EXPECT_EQ(probe.SelTextW(), std::wstring(L"Hi\0\u20AC", 4));
    // Copy as hex has no effect of its own there.
    clipboard.Reset();
    probe.CopyToClipboard(true);
    EXPECT_EQ(ClipUnicode(), std::u16string(u"Hi \u20AC\0", 5));
    // Big-endian chosen from the Unicode menu.
    viewer.ChooseUnicodeOrder(1);
    EXPECT_EQ(viewer.UnicodeOrder(), kOrderBigEndian);
    EXPECT_EQ(probe.SelTextW(), std::wstring(L"\u4800\u6900\0\uAC20", 4));
}

TEST_F(BinHexSelectionTest, SelTextWOutsideUnicodeModesIsAnAssertion) {
    Show("abc", ViewerMode::Hex);
    probe.SelectAll();
    try {
        probe.SelTextW();
        FAIL() << "no assertion";
    } catch (const AssertionFailure& failure) {
        EXPECT_EQ(failure.Text(), L"SelTextW is called in non-Unicode mode");
    }
}

TEST_F(BinHexSelectionTest, ALargeSelectionCopiesItsFirst16MiB) {
    const std::int64_t size = 20LL * 1024 * 1024;
    VirtualStream big(size, [](std::int64_t p) { return static_cast<std::uint8_t>(p % 251); });
    viewer.OpenStream(&big, false);
    viewer.SetMode(ViewerMode::Hex);
    probe.SelectAll();
    EXPECT_EQ(probe.SelLength(), size);
    const int reads = big.reads;
    const std::string text = probe.SelText();
    ASSERT_EQ(text.size(), 16777216u);
    EXPECT_EQ(static_cast<std::uint8_t>(text[16777215]), 16777215 % 251);
    EXPECT_EQ(big.reads, reads + 1); // one read, straight from the source
    EXPECT_EQ(probe.SelText(10).size(), 10u);
    EXPECT_EQ(probe.ViewPos(), 0);
    // The copy holds the same 16 MiB, zeros as blanks, and its terminating zero.
    probe.CopyToClipboard(false);
    const auto* copied = clipboard.Find(cf::Text);
    ASSERT_NE(copied, nullptr);
    ASSERT_EQ(copied->bytes.size(), 16777217u);
    EXPECT_EQ(copied->bytes[251], ' ');
    EXPECT_EQ(copied->bytes[16777215], 16777215 % 251);
    EXPECT_EQ(copied->bytes[16777216], 0);
}

TEST_F(BinHexSelectionTest, AnUnreadableSelectionIsReportedAndNothingIsCopied) {
    VirtualStream source(100, [](std::int64_t) { return std::uint8_t{'z'}; });
    viewer.OpenStream(&source, false);
    viewer.SetMode(ViewerMode::Hex);
    probe.SelectAll();
    clipboard.PutText(cf::Text, "before");
    source.failing = true;
    probe.CopyToClipboard(false);
    EXPECT_EQ(surface.errors, std::vector<std::wstring>{L"Cannot read stream"});
    EXPECT_EQ(ClipText(cf::Text), std::string("before\0", 7));
}

TEST_F(BinHexSelectionTest, AClipboardHeldElsewhereIsNotReported) {
    Show("abc", ViewerMode::Text);
    probe.SelectAll();
    clipboard.heldByOther = true;
    probe.CopyToClipboard(false);
    EXPECT_TRUE(surface.errors.empty());
    EXPECT_EQ(clipboard.Find(cf::Text), nullptr);
}

TEST_F(BinHexSelectionTest, SelectLineFromTheMenuNeedsThePointerPosition) {
    Show("first line\nsecond line\n", ViewerMode::Text);
    viewer.ContextMenuRequested({-1, -1}); // from the keyboard
    viewer.ExecutePopupCommand(PopupCommand::SelectLine);
    EXPECT_EQ(Sel(), (SelPair{0, 0}));
    viewer.ContextMenuRequested({Col(3), Row(1)});
    viewer.ExecutePopupCommand(PopupCommand::SelectLine);
    EXPECT_EQ(Sel(), (SelPair{11, 11}));
    EXPECT_EQ(probe.SelText(), "second line");
    viewer.ExecutePopupCommand(PopupCommand::SelectAll);
    EXPECT_EQ(Sel(), (SelPair{0, 23}));
}

TEST_F(BinHexSelectionTest, MenuVisibilityFollowsTextPopupCommands) {
    Show("abc", ViewerMode::Text);
    viewer.SetOption(&BinHexOptions::textPopupCommands, PopupCommandBit(PopupCommand::Copy));
    int visible = 0;
    for (const PopupMenuItem& item : viewer.ContextMenuItems()) {
        visible += item.visible ? 1 : 0;
    }
    EXPECT_EQ(visible, 3);
    EXPECT_TRUE(viewer.ContextMenuItems()[0].visible);
}

TEST_F(BinHexSelectionTest, EmptySourceDisablesEveryCommand) {
    Show("", ViewerMode::Text);
    for (const PopupMenuItem& item : viewer.ContextMenuItems()) {
        if (!item.separator) {
            EXPECT_FALSE(item.enabled) << item.caption;
        }
    }
}

TEST_F(BinHexSelectionTest, ChoosingAnEncodingRedraws) {
    Show("abc", ViewerMode::Text);
    const int presents = surface.presents;
    viewer.ChooseEncoding(static_cast<int>(ViewerEncoding::OEM));
    EXPECT_EQ(viewer.Options().textEncoding, ViewerEncoding::OEM);
    EXPECT_EQ(surface.presents, presents + 1);
    viewer.ChooseEncoding(static_cast<int>(ViewerEncoding::UnicodeLE)); // not an 8-bit encoding
    EXPECT_EQ(viewer.Options().textEncoding, ViewerEncoding::OEM);
    EXPECT_EQ(surface.presents, presents + 1);
}

} // namespace
} // namespace tavrix::testing
