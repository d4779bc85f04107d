// The clipboard file routines against Wine's real clipboard and file system.
#include "base/Error.h"
#include "base/win32/KernelHandles.h"
#include "clipboard/ClipboardFileReader.h"
#include "clipboard/ClipboardFileWriter.h"
#include "clipboard/ClipboardNameTable.h"
#include "clipboard/MemoryDataStream.h"
#include "clipboard/MetafileRecord.h"

#include "ClipboardFileFixture.h"
#include "support/HelperProcess.h"

#include <algorithm>
#include <span>
#include <tuple>

namespace tavrix::win32 {
namespace {

using testing::Bytes;
using testing::ClipboardFileFixture;
using testing::FileBytes;
using testing::Pattern;
using testing::WriteFileBytes;

// A metafile record counts as its metafile's format.
std::vector<ClipFormat> RecordFormats(const Bytes& file) {
    std::vector<ClipFormat> formats;
    std::size_t at = 0;
    while (at + kRecordHeaderSize <= file.size()) {
        const std::size_t size = DecodeRecordSize(file.data() + at + 2);
        const auto data = std::span(file)
                              .subspan(at + kRecordHeaderSize)
                              .first(std::min(size, file.size() - at - kRecordHeaderSize));
        const auto metafile = ParseMetafileRecord(data);
        formats.push_back(metafile ? metafile->format : DecodeRecordFormat(file.data() + at));
        at += kRecordHeaderSize + size;
    }
    EXPECT_EQ(at, file.size());
    return formats;
}

bool Contains(const std::vector<ClipFormat>& formats, UINT format) {
    return std::find(formats.begin(), formats.end(), format) != formats.end();
}

using ClipboardFileOnWine = ClipboardFileFixture;

TEST_F(ClipboardFileOnWine, SavedFormatsComeBackByteForByteUnderTheirNumbers) {
    const UINT alpha = RegisterClipboardFormatW(L"Tavrix Test Alpha");
    const UINT beta = RegisterClipboardFormatW(L"Tavrix Test Beta");
    const Bytes big = Pattern(300'000, 1);
    const Bytes unicode{'h', 0, 0xE9, 0, 'l', 0, 0, 0};
    Put({{alpha, big}, {CF_UNICODETEXT, unicode}, {beta, {42}}, {CF_DIF, Pattern(77, 2)}});
    const std::wstring path = folder + L"round";
    ASSERT_TRUE(SaveClipboardToFile(port, files, path));
    const Bytes file = FileBytes(path + L".cl7");
    const auto formats = RecordFormats(file);
    EXPECT_TRUE(Contains(formats, alpha) && Contains(formats, beta) &&
                Contains(formats, CF_UNICODETEXT) && Contains(formats, CF_DIF));

    Put({{CF_SYLK, {1, 2}}});
    LoadClipboardFromFile(port, files, path + L".cl7");
    EXPECT_EQ(Get(alpha), big);
    EXPECT_EQ(Get(beta), Bytes{42});
    EXPECT_EQ(Get(CF_UNICODETEXT), unicode);
    EXPECT_EQ(Get(CF_DIF), Pattern(77, 2));
    EXPECT_TRUE(Get(CF_SYLK).empty()); // the load emptied the clipboard first
    EXPECT_EQ(RegisterClipboardFormatW(L"Tavrix Test Alpha"), alpha);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(FileCount(), 1);
}

TEST_F(ClipboardFileOnWine, PlainTextGivesTheWorkedExampleRecordFirst) {
    Put({{CF_TEXT, {'a', 'b', 'c', 0}}});
    MemoryDataStream stream;
    ASSERT_TRUE(SaveClipboardToStream(port, stream, MaxSavedFormatSize));
    const Bytes& file = stream.Bytes();
    ASSERT_GE(file.size(), 10u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 10),
              (Bytes{0x01, 0x00, 0x04, 0x00, 0x00, 0x00, 0x61, 0x62, 0x63, 0x00}));
    // The Unicode text that Wine derives from it is saved as a record of its own.
    EXPECT_TRUE(Contains(RecordFormats(file), CF_UNICODETEXT));
}

TEST_F(ClipboardFileOnWine, EmbedSourceAndNativeAreLeftOutAndTheFormatsAfterThemKept) {
    const UINT embed = RegisterClipboardFormatW(L"Embed Source");
    const UINT native = RegisterClipboardFormatW(L"Native");
    Put({{embed, {1}}, {CF_DIF, {2}}, {native, {3}}, {CF_SYLK, {4}}});
    MemoryDataStream stream;
    ASSERT_TRUE(SaveClipboardToStream(port, stream, MaxSavedFormatSize));
    const auto formats = RecordFormats(stream.Bytes());
    EXPECT_FALSE(Contains(formats, embed));
    EXPECT_FALSE(Contains(formats, native));
    EXPECT_TRUE(Contains(formats, CF_DIF));
    EXPECT_TRUE(Contains(formats, CF_SYLK));
}

// A real clipboard with all eight formats of a reduced save (or all but SYLK), with the
// alternative renderings that a reduced save leaves out.
class ReducedSaveOnWine : public ClipboardFileFixture {
protected:
    void Fill(bool withSylk) {
        dataObject = RegisterClipboardFormatW(L"DataObject");
        olePrivate = RegisterClipboardFormatW(L"Ole Private Data");
        ASSERT_TRUE(OpenClipboard(owner));
        EmptyClipboard();
        HDC screen = GetDC(nullptr);
        SetClipboardData(CF_BITMAP, CreateCompatibleBitmap(screen, 4, 4));
        ReleaseDC(nullptr, screen);
        HDC emf = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
        Rectangle(emf, 0, 0, 10, 10);
        SetClipboardData(CF_ENHMETAFILE, CloseEnhMetaFile(emf));
        HDC wmf = CreateMetaFileW(nullptr);
        Rectangle(wmf, 0, 0, 10, 10);
        HGLOBAL pict = GlobalAlloc(GMEM_MOVEABLE, sizeof(METAFILEPICT));
        auto* mfp = static_cast<METAFILEPICT*>(GlobalLock(pict));
        *mfp = METAFILEPICT{MM_ANISOTROPIC, 100, 100, CloseMetaFile(wmf)};
        GlobalUnlock(pict);
        SetClipboardData(CF_METAFILEPICT, pict);
        BITMAPV5HEADER header{};
        header.bV5Size = sizeof(header);
        header.bV5Width = 2;
        header.bV5Height = 2;
        header.bV5Planes = 1;
        header.bV5BitCount = 32;
        header.bV5Compression = BI_RGB;
        Bytes dib(sizeof(header) + 16, 0x80);
        std::memcpy(dib.data(), &header, sizeof(header));
        SetBytes(CF_DIBV5, dib);
        if (withSylk) {
            SetBytes(CF_SYLK, {'I', 'D', 0});
        }
        SetBytes(CF_UNICODETEXT, {'x', 0, 0, 0});
        SetBytes(CF_TEXT, {'x', 0});
        SetBytes(HtmlFormat, {'<', 'b', '>', 0});
        SetBytes(RtfFormat, {'{', '}', 0});
        SetBytes(dataObject, {1, 2, 3, 4});
        SetBytes(olePrivate, {5, 6, 7, 8});
        CloseClipboard();
    }
    void SetBytes(UINT format, const Bytes& bytes) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
        std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
        GlobalUnlock(block);
        ASSERT_NE(SetClipboardData(format, block), nullptr) << format;
    }
    std::vector<ClipFormat> SavedFormats() {
        MemoryDataStream stream;
        EXPECT_TRUE(SaveClipboardToStream(port, stream, MaxSavedFormatSize));
        return RecordFormats(stream.Bytes());
    }
    UINT dataObject = 0, olePrivate = 0;
};

TEST_F(ReducedSaveOnWine, AllEightPresentLeavesOutMetafilesAndOleData) {
    Fill(true);
    const auto formats = SavedFormats();
    EXPECT_FALSE(Contains(formats, CF_METAFILEPICT));
    EXPECT_FALSE(Contains(formats, CF_ENHMETAFILE));
    EXPECT_FALSE(Contains(formats, dataObject));
    EXPECT_FALSE(Contains(formats, olePrivate));
    EXPECT_FALSE(Contains(formats, CF_BITMAP));
    EXPECT_TRUE(Contains(formats, CF_SYLK));
    EXPECT_TRUE(Contains(formats, CF_DIBV5));
    EXPECT_TRUE(Contains(formats, HtmlFormat));
    EXPECT_TRUE(Contains(formats, RtfFormat));
}

TEST_F(ReducedSaveOnWine, OneMissingKeepsMetafilePictureAndOleData) {
    Fill(false);
    const auto formats = SavedFormats();
    EXPECT_TRUE(Contains(formats, CF_METAFILEPICT));
    EXPECT_TRUE(Contains(formats, dataObject));
    EXPECT_TRUE(Contains(formats, olePrivate));
    EXPECT_FALSE(Contains(formats, CF_BITMAP));     // Windows 7 or later (and a handle)
    EXPECT_TRUE(Contains(formats, CF_ENHMETAFILE)); // saved by its bits
}

// Both kinds of metafile come back from their bits, the picture with its frame; the bits Wine
// hands out again are those it was given.
TEST_F(ReducedSaveOnWine, MetafilesComeBackByTheirBits) {
    Fill(false);
    const auto bits = [&] {
        EXPECT_TRUE(OpenClipboard(owner));
        auto* enhanced = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE));
        const auto* picture =
            static_cast<const METAFILEPICT*>(GlobalLock(GetClipboardData(CF_METAFILEPICT)));
        const bool offered = enhanced != nullptr && picture != nullptr;
        Bytes emf(offered ? GetEnhMetaFileBits(enhanced, 0, nullptr) : 0);
        Bytes wmf(offered ? GetMetaFileBitsEx(picture->hMF, 0, nullptr) : 0);
        std::vector<LONG> frame;
        if (offered) {
            GetEnhMetaFileBits(enhanced, static_cast<UINT>(emf.size()), emf.data());
            GetMetaFileBitsEx(picture->hMF, static_cast<UINT>(wmf.size()), wmf.data());
            frame = {picture->mm, picture->xExt, picture->yExt};
            GlobalUnlock(GetClipboardData(CF_METAFILEPICT));
        }
        CloseClipboard();
        return std::make_tuple(emf, wmf, frame);
    };
    const auto before = bits();
    ASSERT_FALSE(std::get<0>(before).empty());
    ASSERT_FALSE(std::get<1>(before).empty());
    EXPECT_EQ(std::get<2>(before), (std::vector<LONG>{MM_ANISOTROPIC, 100, 100}));
    MemoryDataStream stream;
    ASSERT_TRUE(SaveClipboardToStream(port, stream, MaxSavedFormatSize));
    Put({{CF_SYLK, {1, 2}}});
    stream.Seek(0);
    ASSERT_TRUE(LoadClipboardFromStream(port, stream));
    EXPECT_EQ(bits(), before);
    const std::vector<UINT> offered = Offered(); // and the rest with them
    EXPECT_NE(std::find(offered.begin(), offered.end(), UINT{CF_DIBV5}), offered.end());
}

