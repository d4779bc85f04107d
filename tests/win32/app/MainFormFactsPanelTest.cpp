// The facts panel of the main window over the real clipboard: the facts panel with the owner and
// the decoded data, saving one format and taking one format off the clipboard.
#include "MainFormFixture.h"
#include "ScratchFolder.h"

#include "clipboard/ClipboardEngine.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace tavrix::test {
namespace {

using testing::FileBytes;
using win32::TMainForm;
namespace fs = std::filesystem;

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

const std::string kHtml = "Version:0.9\r\nStartHTML:0000000105\r\nEndHTML:0000000129\r\n"
                          "StartFragment:0000000105\r\nEndFragment:0000000129\r\n<b>clipboard</b>";

void SelectNode(TMainForm& f, const std::wstring& text) {
    const int index = NodeIndex(f.Formats().Handle(), text);
    ASSERT_GE(index, 0) << "no node " << std::string(text.begin(), text.end());
    f.Formats().SelectNode(index);
    test::WaitUntilShown(f);
}

void RunAction(TMainForm& f, int id) {
    SendMessageW(f.Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    test::WaitUntilShown(f);
}

TEST_F(MainFormTest, FactsPanelNamesTheOwnerAndDecodesTheSelectedFormat) {
    HelperProcess owner(
        {L"pid", L"own", L"4000", L"13=" + UnicodeTextHex(L"owned"), L"16=09040000"});
    const std::wstring pid = Wide(owner.ReadLine());
    ASSERT_EQ(owner.ReadLine(), "owning");
    TMainForm& f = CreateForm();

    const std::wstring facts = f.Status().Facts();
    EXPECT_EQ(facts.rfind(L"Owner: " + std::wstring(kHelperExe) + L" (" + pid + L") \u00B7 #", 0),
              0u)
        << std::string(facts.begin(), facts.end());
    EXPECT_EQ(f.Status().TipOverFacts(), facts);
    EXPECT_EQ(f.Status().TipOverDescription(), f.Status().Description());

    SelectNode(f, L"Locale Identifier");
    EXPECT_EQ(f.Status().Facts(), L"Format 16 (0x0010) \u00B7 en-US");
    EXPECT_EQ(f.Status().TipOverFacts(), L"Format 16 (0x0010) \u00B7 en-US");
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainFormTest, SaveFormatWritesTheSelectedBlockToItsFile) {
    const auto png = static_cast<UINT>(RegisterClipboardFormatW(L"PNG"));
    const auto own = static_cast<UINT>(RegisterClipboardFormatW(L"Tavrix Facts Data"));
    const std::vector<std::uint8_t> pngBytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 7};
    const auto dib = Dib(3, 2);
    PutClipboard({{CF_TEXT, TextBlock("plain")},
                  {CF_UNICODETEXT, TextBlock(L"wide")},
                  {HtmlFormat, TextBlock(kHtml)},
                  {CF_DIB, dib},
                  {png, pngBytes},
                  {own, {1, 2, 3}}});
    TMainForm& f = CreateForm();
    const testing::ScratchFolder folder{"tavrix-facts"};
    const struct {
        std::wstring node, proposed;
        std::vector<std::uint8_t> bytes;
    } kinds[] = {{L"Text", L"Text.txt", TextBlock("plain")},
                 {L"Unicode Text Format", L"Unicode Text Format.txt", TextBlock(L"wide")},
                 {L"HTML Format", L"HTML Format.html", TextBlock(kHtml)},
                 {L"PNG", L"PNG.png", pngBytes},
                 {L"Tavrix Facts Data", L"Tavrix Facts Data.bin", {1, 2, 3}}};
    for (const auto& kind : kinds) {
        SelectNode(f, kind.node);
        saveChoice = (folder / kind.proposed).wstring();
        RunAction(f, win32::CommandId(win32::MainCommand::SaveFormat));
        EXPECT_EQ(proposedName, kind.proposed);
        EXPECT_EQ(FileBytes(folder / kind.proposed), kind.bytes)
            << std::string(kind.node.begin(), kind.node.end());
    }

    // A bitmap opens in image programs: the file header, then the clipboard's block.
    SelectNode(f, L"Bitmap DIB");
    saveChoice = (folder / L"picture.bmp").wstring();
    RunAction(f, win32::CommandId(win32::MainCommand::SaveFormat));
    EXPECT_EQ(proposedName, L"Bitmap DIB.bmp");
    const auto bmp = FileBytes(folder / L"picture.bmp");
    ASSERT_EQ(bmp.size(), 14 + dib.size());
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[10], 54);
    EXPECT_TRUE(std::equal(dib.begin(), dib.end(), bmp.begin() + 14));

