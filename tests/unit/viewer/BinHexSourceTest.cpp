// The viewer's source and buffer: opening and reopening, buffer reads at block edges, short and
// failing reads, byte order, offset digits, characters at a position, the invariant checks and
// the memory stream letting go of the bytes it held.
#include "ViewerTestKit.h"

#include "viewer/ViewerAssert.h"

namespace tavrix::testing {
namespace {

using Op = FixedWidthCanvas::Op;

class BinHexSourceTest : public ViewerFixture {};

TEST_F(BinHexSourceTest, EmptyAndTooShortSourcesDrawABlankControlWithoutScrollBars) {
    for (const auto& [bytes, mode] : {std::pair{std::string(), ViewerMode::Hex},
                                      std::pair{std::string("A"), ViewerMode::Unicode},
                                      std::pair{std::string("A"), ViewerMode::UHex}}) {
        surface.canvas.calls.clear();
        Show(bytes, mode);
        EXPECT_EQ(probe.OffsetDigits(), 0);
        EXPECT_EQ(surface.vert, ScrollBarState{});
        EXPECT_EQ(surface.horz, ScrollBarState{});
        // Only the background fill: no text, no band.
        ASSERT_EQ(surface.canvas.calls.size(), 1u);
        EXPECT_EQ(surface.canvas.calls[0].op, Op::Fill);
        EXPECT_EQ(surface.canvas.calls[0].rect, (Rect{0, 0, surface.width, surface.height}));
        EXPECT_EQ(surface.canvas.calls[0].brushColor, kColorWindow);
    }
}

TEST_F(BinHexSourceTest, OpenStreamIgnoresTheStreamShownAndTheModeSetterReloadsIt) {
    Show("first", ViewerMode::Text);
    EXPECT_EQ(TextsAt(2), std::vector<std::wstring>{L"first"});
    probe.SetSelectionRaw(1, 2);

    stream.Assign(BytesOf("second"));
    const int presents = surface.presents;
    EXPECT_TRUE(viewer.OpenStream(&stream, true));
    EXPECT_EQ(surface.presents, presents); // no reload and no redraw
    EXPECT_EQ(viewer.FileSize(), 5);
    EXPECT_EQ(probe.SelLength(), 2);

    surface.canvas.calls.clear();
    viewer.SetMode(ViewerMode::Text); // the same mode still reopens
    EXPECT_EQ(viewer.FileSize(), 6);
    EXPECT_EQ(TextsAt(2), std::vector<std::wstring>{L"second"});
    EXPECT_EQ(probe.SelStart(), 0);
    EXPECT_EQ(probe.SelLength(), 0);
    EXPECT_EQ(probe.ViewPos(), 0);
}

// A search reads the source in chunks of its own: whole chunks, a short last one zero-filled, a
// failure told apart, the view's buffer never moved.
TEST_F(BinHexSourceTest, ReadingTheDocumentInChunksLeavesTheBufferAlone) {
    VirtualStream big(1 << 20, [](std::int64_t p) { return static_cast<std::uint8_t>(p * 13); });
    viewer.OpenStream(&big, false);
    viewer.SetMode(ViewerMode::UHex);
    const ViewerDocument& document = viewer.Document();
    EXPECT_EQ(document.Size(), 1 << 20);
    EXPECT_EQ(document.CharSize(), 2);
    EXPECT_EQ(document.ByteOrder(), kOrderLittleEndian);
    const std::int64_t bufferPos = document.BufferPos();
    const int reads = document.BufferReads();

    std::vector<std::uint8_t> chunk(300000, 0xEE);
    std::int64_t total = 0;
    for (std::int64_t offset = 0; offset < document.Size(); offset += 300000) {
        const std::optional<std::int64_t> got = document.Read(offset, chunk);
        ASSERT_TRUE(got.has_value());
        for (std::int64_t i = 0; i < *got; i += 4099) {
            ASSERT_EQ(chunk[static_cast<std::size_t>(i)],
                      static_cast<std::uint8_t>((offset + i) * 13));
        }
        total += *got;
    }
    EXPECT_EQ(total, 1 << 20);
    // The last chunk held 148576 bytes; the rest of it is zero.
    EXPECT_EQ(chunk[148575], static_cast<std::uint8_t>(1048575 * 13));
    EXPECT_EQ(chunk[148576], 0);
    EXPECT_EQ(chunk.back(), 0);

    big.failing = true;
    EXPECT_FALSE(document.Read(5, chunk).has_value());
    EXPECT_EQ(chunk[0], 0);
    EXPECT_EQ(document.BufferPos(), bufferPos);
    EXPECT_EQ(document.BufferReads(), reads);
}

// A preview stream refilled for every format holds only the current format's block.
TEST(MemoryStreamTest, RefillingAndClearingGiveTheEarlierBlockBack) {
    MemoryStream stream;
    stream.Assign(std::vector<std::uint8_t>(1 << 20, 0x41));
    const std::uint8_t small[] = {1, 2, 3};
    stream.Assign(small);
    EXPECT_EQ(stream.Bytes(), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_LT(stream.Bytes().capacity(), 1024u);
    stream.Assign(std::vector<std::uint8_t>(1 << 20, 0x41));
    stream.Clear();
    EXPECT_EQ(stream.Bytes().capacity(), 0u);
    EXPECT_EQ(stream.Size(), 0);
}

TEST_F(BinHexSourceTest, ClosingWithNoStreamResetsEverything) {
    Show(std::string(1000, 'x'), ViewerMode::Hex);
    probe.SetHViewPosRaw(30);
    probe.SetSelectionRaw(5, 5);
    viewer.OpenStream(nullptr, true);
    EXPECT_FALSE(viewer.Document().IsOpen());
    EXPECT_EQ(viewer.FileSize(), 0);
    EXPECT_EQ(probe.HViewPos(), 0);
    EXPECT_EQ(probe.SelLength(), 0);
    EXPECT_TRUE(viewer.Document().Buffer().empty());
    EXPECT_EQ(viewer.UnicodeOrder(), kOrderUnknown);
    EXPECT_FALSE(surface.timers[ViewerTimer::Pan]);
    EXPECT_FALSE(surface.timers[ViewerTimer::Select]);
}

TEST_F(BinHexSourceTest, BufferIsThreeBlocksAndFollowsTheViewOneBlockBehind) {
    VirtualStream big(1 << 20, [](std::int64_t p) { return static_cast<std::uint8_t>(p * 7); });
    viewer.OpenStream(&big, false);
    viewer.SetMode(ViewerMode::Hex);
    EXPECT_EQ(viewer.Document().BlockSize(), 45000);
    EXPECT_EQ(viewer.Document().BufferSize(), 135000);
    EXPECT_EQ(viewer.Document().BufferPos(), 0);
    const int reads = viewer.Document().BufferReads();

    // Anywhere within the first two blocks needs no read.
    probe.ReadBuffer(0);
    probe.ReadBuffer(89999);
    EXPECT_EQ(viewer.Document().BufferReads(), reads);
    // The first position past them starts a new buffer one block before it.
    probe.ReadBuffer(90000);
    EXPECT_EQ(viewer.Document().BufferReads(), reads + 1);
    EXPECT_EQ(viewer.Document().BufferPos(), 45000);
    // Going back below the buffer reads again, clamped at 0.
    probe.ReadBuffer(44999);
    EXPECT_EQ(viewer.Document().BufferPos(), 0);
    probe.ReadBuffer(500000);
    EXPECT_EQ(viewer.Document().BufferPos(), 455000);
    for (std::int64_t p : {455000, 500000, 589999}) {
        EXPECT_EQ(
            viewer.Document().Buffer()[static_cast<std::size_t>(p - viewer.Document().BufferPos())],
            static_cast<std::uint8_t>(p * 7))
            << p;
        EXPECT_FALSE(viewer.Document().IsOutOfRange(p));
    }
    EXPECT_TRUE(viewer.Document().IsOutOfRange(454999));
    EXPECT_TRUE(viewer.Document().IsOutOfRange(590000));
}

TEST_F(BinHexSourceTest, BytesPastTheEndReadAsZeroAndShortReadsAreNoError) {
    VirtualStream small(50000, [](std::int64_t) { return std::uint8_t{0xAB}; });
    small.chunk = 700; // the stream hands out its bytes in small pieces
    viewer.OpenStream(&small, false);
    viewer.SetMode(ViewerMode::Binary);
    EXPECT_TRUE(viewer.Document().BufferOk());
    EXPECT_EQ(viewer.Document().Buffer()[49999], 0xAB);
    EXPECT_EQ(viewer.Document().Buffer()[50000], 0);
    EXPECT_EQ(viewer.Document().Buffer()[134999], 0);
    EXPECT_EQ(viewer.Document().LastPos(), 49999);
    EXPECT_TRUE(viewer.Document().IsOutOfRange(50000));
}

TEST_F(BinHexSourceTest, ReadErrorAsksRetryOrCancelAndCancelShowsTheErrorScreen) {
    VirtualStream broken(300, [](std::int64_t) { return std::uint8_t{'a'}; });
    viewer.OpenStream(&broken, false);
    broken.failing = true;
    broken.seeks = 0;
    surface.retryAnswers = {true, true, false};
    surface.canvas.calls.clear();
    viewer.SetMode(ViewerMode::Hex);

    EXPECT_EQ(broken.seeks, 3); // the first try and two retries
    EXPECT_EQ(surface.retryQuestions, 3);
    EXPECT_FALSE(viewer.Document().BufferOk());

    // Only the error text, centred, in the error colour; no scroll bars.
    const auto texts = Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, L"Read error at offset 00000000");
    EXPECT_EQ(texts[0].textColor, viewer.Options().textColorError);
    EXPECT_EQ(texts[0].rect.left, (640 - 29 * 8) / 2);
    EXPECT_EQ(texts[0].rect.top, (surface.height - 16) / 2);
    EXPECT_EQ(surface.vert, ScrollBarState{});
    EXPECT_EQ(surface.horz, ScrollBarState{});

    // A later successful read shows the data again.
    broken.failing = false;
    probe.ReadBuffer(-1);
    EXPECT_TRUE(viewer.Document().BufferOk());
    EXPECT_EQ(probe.GetChar(0), u'a');
}

TEST_F(BinHexSourceTest, ByteOrderIsBigEndianOnlyAfterFeFf) {
    Show(std::vector<std::uint8_t>{0xFE, 0xFF, 0x00, 0x41}, ViewerMode::Unicode);
    EXPECT_EQ(viewer.UnicodeOrder(), kOrderBigEndian);
    EXPECT_EQ(probe.GetChar(2), u'A');
    EXPECT_EQ(probe.GetChar(0), 0xFEFF);

    Show(std::vector<std::uint8_t>{0xFF, 0xFE, 0x41, 0x00}, ViewerMode::Unicode);
    EXPECT_EQ(viewer.UnicodeOrder(), kOrderLittleEndian);
    EXPECT_EQ(probe.GetChar(2), u'A');

    Show(std::vector<std::uint8_t>{0x41, 0x00}, ViewerMode::Unicode);
    EXPECT_EQ(viewer.UnicodeOrder(), kOrderLittleEndian);

    // The hexadecimal cells show the little-endian value whatever the order.
    Show(std::vector<std::uint8_t>{0xFE, 0xFF, 0x00, 0x41}, ViewerMode::UHex);
    EXPECT_EQ(viewer.UnicodeOrder(), kOrderBigEndian);
    EXPECT_EQ(viewer.Document().HexAt(0), L"FFFE");
    EXPECT_EQ(viewer.Document().HexAt(2), L"4100");
}

TEST_F(BinHexSourceTest, ChosenByteOrderSurvivesBufferReadsUntilReopened) {
    VirtualStream big(400000, [](std::int64_t p) {
        return static_cast<std::uint8_t>(p == 0 ? 0xFE : p == 1 ? 0xFF : 0x20);
    });
    viewer.OpenStream(&big, false);
    viewer.SetMode(ViewerMode::Unicode);
    ASSERT_EQ(viewer.UnicodeOrder(), kOrderBigEndian);
    probe.SetUnicodeOrder(kOrderLittleEndian);
    probe.ReadBuffer(300000);
    EXPECT_EQ(viewer.UnicodeOrder(), kOrderLittleEndian);
    viewer.SetMode(ViewerMode::Unicode);
    EXPECT_EQ(viewer.UnicodeOrder(), kOrderBigEndian);
}

TEST_F(BinHexSourceTest, OddLengthUnicodeNeverShowsTheLastByte) {
    Show(std::vector<std::uint8_t>{'A', 0, 'B', 0, 'C'}, ViewerMode::Unicode);
    EXPECT_EQ(viewer.Document().LastPos(), 2);
    EXPECT_EQ(TextsAt(2), std::vector<std::wstring>{L"AB"});
    Show(std::vector<std::uint8_t>{'A', 0, 'B', 0, 'C'}, ViewerMode::UHex);
    EXPECT_EQ(viewer.Document().HexAt(4), L"");
    const auto texts = Texts();
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                            [](const auto& call) { return call.text.size() == 4; }),
              2);
}