TEST_F(ClipboardFileOnWine, LimitLeavesOutBlocksOfItsSizeAndLarger) {
    const UINT below = RegisterClipboardFormatW(L"Tavrix Test Below");
    const UINT at = RegisterClipboardFormatW(L"Tavrix Test At");
    Put({{below, Pattern(99, 3)}, {at, Pattern(100, 4)}});
    MemoryDataStream stream;
    ASSERT_TRUE(SaveClipboardToStream(port, stream, 100));
    EXPECT_EQ(RecordFormats(stream.Bytes()),
              (std::vector<ClipFormat>{kNameTableFormat, ClipFormat(below)}));
    // The name table lists only the format that has a record.
    const Bytes table =
        EncodeNameTable({NamedFormat{.format = ClipFormat(below), .name = L"Tavrix Test Below"}});
    const Bytes& file = stream.Bytes();
    EXPECT_EQ(Bytes(file.begin() + kRecordHeaderSize,
                    file.begin() + static_cast<std::ptrdiff_t>(kRecordHeaderSize + table.size())),
              table);
    EXPECT_EQ(stream.Size(), kRecordHeaderSize + table.size() + 105u);
}

TEST_F(ClipboardFileOnWine, SaveWhileAnotherProgramHoldsTheClipboardKeepsTheOldFile) {
    Put({{CF_DIF, {1}}});
    const std::wstring path = folder + L"kept.cl7";
    const Bytes old = Pattern(1000, 5);
    WriteFileBytes(path, old);
    {
        test::HelperProcess holder({L"hold", L"1500"});
        ASSERT_EQ(holder.ReadLine(), "holding");
        EXPECT_FALSE(SaveClipboardToFile(port, files, path));
    }
    EXPECT_EQ(FileBytes(path), old);
    EXPECT_EQ(FileCount(), 1);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], L"Cannot save the clipboard to \"" + path + L"\"!");
}

