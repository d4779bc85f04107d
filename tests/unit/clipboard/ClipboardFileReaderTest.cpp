#include "clipboard/ClipboardFileReader.h"
#include "clipboard/ClipboardFileWriter.h"
#include "clipboard/MemoryDataStream.h"

#include "ClipFileTestKit.h"

namespace tavrix {
namespace {

using testing::Bytes;
using testing::ClipFileTest;
using testing::Concat;
using testing::FakeClipboard;
using testing::Record;

// Records the size of every block the reader asks for.
class SpyClipboard : public FakeClipboard {
public:
    bool PlaceData(ClipFormat format, std::size_t size, const BlockFiller& fill) override {
        blockSizes.push_back(size);
        return FakeClipboard::PlaceData(format, size, fill);
    }
    // "Another program" takes the clipboard right after it was emptied.
    bool Empty() override {
        const bool emptied = FakeClipboard::Empty();
        heldByOther = heldByOther || takeAfterEmpty;
        return emptied;
    }
    std::vector<std::size_t> blockSizes;
    bool takeAfterEmpty = false;
};

class ClipboardReader : public ClipFileTest {
protected:
    ClipboardReader() : spyPort(spy) { RegisterStartupFormats(spy); }
    bool Load(const Bytes& file) {
        MemoryDataStream stream(file);
        return LoadClipboardFromStream(spyPort, stream);
    }
    Bytes Data(ClipFormat format) {
        const auto* entry = spy.Find(format);
        return entry == nullptr ? Bytes{} : entry->bytes;
    }
    SpyClipboard spy;
    ClipboardPort spyPort;
};

TEST_F(ClipboardReader, EmptyFileEmptiesTheClipboard) {
    spy.PutText(cf::Text, "old");
    EXPECT_TRUE(Load({}));
    EXPECT_EQ(spy.CountFormats(), 0);
    EXPECT_EQ(spy.emptyCalls, 1);
    EXPECT_FALSE(spy.isOpen);
    EXPECT_EQ(spyPort.Depth(), 0);
}

TEST_F(ClipboardReader, PlacesRecordsInFileOrderUnderTheirStoredNumbers) {
    // 0xC777 has no name in this session; the data comes back under that number anyway.
    EXPECT_TRUE(Load(Concat(
        {Record(cf::Text, {'a', 'b', 'c', 0}), Record(0xC777, {1, 2, 3}), Record(cf::Dif, {9})})));
    ASSERT_EQ(spy.Entries().size(), 3u);
    EXPECT_EQ(spy.Entries()[0].format, cf::Text);
    EXPECT_EQ(spy.Entries()[1].format, 0xC777);
    EXPECT_EQ(spy.Entries()[2].format, cf::Dif);
    EXPECT_EQ(Data(cf::Text), (Bytes{'a', 'b', 'c', 0}));
    EXPECT_EQ(Data(0xC777), (Bytes{1, 2, 3}));
}

TEST_F(ClipboardReader, SizeBeyondTheRestIsNeitherAllocatedNorPlaced) {
    spy.PutText(cf::Text, "old");
    Bytes file = Record(0xC001, {1, 2, 3, 4});
    file[2] = 5; // claims 5 bytes, 4 follow
    EXPECT_TRUE(Load(file));
    EXPECT_EQ(spy.CountFormats(), 0);
    EXPECT_TRUE(spy.blockSizes.empty());

    // A huge size after a good record: the good one stays, nothing is allocated for the other.
    Bytes lying = Concat({Record(cf::Dif, {7}), Record(0xC002, {1})});
    lying[9] = lying[10] = lying[11] = 0xFF;
    EXPECT_TRUE(Load(lying));
    EXPECT_EQ(Data(cf::Dif), (Bytes{7}));
    EXPECT_EQ(spy.CountFormats(), 1);
    EXPECT_EQ(spy.blockSizes, (std::vector<std::size_t>{1}));
}

TEST_F(ClipboardReader, ZeroSizeRecordIsSkippedAndTheNextOnePlaced) {
    EXPECT_TRUE(Load(Concat({Record(0xC010, {}), Record(0xC011, {4, 5})})));
    EXPECT_EQ(spy.Find(0xC010), nullptr);
    EXPECT_EQ(Data(0xC011), (Bytes{4, 5}));
}

TEST_F(ClipboardReader, LaterRecordOfTheSameFormatWins) {
    EXPECT_TRUE(Load(Concat({Record(cf::Dif, {1}), Record(cf::Dif, {2, 2})})));
    EXPECT_EQ(spy.CountFormats(), 1);
    EXPECT_EQ(Data(cf::Dif), (Bytes{2, 2}));
}

TEST_F(ClipboardReader, ShortHeaderAtTheEndKeepsTheRecordsBefore) {
    for (std::size_t extra = 1; extra < 6; ++extra) {
        Bytes file = Record(cf::Dif, {1});
        file.insert(file.end(), extra, 0x20);
        EXPECT_TRUE(Load(file));
        EXPECT_EQ(spy.CountFormats(), 1) << extra;
    }
}

TEST_F(ClipboardReader, AnyFileIsReadAsRecords) {
    // Plain text: "AB" is format 0x4241, then a size of 3 and "xyz", then a short header.
    const std::string text("AB\x03\x00\x00\x00xyz\r\n", 11);
    spy.PutText(cf::Text, "old");
    EXPECT_TRUE(Load(Bytes(text.begin(), text.end())));
    EXPECT_EQ(spy.CountFormats(), 1);
    EXPECT_EQ(Data(0x4241), (Bytes{'x', 'y', 'z'}));
}

TEST_F(ClipboardReader, HeldClipboardGivesFalseAndLeavesItUnchanged) {
    spy.PutText(cf::Text, "old");
    spy.heldByOther = true;
    EXPECT_FALSE(Load(Record(cf::Dif, {1})));
    spy.heldByOther = false;
    EXPECT_EQ(spy.CountFormats(), 1);
    EXPECT_NE(spy.Find(cf::Text), nullptr);
    EXPECT_EQ(spyPort.Depth(), 0);
}

TEST_F(ClipboardReader, ClipboardTakenAfterEmptyingGivesFalseAndStaysEmpty) {
    spy.PutText(cf::Text, "old");
    spy.takeAfterEmpty = true;
    EXPECT_FALSE(Load(Record(cf::Dif, {1})));
    EXPECT_EQ(spy.CountFormats(), 0);
    EXPECT_EQ(spyPort.Depth(), 0);
}

TEST_F(ClipboardReader, BitmapAndEnhancedMetafileRecordsFollowTheWindowsSevenFlag) {
    const Bytes file =
        Concat({Record(cf::Bitmap, {2}), Record(cf::EnhMetafile, {14}), Record(cf::Dif, {5})});
    SetWin7OrLater(true);
    EXPECT_FALSE(IsFormatWanted(cf::Bitmap));
    EXPECT_FALSE(IsFormatWanted(cf::EnhMetafile));
    EXPECT_TRUE(Load(file));
    EXPECT_EQ(spy.CountFormats(), 1);
    EXPECT_EQ(Data(cf::Dif), (Bytes{5}));
    EXPECT_TRUE(spy.blockSizes == (std::vector<std::size_t>{1})); // discarded without a block

    SetWin7OrLater(false);
    spy.blockSizes.clear();
    EXPECT_TRUE(Load(file));
    EXPECT_EQ(spy.CountFormats(), 3);
    EXPECT_EQ(Data(cf::EnhMetafile), (Bytes{14}));
}

TEST_F(ClipboardReader, MetafileRecordsArePlacedInTheirPlaceAndStalePicturesNever) {
    const SavedMetafile enhanced{.format = cf::EnhMetafile,
                                 .bits = testing::EnhancedMetafileBits(1)};
    const SavedMetafile picture{.format = cf::MetafilePict,
                                .mapMode = 8,
                                .xExt = 10,
                                .yExt = 20,
                                .bits = testing::WindowsMetafileBits(2)};
    Bytes cut = EncodeMetafileRecord(enhanced);
    cut.pop_back();
    const Bytes garbage{'C', 'L', '7', 'P', 1, 0, 14, 0, 0xA5, 0xA5};
    // A metafile record first in the file is no name table.
    EXPECT_TRUE(Load(
        Concat({Record(0, EncodeMetafileRecord(enhanced)),
                Record(cf::MetafilePict, Bytes(16, 7)), // a stale handle
                Record(cf::DspMetafilePict, Bytes(16, 7)), Record(cf::DspEnhMetafile, Bytes(8, 7)),
                Record(0, cut), Record(cf::Text, {'a', 0}), Record(0, garbage), Record(0, {1, 2}),
                Record(0, EncodeMetafileRecord(picture)), Record(cf::Dif, {5})})));
    ASSERT_EQ(spy.Entries().size(), 4u);
    EXPECT_EQ(spy.Entries()[0].metafile, enhanced);
    EXPECT_EQ(spy.Entries()[1].format, cf::Text);
    EXPECT_EQ(spy.Entries()[2].metafile, picture);
    EXPECT_EQ(spy.Entries()[3].format, cf::Dif);
    EXPECT_EQ(spy.blockSizes, (std::vector<std::size_t>{2, 1})); // the stale blocks were not made
    EXPECT_TRUE(platform.messageBoxes.empty()); // nothing said about the left-out records
}

TEST_F(ClipboardReader, RecordTheClipboardRefusesIsLeftOutAndTheLoadGoesOn) {
    // A block that cannot be made or placed ends neither the load nor the result.
    class Refusing : public SpyClipboard {
    public:
        bool SetData(ClipFormat format, std::span<const std::uint8_t> bytes) override {
            return format != 0xC0FF && FakeClipboard::SetData(format, bytes);
        }
    } refusing;
    ClipboardPort refusingPort(refusing);
    MemoryDataStream stream(Concat({Record(0xC0FF, {1, 1}), Record(cf::Dif, {3})}));
    EXPECT_TRUE(LoadClipboardFromStream(refusingPort, stream));
    EXPECT_EQ(refusing.CountFormats(), 1);
    EXPECT_NE(refusing.Find(cf::Dif), nullptr);
}

TEST_F(ClipboardReader, ProcessesMessagesBeforeEachRecordWithTheClipboardOpen) {
    int depth = -1;
    platform.onProcessMessages = [&] { depth = spyPort.Depth(); };
    EXPECT_TRUE(Load(Concat({Record(cf::Dif, {1}), Record(cf::Sylk, {2}), Record(0xC020, {})})));
    EXPECT_EQ(platform.messagePumps, 3);
    EXPECT_EQ(depth, 1);
}

// A session that registered other names first: every name gets another number than it had in
// the session that saved the file.
TEST_F(ClipboardReader, NamedFormatsComeBackUnderTheirNumbersInThisSession) {
    fake.Put(HtmlFormat, {1, 2});
    fake.Put(0xC777, {3}); // no name: loads by number
    fake.Put(cf::Dif, {4});
    MemoryDataStream saved;
    ASSERT_TRUE(SaveClipboardToStream(port, saved, MaxSavedFormatSize));

    FakeClipboard later;
    later.RegisterFormat(L"Tavrix Other");
    later.RegisterFormat(L"Tavrix Another");
    ClipboardPort laterPort(later);
    saved.Seek(0);
    EXPECT_TRUE(LoadClipboardFromStream(laterPort, saved));
    const ClipFormat html = later.RegisterFormat(L"HTML Format");
    ASSERT_NE(html, HtmlFormat);
    ASSERT_EQ(later.Entries().size(), 3u);
    EXPECT_EQ(later.Entries()[0].format, html);
    EXPECT_EQ(later.Entries()[0].bytes, (Bytes{1, 2}));
    EXPECT_EQ(later.Entries()[1].format, 0xC777);
    EXPECT_EQ(later.Entries()[2].format, cf::Dif);
}

TEST_F(ClipboardReader, MalformedNameTableIsIgnoredAndRecordsLoadByNumber) {
    // A well-formed table would move 0xC000 to the number of "Tavrix Moved".
    const Bytes good{'C', 'L', '7', 'N', 1, 0, 1, 0, 0x00, 0xC0, 2, 0, 'M', 0, 'v', 0};
    const auto broken = [&](std::size_t at, std::uint8_t value) {
        Bytes table = good;
        table[at] = value;
        return table;
    };
    Bytes trailing = good;
    trailing.push_back(0);
    Bytes cut = good;
    cut.pop_back();
    const Bytes tables[] = {broken(3, 'X'), broken(4, 2), broken(6, 2), broken(10, 3),
                            trailing,       cut,          {'C', 'L'}};
    for (const Bytes& table : tables) {
        SCOPED_TRACE(::testing::PrintToString(table));
        EXPECT_TRUE(Load(Concat({Record(0, table), Record(0xC000, {1})})));
        ASSERT_EQ(spy.Entries().size(), 1u);
        EXPECT_EQ(Data(0xC000), (Bytes{1}));
    }
    EXPECT_TRUE(Load(Concat({Record(0, good), Record(0xC000, {1})})));
    EXPECT_EQ(Data(spy.RegisterFormat(L"Mv")), (Bytes{1}));
    EXPECT_EQ(spy.Entries().size(), 1u);
}

TEST(CommandLineFileName, TrimsCharactersUpToBlankAtBothEnds) {
    EXPECT_EQ(TrimControlCharacters(L" \t\r\n C:\\a b.cl7 \x01\x20"), L"C:\\a b.cl7");
    EXPECT_EQ(TrimControlCharacters(L"   "), L"");
    EXPECT_EQ(TrimControlCharacters(L""), L"");
    EXPECT_EQ(TrimControlCharacters(L"x"), L"x");
    EXPECT_EQ(TrimControlCharacters(L"\x21x\x21"), L"\x21x\x21");
}

} // namespace
} // namespace tavrix