TEST_F(BinHexSourceTest, OffsetDigitsFollowTheSourceSize) {
    const std::pair<std::int64_t, int> cases[] = {
        {1, 8}, {0xFFFFFFFFLL, 8}, {0x100000000LL, 10}, {0xFFFFFFFFFFLL, 10}, {1LL << 40, 12}};
    for (const auto& [size, digits] : cases) {
        VirtualStream source(size, [](std::int64_t) { return std::uint8_t{0}; });
        viewer.OpenStream(&source, false);
        viewer.SetMode(ViewerMode::Binary);
        EXPECT_EQ(probe.OffsetDigits(), digits) << size;
        EXPECT_LE(viewer.Document().Buffer().size(), 270000u);
        viewer.OpenStream(nullptr, false);
    }
}

TEST_F(BinHexSourceTest, ControlCharactersShowAsDotsOutsideTheTextModes) {
    Show(std::string("\t\r\n\x01 A\xE9", 7), ViewerMode::Binary);
    EXPECT_EQ(probe.GetChar(0), u'.');
    EXPECT_EQ(probe.GetChar(1), u'.');
    EXPECT_EQ(probe.GetChar(2), u'.');
    EXPECT_EQ(probe.GetChar(3), u'.');
    EXPECT_EQ(probe.GetChar(4), u' ');
    EXPECT_EQ(probe.GetChar(6), 0xE9);
    EXPECT_EQ(TextsAt(2), std::vector<std::wstring>{L".... A\u00E9"});

    Show(std::string("\t\r\n\x01", 4), ViewerMode::Text);
    EXPECT_EQ(probe.GetChar(0), 9);
    EXPECT_EQ(probe.GetChar(1), 13);
    EXPECT_EQ(probe.GetChar(2), 10);
    EXPECT_EQ(probe.GetChar(3), u'.');
    EXPECT_EQ(probe.GetChar(-1), u'.');
}

