// Compare with file in the window: the nodes of the clipboard's formats marked against a file,
// the formats only in the file named in the status bar, until the command is chosen again or the
// clipboard changes.
#include "MainFormFixture.h"

#include "clipboard/ClipboardEngine.h"
#include "clipboard/ClipboardFileFormat.h"
#include "clipboard/ClipboardNameTable.h"
#include "clipboard/win32/TavrixClipboardMonitor.h"

#include <filesystem>
#include <fstream>

namespace tavrix::test {
namespace {

using win32::CommandId;
using win32::MainCommand;

void AppendRecord(std::vector<std::uint8_t>& file, ClipFormat format,
                  const std::vector<std::uint8_t>& data) {
    const RecordHeader header = EncodeRecordHeader(format, static_cast<std::uint32_t>(data.size()));
    file.insert(file.end(), header.begin(), header.end());
    file.insert(file.end(), data.begin(), data.end());
}

TEST_F(MainFormTest, CompareWithFileMarksTheNodesUntilChosenAgainOrTheClipboardChanges) {
    const UINT registered = RegisterClipboardFormatW(L"Tavrix Compared Format");
    PutClipboard(
        {{CF_DIF, BytesOf("dif")}, {CF_SYLK, BytesOf("sylk")}, {registered, BytesOf("r")}});
    win32::TMainForm& f = CreateForm();
    const ClipboardEngine& engine = f.Monitor()->Engine();
    const std::wstring dif = engine.GetFormatName(CF_DIF);
    const std::wstring sylk = engine.GetFormatName(CF_SYLK);
    const std::vector<std::wstring> before = NodeTexts(f.Formats().Handle());

    // The registered format under another session's number, the same bytes; SYLK with others.
    std::vector<std::uint8_t> file;
    AppendRecord(file, kNameTableFormat, EncodeNameTable({{0xFEED, L"Tavrix Compared Format"}}));
    AppendRecord(file, 0xFEED, BytesOf("r"));
    AppendRecord(file, CF_SYLK, BytesOf("sylK"));
    AppendRecord(file, CF_TIFF, BytesOf("tiff"));
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / L"tavrix-compare.cl7";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
    openChoice = path.wstring();
    win32::Action& compare = f.Commands().ActionById(CommandId(MainCommand::CompareWithFile));

    f.Commands().Run(CommandId(MainCommand::CompareWithFile));
    WaitUntilShown();
    const std::vector<std::wstring> marked = NodeTexts(f.Formats().Handle());
    ASSERT_EQ(marked.size(), before.size());
    EXPECT_EQ(marked[0], L"Preview");
    EXPECT_NE(NodeIndex(f.Formats().Handle(), L"+ " + dif), -1);
    EXPECT_NE(NodeIndex(f.Formats().Handle(), L"\u2260 " + sylk), -1);
    EXPECT_NE(NodeIndex(f.Formats().Handle(), L"= Tavrix Compared Format"), -1);
    EXPECT_TRUE(f.Status().Facts().starts_with(L"Only in tavrix-compare.cl7: " +
                                               engine.GetFormatName(CF_TIFF)))
        << std::string(f.Status().Facts().begin(), f.Status().Facts().end());
    EXPECT_TRUE(compare.Checked());

    f.Commands().Run(CommandId(MainCommand::CompareWithFile));
    WaitUntilShown();
    EXPECT_EQ(NodeTexts(f.Formats().Handle()), before);
    EXPECT_FALSE(f.Status().Facts().starts_with(L"Only in"));
    EXPECT_FALSE(compare.Checked());

    f.Commands().Run(CommandId(MainCommand::CompareWithFile));
    WaitUntilShown();
    EXPECT_TRUE(compare.Checked());
    PutClipboard({{CF_DIF, BytesOf("other")}});
    WaitForRefresh();
    EXPECT_EQ(NodeTexts(f.Formats().Handle()), (std::vector<std::wstring>{L"Preview", dif}));
    EXPECT_FALSE(compare.Checked());
    EXPECT_TRUE(errors.empty());
    std::filesystem::remove(path);
}

} // namespace
} // namespace tavrix::test