// The name table rides under format 0 because the clipboard refuses that number: a reader that
// places every record by number loses nothing but the table.
TEST_F(ClipboardFileOnWine, FormatZeroIsRefused) {
    ClipboardOpen open(port);
    ASSERT_TRUE(backend.Empty());
    EXPECT_FALSE(backend.SetData(kNameTableFormat, Bytes{'C', 'L', '7', 'N'}));
    EXPECT_TRUE(backend.SetData(CF_DIF, Bytes{1})); // the same open takes a real format
    EXPECT_EQ(CountClipboardFormats(), 1);
}

TEST_F(ClipboardFileOnWine, NamedRecordsGoUnderTheNumbersTheirNamesHaveNow) {
    // The file was saved where "Tavrix Test Moved" had the number that "Tavrix Test Taken" holds
    // here.
    const ClipFormat taken =
        static_cast<ClipFormat>(RegisterClipboardFormatW(L"Tavrix Test Taken"));
    const Bytes table =
        EncodeNameTable({NamedFormat{.format = taken, .name = L"Tavrix Test Moved"}});
    Bytes file;
    const std::vector<std::pair<ClipFormat, Bytes>> records{{kNameTableFormat, table},
                                                            {taken, Bytes{4, 2}}};
    for (const auto& [format, data] : records) {
        const RecordHeader header =
            EncodeRecordHeader(format, static_cast<std::uint32_t>(data.size()));
        file.insert(file.end(), header.begin(), header.end());
        file.insert(file.end(), data.begin(), data.end());
    }
    MemoryDataStream stream(file);
    ASSERT_TRUE(LoadClipboardFromStream(port, stream));
    const UINT moved = RegisterClipboardFormatW(L"Tavrix Test Moved");
    EXPECT_NE(moved, taken);
    EXPECT_EQ(Get(moved), (Bytes{4, 2}));
    EXPECT_EQ(Offered(), std::vector<UINT>{moved});
}