TEST_F(BinHexSourceTest, AFontWithLowGlyphsShowsControlBytesAsThemselves) {
    surface.canvas.firstChar = 1;
    Show(std::string("\x01\x1F", 2), ViewerMode::Binary);
    EXPECT_EQ(probe.GetChar(0), 1);
    EXPECT_EQ(probe.GetChar(1), 0x1F);
}

TEST_F(BinHexSourceTest, ABlankStaysABlankWhenTheFontReportsALaterFirstCharacter) {
    surface.canvas.firstChar = 33;
    Show(std::string("a b\x1F", 4), ViewerMode::Binary);
    EXPECT_EQ(probe.FontFirstChar(), 32);
    EXPECT_EQ(TextsAt(2), std::vector<std::wstring>{L"a b."});
}

TEST_F(BinHexSourceTest, PropertiesClampAsDocumented) {
    viewer.SetOption(&BinHexOptions::textWidthHex, 3);
    EXPECT_EQ(viewer.Options().textWidthHex, 2);
    viewer.SetOption(&BinHexOptions::textWidthHex, 17);
    EXPECT_EQ(viewer.Options().textWidthHex, 16);
    viewer.SetOption(&BinHexOptions::textWidthHex, 1000);
    EXPECT_EQ(viewer.Options().textWidthHex, 300);
    viewer.SetOption(&BinHexOptions::textWidthUHex, 9);
    EXPECT_EQ(viewer.Options().textWidthUHex, 8);
    viewer.SetOption(&BinHexOptions::textWidth, 1);
    EXPECT_EQ(viewer.Options().textWidth, 2);
    viewer.SetOption(&BinHexOptions::textWidth, 301);
    EXPECT_EQ(viewer.Options().textWidth, 300);
    viewer.SetOption(&BinHexOptions::textTabSize, 1);
    EXPECT_EQ(viewer.Options().textTabSize, 2);
    viewer.SetOption(&BinHexOptions::textTabSize, 17);
    EXPECT_EQ(viewer.Options().textTabSize, 16);
    viewer.SetOption(&BinHexOptions::textGutterLinesStep, 0);
    EXPECT_EQ(viewer.Options().textGutterLinesStep, 1);
    viewer.SetOption(&BinHexOptions::textGutterLinesStep, 11);
    EXPECT_EQ(viewer.Options().textGutterLinesStep, 10);
    viewer.SetOption(&BinHexOptions::textGutterLinesCount, 5);
    EXPECT_EQ(viewer.Options().textGutterLinesCount, 10);
    viewer.SetOption(&BinHexOptions::textGutterLinesBufSize, 100000000);
    EXPECT_EQ(viewer.Options().textGutterLinesBufSize, 20971520);
    viewer.SetOption(&BinHexOptions::textSearchIndentVert, -1);
    EXPECT_EQ(viewer.Options().textSearchIndentVert, 0);
    viewer.SetOption(&BinHexOptions::textSearchIndentHorz, 81);
    EXPECT_EQ(viewer.Options().textSearchIndentHorz, 80);

    // Switching fitting off returns the hex widths to their defaults.
    viewer.SetOption(&BinHexOptions::textWidthFitHex, true);
    viewer.SetOption(&BinHexOptions::textWidthHex, 40);
    viewer.SetOption(&BinHexOptions::textWidthFitHex, false);
    EXPECT_EQ(viewer.Options().textWidthHex, 16);
    viewer.SetOption(&BinHexOptions::textWidthFitUHex, true);
    viewer.SetOption(&BinHexOptions::textWidthUHex, 40);
    viewer.SetOption(&BinHexOptions::textWidthFitUHex, false);
    EXPECT_EQ(viewer.Options().textWidthUHex, 8);
}

