#include "clipboard/ClipboardFileWriter.h"
#include "base/Error.h"
#include "clipboard/MemoryDataStream.h"

#include "ClipFileTestKit.h"

#include <algorithm>

namespace tavrix {
namespace {

using testing::Bytes;
using testing::ClipFileTest;
using testing::RecordFormats;

class ClipboardWriter : public ClipFileTest {
protected:
    Bytes Save(std::uint32_t limit = MaxSavedFormatSize) {
        MemoryDataStream stream;
        result = SaveClipboardToStream(port, stream, limit);
        return stream.Bytes();
    }
    bool Contains(const std::vector<ClipFormat>& formats, ClipFormat format) {
        return std::find(formats.begin(), formats.end(), format) != formats.end();
    }
    bool result = false;
};

// Fails every write once a number of bytes went through, like a disk that fills up.
class FillingStream : public MemoryDataStream {
public:
    explicit FillingStream(std::size_t room) : room_(room) {}
    void Write(std::span<const std::uint8_t> bytes) override {
        if (Size() + bytes.size() > room_) {
            throw Error(L"Disk full");
        }
        MemoryDataStream::Write(bytes);
    }

private:
    std::size_t room_;
};

TEST_F(ClipboardWriter, WritesTheWorkedExamplesByteForByte) {
    fake.PutText(cf::Text, "abc");
    EXPECT_EQ(Save(), (Bytes{0x01, 0x00, 0x04, 0x00, 0x00, 0x00, 0x61, 0x62, 0x63, 0x00}));
    EXPECT_TRUE(result);

    fake.Put(cf::UnicodeText, {0x61, 0, 0x62, 0, 0x63, 0, 0, 0});
    EXPECT_EQ(Save(),
              (Bytes{0x01, 0x00, 0x04, 0x00, 0x00, 0x00, 0x61, 0x62, 0x63, 0x00, 0x0D, 0x00,
                     0x08, 0x00, 0x00, 0x00, 0x61, 0x00, 0x62, 0x00, 0x63, 0x00, 0x00, 0x00}));
    EXPECT_TRUE(result);
    EXPECT_FALSE(fake.isOpen);
    EXPECT_EQ(port.Depth(), 0);
}

TEST_F(ClipboardWriter, EmptyClipboardGivesNoBytesAndTrue) {
    EXPECT_TRUE(Save().empty());
    EXPECT_TRUE(result);
}

TEST_F(ClipboardWriter, AppendsAtTheStreamsPositionAndKeepsLargeFormatNumbers) {
    fake.Put(0xC0DE, {7, 8});
    MemoryDataStream stream(Bytes{1, 2, 3});
    stream.Seek(3);
    EXPECT_TRUE(SaveClipboardToStream(port, stream, MaxSavedFormatSize));
    EXPECT_EQ(stream.Bytes(), (Bytes{1, 2, 3, 0xDE, 0xC0, 2, 0, 0, 0, 7, 8}));
}

TEST_F(ClipboardWriter, NamedRegisteredFormatPutsANameTableFirst) {
    const ClipFormat empty = fake.RegisterFormat(L"Tavrix Empty");
    fake.Put(cf::Dif, {5});
    fake.Put(HtmlFormat, {7});
    fake.Put(0xC0DE, {8}); // registered range, but no name in this session
    fake.Put(empty, {});   // gives no record, so it is not listed
    const Bytes file = Save();
    EXPECT_TRUE(result);
    EXPECT_EQ(RecordFormats(file), (std::vector<ClipFormat>{cf::Dif, HtmlFormat, 0xC0DE}));
    const Bytes table{
        'C',  'L', '7', 'N', 1,   0,   1,   0,   static_cast<std::uint8_t>(HtmlFormat),
        0xC0, 11,  0,   'H', 0,   'T', 0,   'M', 0,
        'L',  0,   ' ', 0,   'F', 0,   'o', 0,   'r',
        0,    'm', 0,   'a', 0,   't', 0};
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 6 + 34), testing::Record(0, table));
}

TEST_F(ClipboardWriter, HeldClipboardGivesFalseAndWritesNothing) {
    fake.PutText(cf::Text, "abc");
    fake.heldByOther = true;
    EXPECT_TRUE(Save().empty());
    EXPECT_FALSE(result);
    EXPECT_EQ(port.Depth(), 0);
}