    SelectNode(f, L"Bitmap"); // a GDI object, no block to save
    EXPECT_FALSE(
        f.Commands().ActionById(win32::CommandId(win32::MainCommand::SaveFormat)).Enabled());
    EXPECT_TRUE(
        f.Commands().ActionById(win32::CommandId(win32::MainCommand::RemoveFormat)).Enabled());
    f.Formats().SelectNode(0);
    test::WaitUntilShown(f);
    EXPECT_FALSE(
        f.Commands().ActionById(win32::CommandId(win32::MainCommand::SaveFormat)).Enabled());
    EXPECT_FALSE(
        f.Commands().ActionById(win32::CommandId(win32::MainCommand::RemoveFormat)).Enabled());
    EXPECT_TRUE(errors.empty());
}

// "list" lines of the helper: format, name, size.
std::vector<std::string> ListLines(const std::string& list) {
    std::vector<std::string> lines;
    std::istringstream in(list);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// What the menu key or Shift+F10 in the tree asks of the main window.
TEST_F(MainFormTest, MenuKeyOpensTheFormatMenuUnderTheSelectedNode) {
    PutClipboard({{CF_UNICODETEXT, TextBlock(L"hello")}});
    TMainForm& f = CreateForm();
    SelectNode(f, L"Unicode Text Format");
    static RECT menuRect;
    static int menuItems;
    menuRect = {};
    menuItems = 0;
    // The menu runs its own loop; a timer looks at it from inside and closes it.
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR, DWORD) {
        if (HWND menu = FindWindowW(L"#32768", nullptr); menu != nullptr && IsWindowVisible(menu)) {
            GetWindowRect(menu, &menuRect);
            menuItems =
                GetMenuItemCount(reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0)));
        }
        EndMenu();
    });
    SendMessageW(f.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(f.Formats().Handle()),
                 MAKELPARAM(-1, -1));
    KillTimer(nullptr, timer);

    const auto item = reinterpret_cast<HTREEITEM>(
        SendMessageW(f.Formats().Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
    RECT itemRect{};
    std::memcpy(&itemRect, &item, sizeof item);
    SendMessageW(f.Formats().Handle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&itemRect));
    POINT below{.x = itemRect.left, .y = itemRect.bottom};
    ClientToScreen(f.Formats().Handle(), &below);
    EXPECT_EQ(menuItems, 2); // "Save format as..." and "Remove from clipboard"
    EXPECT_EQ(menuRect.left, below.x);
    EXPECT_EQ(menuRect.top, below.y);
}

TEST_F(MainFormTest, RemoveFormatPutsEveryOtherFormatBackAsItWas) {
    RunHelper({L"set", L"13=" + UnicodeTextHex(L"keep me"),
               L"HTML Format=" + BytesHex(TextBlock(kHtml)), L"8=" + BytesHex(Dib(5, 3)),
               L"Tavrix Facts Private=0a0b0c0d"});
    TMainForm& f = CreateForm();
    const testing::ScratchFolder folder{"tavrix-facts"};
    // Every other format, with its bytes as another program reads them.
    std::vector<std::string> kept;
    for (const std::string& line : ListLines(RunHelper({L"list"}))) {
        if (line.find("\tHTML Format\t") != std::string::npos) {
            continue;
        }
        kept.push_back(line);
        const std::wstring format = Wide(line.substr(0, line.find('\t')));
        if (line.back() != '-') {
            RunHelper({L"get", format, (folder / (L"before-" + format)).wstring()});
        }
    }
    ASSERT_GE(kept.size(), 4u);

    SelectNode(f, L"HTML Format");
    RunAction(f, win32::CommandId(win32::MainCommand::RemoveFormat));
    WaitForRefresh();
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(ListLines(RunHelper({L"list"})), kept);
    for (const std::string& line : kept) {
        const std::wstring format = Wide(line.substr(0, line.find('\t')));
        if (line.back() != '-') {
            RunHelper({L"get", format, (folder / (L"after-" + format)).wstring()});
            EXPECT_EQ(FileBytes(folder / (L"after-" + format)),
                      FileBytes(folder / (L"before-" + format)))
                << line;
        }
    }
    EXPECT_EQ(NodeIndex(f.Formats().Handle(), L"HTML Format"), -1);
}

TEST_F(MainFormTest, RemovingAFormatTheSystemMakesAgainSaysSo) {
    PutClipboard({{CF_UNICODETEXT, TextBlock(L"made again")}});
    TMainForm& f = CreateForm();
    SelectNode(f, L"Text");
    RunAction(f, win32::CommandId(win32::MainCommand::RemoveFormat));
    WaitForRefresh();
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    const std::wstring facts = f.Status().Facts();
    EXPECT_NE(facts.find(L" \u00B7 Text comes back: the system makes it from another format"),
              std::wstring::npos)
        << std::string(facts.begin(), facts.end());
}

} // namespace
} // namespace tavrix::test