TEST_F(BinHexSourceTest, RedrawingSettersRedrawOnlyOnChange) {
    Show("abc", ViewerMode::Text);
    int presents = surface.presents;
    viewer.SetOption(&BinHexOptions::textNonPrintable, false);
    viewer.SetOption(&BinHexOptions::textUrlHilight, true);
    viewer.SetOption(&BinHexOptions::textEncoding, ViewerEncoding::ANSI);
    EXPECT_EQ(surface.presents, presents);
    viewer.SetOption(&BinHexOptions::textNonPrintable, true);
    viewer.SetOption(&BinHexOptions::textOemSpecial, true);
    viewer.SetOption(&BinHexOptions::textEncoding, ViewerEncoding::OEM);
    EXPECT_EQ(surface.presents, presents + 3);
    presents = surface.presents;
    viewer.SetOption(&BinHexOptions::textGutter, true); // stores only
    EXPECT_EQ(surface.presents, presents);

    probe.SetHViewPosRaw(40);
    viewer.SetOption(&BinHexOptions::textWrap, true);
    EXPECT_EQ(probe.HViewPos(), 0);
    EXPECT_EQ(surface.presents, presents + 1);
}

TEST_F(BinHexSourceTest, OptionsSetTogetherClampDrawOnceAndReopenOnANewMode) {
    BinHexOptions options;
    options.textWidthFitHex = true;
    viewer.SetOptions(options);
    Show(std::string(1000, 'x'), ViewerMode::Text);
    probe.SetSelectionRaw(3, 4);

    // Fitting off together with a width keeps that width; the mode change reopens the source.
    options = viewer.Options();
    options.textWidthFitHex = false;
    options.textWidthHex = 26;
    options.textTabSize = 99;
    options.textNonPrintable = true;
    options.textEncoding = ViewerEncoding::OEM;
    options.mode = ViewerMode::Hex;
    const int presents = surface.presents;
    viewer.SetOptions(options);
    EXPECT_EQ(viewer.Options().textWidthHex, 24);
    EXPECT_EQ(viewer.Options().textTabSize, 16);
    EXPECT_EQ(viewer.Options().mode, ViewerMode::Hex);
    EXPECT_EQ(probe.SelLength(), 0);
    EXPECT_EQ(surface.presents, presents + 1);

    // The options as they are change nothing and draw nothing, not even the mode.
    probe.SetSelectionRaw(3, 4);
    viewer.SetOptions(viewer.Options());
    EXPECT_EQ(probe.SelLength(), 4);
    EXPECT_EQ(surface.presents, presents + 1);
}