TEST_F(ClipboardWriter, StreamThatCannotGrowEndsTheSaveWithFalseAndClosesTheClipboard) {
    fake.Put(0xC100, Bytes(100, 1));
    fake.Put(0xC101, Bytes(100, 2));
    FillingStream stream(150);
    EXPECT_FALSE(SaveClipboardToStream(port, stream, MaxSavedFormatSize));
    EXPECT_FALSE(fake.isOpen);
    EXPECT_EQ(port.Depth(), 0);
    EXPECT_EQ(stream.Size(), 112u); // the first record and the header of the second
}

TEST_F(ClipboardWriter, FormatsWithoutReadableDataAreLeftOutQuietly) {
    fake.PutUnrendered(0xC200);  // no handle
    fake.PutHandle(cf::Palette); // no memory block
    fake.Put(0xC201, {});        // empty block
    fake.Put(cf::Dif, {5});
    const auto formats = RecordFormats(Save());
    EXPECT_TRUE(result);
    EXPECT_EQ(formats, (std::vector<ClipFormat>{cf::Dif}));
}

TEST_F(ClipboardWriter, LimitIsExclusive) {
    fake.Put(0xC300, Bytes(9, 0xAA));
    fake.Put(0xC301, Bytes(10, 0xBB));
    fake.Put(0xC302, Bytes(11, 0xCC));
    const Bytes file = Save(10);
    EXPECT_TRUE(result);
    EXPECT_EQ(file.size(), 15u);
    EXPECT_EQ(RecordFormats(file), (std::vector<ClipFormat>{0xC300}));
}

TEST_F(ClipboardWriter, EmbedSourceAndNativeAreNeverWrittenButWhatFollowsIs) {
    const ClipFormat embed = fake.RegisterFormat(L"Embed Source");
    const ClipFormat native = fake.RegisterFormat(L"Native");
    const ClipFormat nativeLower = fake.RegisterFormat(L"native");
    const ClipFormat embedBlank = fake.RegisterFormat(L"Embed Source ");
    fake.Put(embed, {1});
    fake.Put(cf::Dif, {2});
    fake.Put(native, {3});
    fake.Put(cf::Sylk, {4});
    fake.Put(nativeLower, {5});
    fake.Put(embedBlank, {6});
    EXPECT_EQ(RecordFormats(Save()),
              (std::vector<ClipFormat>{cf::Dif, cf::Sylk, nativeLower, embedBlank}));
}

// Puts the eight formats whose presence makes a reduced save, except one, plus the formats that
// a reduced save leaves out.
class ReducedSave : public ClipboardWriter {
protected:
    void Fill(ClipFormat missing) {
        const ClipFormat set[] = {cf::EnhMetafile, cf::Bitmap, cf::Sylk,   cf::UnicodeText,
                                  cf::Text,        cf::DibV5,  HtmlFormat, RtfFormat};
        for (ClipFormat format : set) {
            if (format == cf::EnhMetafile && format != missing) {
                fake.PutMetafile({.format = format, .bits = testing::EnhancedMetafileBits()});
            } else if (format != missing) {
                fake.Put(format, {static_cast<std::uint8_t>(format)});
            }
        }
        dataObject = fake.RegisterFormat(L"DataObject");
        olePrivate = fake.RegisterFormat(L"Ole Private Data");
        fake.PutMetafile({.format = cf::MetafilePict, .bits = testing::WindowsMetafileBits()});
        fake.Put(dataObject, {9});
        fake.Put(olePrivate, {9});
    }
    ClipFormat dataObject = 0, olePrivate = 0;
};

TEST_F(ReducedSave, AllEightPresentLeavesOutAlternativeRenderings) {
    Fill(0);
    const auto formats = RecordFormats(Save());
    EXPECT_FALSE(Contains(formats, cf::MetafilePict));
    EXPECT_FALSE(Contains(formats, cf::EnhMetafile));
    EXPECT_FALSE(Contains(formats, dataObject));
    EXPECT_FALSE(Contains(formats, olePrivate));
    EXPECT_EQ(formats, (std::vector<ClipFormat>{cf::Bitmap, cf::Sylk, cf::UnicodeText, cf::Text,
                                                cf::DibV5, HtmlFormat, RtfFormat}));
}