TEST_F(ClipboardFileOnWine, LoadWhileAnotherProgramHoldsTheClipboardPlacesNothing) {
    Put({{CF_DIF, {1}}});
    const std::wstring path = folder + L"in.cl7";
    WriteFileBytes(path, {0x04, 0x00, 0x01, 0x00, 0x00, 0x00, 0x09});
    {
        test::HelperProcess holder({L"hold", L"1500"});
        ASSERT_EQ(holder.ReadLine(), "holding");
        auto stream = files.OpenForReading(path);
        EXPECT_FALSE(LoadClipboardFromStream(port, *stream));
    }
    EXPECT_EQ(Get(CF_DIF), Bytes{1});
    EXPECT_TRUE(Get(CF_SYLK).empty());
    EXPECT_EQ(port.Depth(), 0);
}

TEST_F(ClipboardFileOnWine, TargetThatCannotBeReplacedKeepsItsBytesAndNoTemporaryFile) {
    Put({{CF_DIF, {1}}});
    const std::wstring path = folder + L"busy.cl7";
    const Bytes old = Pattern(500, 6);
    WriteFileBytes(path, old);
    // Another program has the file open and lets nobody delete or replace it.
    UniqueFile busy(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(busy);
    try {
        SaveClipboardToFile(port, files, path);
        ADD_FAILURE() << "replacing an open file must fail";
    } catch (const Error& e) {
        EXPECT_EQ(e.Message().rfind(L"Cannot create file \"" + path + L"\". ", 0), 0u) << e.what();
    }
    busy.reset();
    EXPECT_EQ(FileBytes(path), old);
    EXPECT_EQ(FileCount(), 1);
}

TEST_F(ClipboardFileOnWine, LockedFileRaisesAndLeavesTheClipboardUnchanged) {
    Put({{CF_DIF, {7}}});
    const std::wstring path = folder + L"locked.cl7";
    WriteFileBytes(path, {0x04, 0x00, 0x01, 0x00, 0x00, 0x00, 0x09});
    UniqueFile locked(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(locked);
    try {
        LoadClipboardFromFile(port, files, path);
        ADD_FAILURE() << "opening a locked file must fail";
    } catch (const Error& e) {
        EXPECT_EQ(e.Message().rfind(L"Cannot open file \"" + path + L"\". ", 0), 0u) << e.what();
    }
    locked.reset();
    EXPECT_EQ(Get(CF_DIF), Bytes{7});
    EXPECT_TRUE(Get(CF_SYLK).empty());
}

TEST_F(ClipboardFileOnWine, FileWithALyingSizeKeepsTheRecordsBefore) {
    const std::wstring path = folder + L"lying.cl7";
    WriteFileBytes(path, {0x05, 0x00, 0x02, 0x00, 0x00, 0x00, 0x11, 0x22, // CF_DIF, 2 bytes
                          0x04, 0x00, 0xFF, 0xFF, 0xFF, 0x7F, 0x01});     // CF_SYLK, 2 GiB
    Put({{CF_TIFF, {1}}});
    LoadClipboardFromFile(port, files, path);
    EXPECT_EQ(Get(CF_DIF), (Bytes{0x11, 0x22}));
    EXPECT_TRUE(Get(CF_SYLK).empty());
    EXPECT_TRUE(Get(CF_TIFF).empty());
}

} // namespace
} // namespace tavrix::win32
