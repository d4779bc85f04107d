// The change log's window inside the program: Ctrl+L opens it once, its rows name this process as
// the owner, copy and save give the cells it shows, and a double-click on an old row says that
// its content is gone.
#include "MainFormFixture.h"

#include "app/ChangeLogText.h"
#include "base/Unicode.h"

#include <commctrl.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tavrix::test {
namespace {

using win32::CommandId;
using win32::MainCommand;

std::wstring Cell(HWND list, int item, int column) {
    wchar_t buffer[256] = {};
    LVITEMW info{};
    info.iSubItem = column;
    info.pszText = buffer;
    info.cchTextMax = 256;
    SendMessageW(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&info));
    return buffer;
}

std::string FileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Where the saved files go: a folder the end-to-end script reads them from, or a temporary one.
std::filesystem::path OutputFolder() {
    const char* folder = std::getenv("TAVRIX_CHANGE_LOG_OUT");
    return folder != nullptr ? std::filesystem::path(folder)
                             : std::filesystem::temp_directory_path();
}

TEST_F(MainFormTest, ChangeLogListsEveryChangeWithItsOwnerAndGivesWhatItShows) {
    win32::TMainForm& f = CreateForm();
    // Texts with their terminating zero, as programs put them.
    PutClipboard(
        {{CF_UNICODETEXT, Utf16LeBytes(std::u16string(u"first, \"quoted\"\n\u65E5\u672C", 19))}});
    PutClipboard({{CF_UNICODETEXT, Utf16LeBytes(std::u16string(u"second", 7))}});

    f.Commands().Run(CommandId(MainCommand::ChangeLog));
    f.Commands().Run(CommandId(MainCommand::ChangeLog));
    PumpMessagesFor(300);
    win32::ChangeLogWindow& window = f.LogWindow();
    ASSERT_NE(window.Handle(), nullptr);
    wchar_t title[64] = {};
    GetWindowTextW(window.Handle(), title, 64);
    EXPECT_STREQ(title, L"Change log - Tavrix");
    HWND list = window.List();
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_TRUE(Cell(list, 0, 5).starts_with(L"At start"));
    const std::wstring owner = Cell(list, 1, 2);
    EXPECT_TRUE(owner.ends_with(L" (pid " + std::to_wstring(GetCurrentProcessId()) + L")"))
        << owner;
    const std::wstring formats = std::to_wstring(CountClipboardFormats());
    EXPECT_EQ(Cell(list, 1, 3), formats);
    EXPECT_EQ(Cell(list, 1, 5), L"first, \"quoted\" \u65E5\u672C");
    EXPECT_EQ(Cell(list, 2, 1), std::to_wstring(GetClipboardSequenceNumber()));
    EXPECT_EQ(window.StatusText(), L"3 changes");

    // Ctrl+C: the selected rows under the headings, tab-separated.
    ListView_SetItemState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
    ListView_SetItemState(list, 2, LVIS_SELECTED, LVIS_SELECTED);
    window.CopySelected();
    WaitUntilShown();
    ASSERT_TRUE(OpenClipboard(nullptr));
    const auto* copied = static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
    const std::wstring tab = copied != nullptr ? copied : L"";
    GlobalUnlock(GetClipboardData(CF_UNICODETEXT));
    CloseClipboard();
    EXPECT_TRUE(tab.starts_with(L"Time\t#\tOwner\tFormats\tSize\tContent\r\n")) << tab;
    EXPECT_NE(tab.find(L"\t" + owner + L"\t" + formats + L"\t"), std::wstring::npos) << tab;

    // Saved as CSV and as JSON lines, by the extension chosen.
    const std::filesystem::path csv = OutputFolder() / L"tavrix-change-log.csv";
    const std::filesystem::path tsv = OutputFolder() / L"tavrix-change-log.tsv";
    const std::filesystem::path json = OutputFolder() / L"tavrix-change-log.jsonl";
    saveChoice = csv.wstring();
    window.SaveAs();
    saveChoice = json.wstring();
    window.SaveAs();
    std::vector<std::size_t> all(f.Log().Size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        all[i] = i;
    }
    std::ofstream(tsv, std::ios::binary) << Utf8FromWide(ChangeTabText(f.Log(), all));
    EXPECT_TRUE(FileText(csv).starts_with("\xEF\xBB\xBFTime,#,Owner,Formats,Size,Content\r\n"));
    const std::string lines = FileText(json);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 4) << lines;
    EXPECT_TRUE(errors.empty()) << errors.front();

    // Only the newest row's content is still on the clipboard.
    window.Activate(1);
    EXPECT_EQ(window.StatusText(), L"4 changes \u00B7 The content of this change is gone.");
    window.Activate(3);
    EXPECT_EQ(window.StatusText(), L"4 changes");
    EXPECT_EQ(f.Formats().SelectedNodeIndex(), 0);
}

} // namespace
} // namespace tavrix::test