TEST_F(ReducedSave, AnyOneMissingWritesThemAll) {
    const ClipFormat set[] = {cf::EnhMetafile, cf::Bitmap, cf::Sylk,   cf::UnicodeText,
                              cf::Text,        cf::DibV5,  HtmlFormat, RtfFormat};
    for (ClipFormat missing : set) {
        fake.Reset();
        Fill(missing);
        const auto formats = RecordFormats(Save());
        SCOPED_TRACE(missing);
        EXPECT_TRUE(Contains(formats, cf::MetafilePict));
        EXPECT_EQ(Contains(formats, cf::EnhMetafile), missing != cf::EnhMetafile);
        EXPECT_TRUE(Contains(formats, dataObject));
        EXPECT_TRUE(Contains(formats, olePrivate));
        EXPECT_EQ(formats.size(), 10u);
    }
}

TEST_F(ClipboardWriter, BitmapFollowsTheWindowsSevenFlagAndMetafilesAreSavedByTheirBits) {
    fake.Put(cf::Bitmap, {2});
    fake.PutMetafile({.format = cf::EnhMetafile, .bits = testing::EnhancedMetafileBits()});
    fake.Put(cf::Dif, {5});
    SetWin7OrLater(false);
    EXPECT_EQ(RecordFormats(Save()),
              (std::vector<ClipFormat>{cf::Bitmap, cf::EnhMetafile, cf::Dif}));
    SetWin7OrLater(true);
    EXPECT_EQ(RecordFormats(Save()), (std::vector<ClipFormat>{cf::EnhMetafile, cf::Dif}));
}

TEST_F(ClipboardWriter, MetafilesBecomeMetafileRecordsInTheirPlace) {
    const SavedMetafile picture{.format = cf::MetafilePict,
                                .mapMode = 8,
                                .xExt = 2540,
                                .yExt = 1270,
                                .bits = testing::WindowsMetafileBits(3)};
    const SavedMetafile enhanced{.format = cf::EnhMetafile,
                                 .bits = testing::EnhancedMetafileBits(14)};
    fake.PutText(cf::Text, "a");
    fake.PutMetafile(enhanced);
    fake.PutMetafile(picture);
    fake.PutUnrendered(cf::DspMetafilePict); // no bits: no record
    fake.Put(cf::Dif, {5});
    EXPECT_EQ(Save(), testing::Concat({testing::Record(cf::Text, {'a', 0}),
                                       testing::Record(0, EncodeMetafileRecord(enhanced)),
                                       testing::Record(0, EncodeMetafileRecord(picture)),
                                       testing::Record(cf::Dif, {5})}));
    EXPECT_TRUE(result);
    // The limit counts the record's data.
    const std::uint32_t size = static_cast<std::uint32_t>(EncodeMetafileRecord(enhanced).size());
    fake.Reset();
    fake.PutMetafile(enhanced);
    EXPECT_TRUE(Save(size).empty());
    EXPECT_EQ(RecordFormats(Save(size + 1)), (std::vector<ClipFormat>{cf::EnhMetafile}));
}

TEST_F(ClipboardWriter, ProcessesMessagesBeforeEachWrittenFormat) {
    fake.Put(0xC400, {1});
    fake.Put(0xC401, {2});
    const ClipFormat native = fake.RegisterFormat(L"Native");
    fake.Put(native, {3});
    int depthDuringPump = -1;
    platform.onProcessMessages = [&] { depthDuringPump = port.Depth(); };
    Save();
    EXPECT_EQ(platform.messagePumps, 2); // not for the skipped format
    EXPECT_EQ(depthDuringPump, 1);       // the clipboard stays ours meanwhile
}

TEST(ClipboardFileName, GainsTheExtensionOnlyWhenTheLastPartHasNoDot) {
    EXPECT_EQ(WithClipboardFileExtension(L"dump"), L"dump.cl7");
    EXPECT_EQ(WithClipboardFileExtension(L"dump.bin"), L"dump.bin");
    EXPECT_EQ(WithClipboardFileExtension(L"dump.cl7"), L"dump.cl7");
    EXPECT_EQ(WithClipboardFileExtension(L"C:\\my.files\\dump"), L"C:\\my.files\\dump.cl7");
    EXPECT_EQ(WithClipboardFileExtension(L"/tmp/a.b/dump"), L"/tmp/a.b/dump.cl7");
    EXPECT_EQ(WithClipboardFileExtension(L"C:dump"), L"C:dump.cl7");
    EXPECT_EQ(WithClipboardFileExtension(L"dump."), L"dump.");
}

} // namespace
} // namespace tavrix
