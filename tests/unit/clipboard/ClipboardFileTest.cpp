// Saving and loading through real files in a scratch folder.
#include "base/Error.h"
#include "clipboard/ClipboardFileReader.h"
#include "clipboard/ClipboardFileWriter.h"
#include "clipboard/StdFileAccess.h"

#include "ClipFileTestKit.h"
#include "ScratchFolder.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace tavrix {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::ClipFileTest;
using testing::Concat;
using testing::FileBytes;
using testing::Record;
using testing::WriteFileBytes;

class ClipboardFiles : public ClipFileTest {
protected:
    std::wstring PathOf(const std::string& name) { return (folder / name).wstring(); }
    std::size_t FileCount() {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()));
    }

    const testing::ScratchFolder folder{"tavrix-clipfile"};
    StdFileAccess files;
};

TEST_F(ClipboardFiles, SaveWritesTheRecordsAndAppendsTheExtension) {
    fake.PutText(cf::Text, "abc");
    EXPECT_TRUE(SaveClipboardToFile(port, files, PathOf("dump")));
    EXPECT_EQ(FileBytes(PathOf("dump.cl7")), Record(cf::Text, {'a', 'b', 'c', 0}));
    EXPECT_TRUE(SaveClipboardToFile(port, files, PathOf("dump.bin")));
    EXPECT_EQ(FileBytes(PathOf("dump.bin")), Record(cf::Text, {'a', 'b', 'c', 0}));
    EXPECT_TRUE(platform.messageBoxes.empty());
    EXPECT_EQ(FileCount(), 2u); // no temporary file stays behind
}

TEST_F(ClipboardFiles, SaveOfAnEmptyClipboardReplacesTheFileWithZeroBytes) {
    WriteFileBytes(PathOf("old.cl7"), {1, 2, 3});
    EXPECT_TRUE(SaveClipboardToFile(port, files, PathOf("old.cl7")));
    EXPECT_TRUE(FileBytes(PathOf("old.cl7")).empty());
}

TEST_F(ClipboardFiles, FailedSaveKeepsTheOldFileAndWarns) {
    const Bytes old = Record(cf::Dif, {1, 2, 3});
    WriteFileBytes(PathOf("keep.cl7"), old);
    fake.PutText(cf::Text, "new");
    fake.heldByOther = true;
    EXPECT_FALSE(SaveClipboardToFile(port, files, PathOf("keep")));
    EXPECT_EQ(FileBytes(PathOf("keep.cl7")), old);
    EXPECT_EQ(FileCount(), 1u);
    ASSERT_EQ(platform.messageBoxes.size(), 1u);
    EXPECT_EQ(platform.messageBoxes[0].text,
              L"Cannot save the clipboard to \"" + PathOf("keep.cl7") + L"\"!");
    EXPECT_EQ(platform.messageBoxes[0].flags, kIconWarning);
}

TEST_F(ClipboardFiles, FileThatCannotBeCreatedRaisesBeforeTheClipboardIsRead) {
    fake.PutText(cf::Text, "abc");
    const std::wstring name = PathOf("missing-folder/x.cl7");
    try {
        SaveClipboardToFile(port, files, name);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.Message().rfind(L"Cannot create file \"" + name + L"\". ", 0), 0u)
            << std::string(e.what());
        EXPECT_GT(e.Message().size(), name.size() + 22); // the system's reason follows
    }
    EXPECT_EQ(fake.openCalls, 0);
}

TEST_F(ClipboardFiles, TargetThatCannotBeReplacedRaisesAndLeavesNoTemporaryFile) {
    fs::create_directories(folder / "taken.cl7" / "inside");
    fake.PutText(cf::Text, "abc");
    EXPECT_THROW(SaveClipboardToFile(port, files, PathOf("taken.cl7")), Error);
    EXPECT_EQ(FileCount(), 1u);
    EXPECT_TRUE(fs::is_directory(folder / "taken.cl7" / "inside"));
}

TEST_F(ClipboardFiles, SavedFileLoadsBackByteForByte) {
    Bytes big(200'000);
    for (std::size_t i = 0; i < big.size(); ++i) {
        big[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    }
    fake.PutText(cf::Text, "abc");
    fake.Put(0xC123, big);
    fake.PutMetafile({.format = cf::EnhMetafile, .bits = testing::EnhancedMetafileBits(5)});
    fake.Put(cf::Dif, {1});
    ASSERT_TRUE(SaveClipboardToFile(port, files, PathOf("round.cl7")));
    const auto before = fake.Entries();
    fake.Reset();
    fake.PutText(cf::Sylk, "other");
    LoadClipboardFromFile(port, files, PathOf("round.cl7"));
    ASSERT_EQ(fake.Entries().size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(fake.Entries()[i].format, before[i].format);
        EXPECT_TRUE(fake.Entries()[i].bytes == before[i].bytes) << i;
        EXPECT_EQ(fake.Entries()[i].metafile, before[i].metafile) << i;
    }
}

TEST_F(ClipboardFiles, MissingFileOrFolderLoadsNothingAndLeavesTheClipboard) {
    fake.PutText(cf::Text, "keep");
    fs::create_directories(folder / "dir.cl7");
    LoadClipboardFromFile(port, files, PathOf("nothing.cl7"));
    LoadClipboardFromFile(port, files, PathOf("dir.cl7"));
    LoadFileFromCommandLine(port, files, L"  " + PathOf("nothing.cl7") + L" ");
    LoadFileFromCommandLine(port, files, L" \t ");
    EXPECT_EQ(fake.emptyCalls, 0);
    EXPECT_NE(fake.Find(cf::Text), nullptr);
    EXPECT_TRUE(platform.messageBoxes.empty());
}

TEST_F(ClipboardFiles, CommandLineNameWithBlanksAroundItLoads) {
    WriteFileBytes(PathOf("in.cl7"), Concat({Record(cf::Dif, {4}), Record(cf::Sylk, {5, 5})}));
    fake.PutText(cf::Text, "old");
    LoadFileFromCommandLine(port, files, L" \t" + PathOf("in.cl7") + L"\r\n ");
    EXPECT_EQ(fake.Find(cf::Text), nullptr);
    ASSERT_NE(fake.Find(cf::Sylk), nullptr);
    EXPECT_EQ(fake.Find(cf::Sylk)->bytes, (Bytes{5, 5}));
}

TEST_F(ClipboardFiles, LoadOfAFileThatCannotBeOpenedRaisesWithTheClipboardUnchanged) {
    // The file vanishes between the check and the opening.
    class Vanishing : public StdFileAccess {
    public:
        bool IsExistingFile(const std::wstring&) override { return true; }
    } vanishing;
    fake.PutText(cf::Text, "keep");
    try {
        LoadClipboardFromFile(port, vanishing, PathOf("gone.cl7"));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.Message().rfind(L"Cannot open file \"" + PathOf("gone.cl7") + L"\". ", 0), 0u);
    }
    EXPECT_EQ(fake.emptyCalls, 0);
    EXPECT_NE(fake.Find(cf::Text), nullptr);
}

} // namespace
} // namespace tavrix