TEST_F(BinHexSourceTest, InvariantChecksCarryTheirTexts) {
    Show(std::string(100, 'x'), ViewerMode::Hex);
    try {
        probe.SetViewPosRaw(90001);
        viewer.Redraw();
        FAIL() << "no assertion";
    } catch (const AssertionFailure& failure) {
        EXPECT_EQ(failure.Text(),
                  L"Positions out of range: DrawTo\rBufferPos: 0, ViewPos: 90001, BufMaxOffset: "
                  L"45000");
        EXPECT_NE(failure.Message().find(L"ZorvBinHex"), std::wstring::npos);
    }
    probe.SetViewPosRaw(0);

    VirtualStream big(1000000, [](std::int64_t) { return std::uint8_t{1}; });
    viewer.OpenStream(&big, false);
    viewer.SetMode(ViewerMode::Hex);
    EXPECT_THROW(
        {
            try {
                probe.GetChar(500000);
            } catch (const AssertionFailure& failure) {
                EXPECT_EQ(failure.Text(), L"Buffer position out of range: GetChar");
                throw;
            }
        },
        AssertionFailure);
    EXPECT_THROW(viewer.Document().HexAt(500000), AssertionFailure);

    surface.pictureMissing = true;
    EXPECT_THROW(viewer.Redraw(), AssertionFailure);
    surface.pictureMissing = false;

    viewer.OpenStream(nullptr, false);
    std::uint8_t block[4];
    try {
        (void)viewer.Document().Read(0, block);
        FAIL() << "no assertion";
    } catch (const AssertionFailure& failure) {
        EXPECT_EQ(failure.Text(), L"Source not assigned: ReadSource");
    }
}

} // namespace
} // namespace tavrix::testing
