// The main window over the real clipboard with its monitor: the tree, the views and the status
// bar after the clipboard changes.
#include "MainFormFixture.h"

#include "base/Unicode.h"
#include "clipboard/ClipboardEngine.h"
#include "viewer/ZorvBinHex.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <cstdlib>
#include <cwctype>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tavrix::test {
namespace {

using win32::TMainForm;
using PV = PreviewView;

// The texts a status bar is given for the whole bar while it shows one there, and whether the
// wait cursor was up then; watches one bar at a time.
class BarWatch {
public:
    explicit BarWatch(HWND bar) : bar_(bar) {
        watching_ = this;
        original_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(bar_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Watch)));
    }
    ~BarWatch() {
        SetWindowLongPtrW(bar_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        watching_ = nullptr;
    }
    BarWatch(const BarWatch&) = delete;
    BarWatch& operator=(const BarWatch&) = delete;

    std::vector<std::wstring> texts;
    std::vector<bool> waiting;

private:
    static LRESULT CALLBACK Watch(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
        const LRESULT result = CallWindowProcW(watching_->original_, bar, message, wParam, lParam);
        if (message == SB_SETTEXTW && LOBYTE(wParam) == SB_SIMPLEID &&
            SendMessageW(bar, SB_ISSIMPLE, 0, 0) != FALSE) {
            watching_->texts.emplace_back(reinterpret_cast<const wchar_t*>(lParam));
            watching_->waiting.push_back(GetCursor() == LoadCursorW(nullptr, IDC_WAIT));
        }
        return result;
    }
    static inline BarWatch* watching_ = nullptr;
    HWND bar_;
    WNDPROC original_ = nullptr;
};

// "Saving… N %" with a whole number N.
bool IsSavingText(const std::wstring& text) {
    const std::wstring head = L"Saving\u2026 ";
    const std::wstring tail = L" %";
    if (text.size() <= head.size() + tail.size() || !text.starts_with(head) ||
        !text.ends_with(tail)) {
        return false;
    }
    const std::wstring number = text.substr(head.size(), text.size() - head.size() - tail.size());
    return std::all_of(number.begin(), number.end(), [](wchar_t c) { return std::iswdigit(c); });
}

TEST_F(MainFormTest, FirstLookFillsTheTreeBeforeShowingAndSelectsPreview) {
    PutClipboard({{CF_UNICODETEXT, TextBlock(L"hello")}});
    TMainForm& f = CreateForm();
    std::vector<std::wstring> nodes = NodeTexts(f.Formats().Handle());
    ASSERT_GE(nodes.size(), 2u);
    EXPECT_EQ(nodes[0], L"Preview");
    EXPECT_NE(NodeIndex(f.Formats().Handle(), L"Unicode Text Format"), -1);
    EXPECT_NE(NodeIndex(f.Formats().Handle(), L"Text"), -1);
    EXPECT_EQ(f.Status().Size(), L"Size : 5");
    EXPECT_EQ(f.Status().Description(), L"");
    EXPECT_TRUE(f.Preview().IsVisible(PV::Viewer));
    EXPECT_EQ(f.Preview().Viewer().Mode(), ViewerMode::Unicode);
    EXPECT_TRUE(f.Preview().Viewer().TextGutter());
    // The picture and rich text views are made when first shown, not for a text.
    EXPECT_EQ(FindWindowExW(f.Handle(), nullptr, L"TavrixScrollBox", nullptr), nullptr);
    EXPECT_EQ(FindWindowExW(f.Handle(), nullptr, MSFTEDIT_CLASS, nullptr), nullptr);
    EXPECT_TRUE(f.Commands().ActionById(win32::CommandId(win32::MainCommand::Save)).Enabled());
    EXPECT_TRUE(f.Commands().ActionById(win32::CommandId(win32::MainCommand::Delete)).Enabled());
    EXPECT_TRUE(errors.empty()) << (errors.empty()
                                        ? std::string()
                                        : std::string(errors[0].begin(), errors[0].end()));
}

TEST_F(MainFormTest, EachKindOfNodeShowsItsViewAndStatusTexts) {
    std::string html = "Version:0.9\r\nStartHTML:0\r\n<b>x</b>";
    std::string rtf = "{\\rtf1\\ansi 0123456789}";
    UINT htmlFormat = RegisterClipboardFormatW(L"HTML Format");
    UINT rtfFormat = RegisterClipboardFormatW(L"Rich Text Format");
    UINT otherFormat = RegisterClipboardFormatW(L"Tavrix Test Format");
    PutClipboard({{CF_TEXT, TextBlock("abc")},
                  {htmlFormat, BytesOf(html)},
                  {rtfFormat, TextBlock(rtf)},
                  {otherFormat, BytesOf("12345678")}});
    TMainForm& f = CreateForm();
    const ViewerEncoding userEncoding = f.Preview().Viewer().Model().Options().textEncoding;

    SelectNodeShown(NodeIndex(f.Formats().Handle(), L"Text"));
    EXPECT_TRUE(f.Preview().IsVisible(PV::Viewer));
    EXPECT_EQ(f.Preview().Viewer().Mode(), ViewerMode::Hex);
    EXPECT_FALSE(f.Preview().Viewer().TextGutter());
    std::size_t textBlock = f.Preview().PreviewStream().Bytes().size();
    EXPECT_GE(textBlock, 4u);
    EXPECT_EQ(f.Status().Size(), L"Size : " + std::to_wstring(textBlock));
    EXPECT_FALSE(f.Status().Description().empty());
    EXPECT_EQ(f.Status().Hint(), f.Status().Description());

    SelectNodeShown(NodeIndex(f.Formats().Handle(), L"Unicode Text Format"));
    EXPECT_EQ(f.Preview().Viewer().Mode(), ViewerMode::UHex);

    SelectNodeShown(NodeIndex(f.Formats().Handle(), L"HTML Format"));
    EXPECT_EQ(f.Preview().Viewer().Mode(), ViewerMode::Text);
    EXPECT_EQ(f.Preview().PreviewStream().Bytes().size() >= html.size(), true);
    // HTML is UTF-8; the next other view has the user's encoding again.
    EXPECT_EQ(f.Preview().Viewer().Model().Options().textEncoding, ViewerEncoding::UTF8);

    SelectNodeShown(NodeIndex(f.Formats().Handle(), L"Rich Text Format"));
    EXPECT_TRUE(f.Preview().IsVisible(PV::RichText));
    EXPECT_FALSE(f.Preview().IsVisible(PV::Viewer));
    EXPECT_EQ(f.Status().Size(), L"Size : 12");
    EXPECT_FALSE(f.Commands().ActionById(win32::CommandId(win32::MainCommand::ZoomIn)).Enabled());

    // A format outside the catalogue has no description.
    SelectNodeShown(NodeIndex(f.Formats().Handle(), L"Tavrix Test Format"));
    EXPECT_EQ(f.Status().Description(), L"");
    EXPECT_EQ(f.Status().Hint(), L"");
    EXPECT_EQ(f.Status().Size(), L"Size : 8");
    EXPECT_EQ(f.Preview().Viewer().Mode(), ViewerMode::Hex);
    EXPECT_EQ(f.Preview().Viewer().Model().Options().textEncoding, userEncoding);
    EXPECT_TRUE(errors.empty()) << (errors.empty()
                                        ? std::string()
                                        : std::string(errors[0].begin(), errors[0].end()));
}

TEST_F(MainFormTest, BitmapNodeShowsItsSizeWhateverTheZoom) {
    PutClipboard({{CF_DIB, Dib(640, 480)}});
    TMainForm& f = CreateForm();
    EXPECT_EQ(f.Status().Description(), L"640 x 480");
    EXPECT_TRUE(f.Preview().IsVisible(PV::Picture));
    f.Zoom(win32::ZoomStep::In);
    int bitmap = NodeIndex(f.Formats().Handle(), L"Bitmap");
    ASSERT_NE(bitmap, -1);
    SelectNodeShown(bitmap);
    EXPECT_EQ(f.Status().Size(), L"640 x 480");
    EXPECT_EQ(f.Preview().Image().Width(), 1280);
    EXPECT_TRUE(f.Preview().IsVisible(PV::Picture));
    f.Zoom(win32::ZoomStep::Reset);
    // The palette is no memory block: an empty viewer and size 0.
    int palette = NodeIndex(f.Formats().Handle(), L"Palette");
    if (palette != -1) {
        SelectNodeShown(palette);
        EXPECT_EQ(f.Status().Size(), L"Size : 0");
        EXPECT_TRUE(f.Preview().IsVisible(PV::Viewer));
    }
    EXPECT_TRUE(errors.empty()) << (errors.empty()
                                        ? std::string()
                                        : std::string(errors[0].begin(), errors[0].end()));
}

TEST_F(MainFormTest, EmptiedClipboardLeavesNoNodes) {
    PutClipboard({{CF_TEXT, TextBlock("abc")}});
    TMainForm& f = CreateForm();
    ASSERT_FALSE(NodeTexts(f.Formats().Handle()).empty());
    SendMessageW(f.Handle(), WM_COMMAND,
                 MAKEWPARAM(win32::CommandId(win32::MainCommand::Delete), 0), 0);
    WaitUntilShown();
    WaitForRefresh();
    EXPECT_TRUE(NodeTexts(f.Formats().Handle()).empty());
    EXPECT_EQ(f.Status().Description(), L"Clipboard is Empty.");
    EXPECT_EQ(f.Status().Size(), L"Size : 0");
    EXPECT_FALSE(f.Commands().ActionById(win32::CommandId(win32::MainCommand::Save)).Enabled());
    EXPECT_FALSE(f.Commands().ActionById(win32::CommandId(win32::MainCommand::ZoomOut)).Enabled());
}

TEST_F(MainFormTest, StartingOnAnEmptyClipboardOffersNeitherSaveNorZoom) {
    PutClipboard({});
    TMainForm& f = CreateForm();
    WaitForRefresh();
    EXPECT_EQ(f.Status().Description(), L"Clipboard is Empty.");
    for (int id :
         {win32::CommandId(win32::MainCommand::Save), win32::CommandId(win32::MainCommand::Delete),
          win32::CommandId(win32::MainCommand::ZoomOut),
          win32::CommandId(win32::MainCommand::ZoomIn),
          win32::CommandId(win32::MainCommand::Zoom100)}) {
        EXPECT_FALSE(f.Commands().ActionById(id).Enabled()) << id;
    }
    // The toolbar shows them greyed ("Zoom to 100%" has no button).
    for (int id :
         {win32::CommandId(win32::MainCommand::Save), win32::CommandId(win32::MainCommand::Delete),
          win32::CommandId(win32::MainCommand::ZoomOut),
          win32::CommandId(win32::MainCommand::ZoomIn)}) {
        EXPECT_FALSE(SendMessageW(f.Commands().Toolbar(), TB_ISBUTTONENABLED, id, 0)) << id;
    }
}

TEST_F(MainFormTest, ChangesByAnotherProgramRefreshTheTree) {
    PutClipboard({{CF_TEXT, TextBlock("abc")}});
    TMainForm& f = CreateForm();
    RunHelper({L"set", L"13=" + UnicodeTextHex(L"from the helper")});
    WaitForRefresh();
    EXPECT_EQ(NodeTexts(f.Formats().Handle())[0], L"Preview");
    EXPECT_EQ(f.Status().Size(), L"Size : 15");
}

// Half of tests/e2e/main_window.sh: the "HTML Format" block that Wine's bridge made of HTML from
// xclip (TAVRIX_BRIDGE_HTML) shows in Preview as the fragment xclip was given
// (TAVRIX_BRIDGE_FRAGMENT, UTF-8).
TEST_F(MainFormTest, BridgeHtmlShowsItsFragmentInPreview) {
    const char* blockFile = std::getenv("TAVRIX_BRIDGE_HTML");
    const char* fragmentFile = std::getenv("TAVRIX_BRIDGE_FRAGMENT");
    if (blockFile == nullptr || fragmentFile == nullptr) {
        GTEST_SKIP() << "run by tests/e2e/main_window.sh";
    }
    auto read = [](const char* path) {
        std::ifstream in(path, std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
    };
    const std::vector<std::uint8_t> fragment = read(fragmentFile);
    ASSERT_FALSE(fragment.empty());
    PutClipboard({{RegisterClipboardFormatW(L"HTML Format"), read(blockFile)}});
    TMainForm& f = CreateForm();
    const std::wstring expected = WideFromUtf8(std::string(fragment.begin(), fragment.end()));
    EXPECT_EQ(f.Preview().PreviewStream().Bytes(), Utf16Bytes(expected));
    EXPECT_EQ(f.Status().Size(), L"Size : " + std::to_wstring(expected.size()));
    EXPECT_TRUE(f.Preview().Viewer().TextGutter());
}

TEST_F(MainFormTest, SaveAppendsTheFileExtension) {
    PutClipboard({{CF_TEXT, TextBlock("abc")}});
    TMainForm& f = CreateForm();
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::filesystem::path base = std::filesystem::path(temp) / L"tavrix-mainform-dump";
    std::filesystem::remove(base.wstring() + L".cl7");
    saveChoice = base.wstring();
    f.Commands().Run(win32::CommandId(win32::MainCommand::Save));
    WaitUntilShown();
    EXPECT_TRUE(std::filesystem::exists(base.wstring() + L".cl7"));
    EXPECT_GT(std::filesystem::file_size(base.wstring() + L".cl7"), 6u);
    EXPECT_EQ(f.Files().SaveDialog().FileName(), base.wstring() + L".cl7");
    std::filesystem::remove(base.wstring() + L".cl7");
    EXPECT_TRUE(errors.empty()) << (errors.empty()
                                        ? std::string()
                                        : std::string(errors[0].begin(), errors[0].end()));
}

TEST_F(MainFormTest, LongSaveShowsItsPercentageAndWaitCursorThenThePanelsAgain) {
    PutClipboard({{CF_UNICODETEXT, TextBlock(L"hello")}, {CF_DIF, TextBlock("dif")}});
    TMainForm& f = CreateForm();
    SelectNodeShown(NodeIndex(f.Formats().Handle(), L"Unicode Text Format"));
    const std::wstring size = f.Status().Size();
    const std::wstring description = f.Status().Description();
    ASSERT_FALSE(size.empty());
    ASSERT_FALSE(description.empty());
    // Every look at the clock is a fifth of a second later: the save counts as long at once.
    std::uint32_t now = 0;
    clock = [&now] { return now += 200; };
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / L"tavrix-mainform-progress.cl7";
    saveChoice = file.wstring();
    std::vector<std::wstring> texts;
    std::vector<bool> waiting;
    {
        BarWatch watch(f.Status().Handle());
        f.Commands().Run(win32::CommandId(win32::MainCommand::Save));
        WaitUntilShown();
        texts = watch.texts;
        waiting = watch.waiting;
    }
    clock = {};
    std::filesystem::remove(file);

    ASSERT_FALSE(texts.empty());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_TRUE(IsSavingText(texts[i])) << i;
        EXPECT_TRUE(waiting[i]) << i;
    }
    EXPECT_EQ(texts.back(), L"Saving\u2026 100 %");
    EXPECT_FALSE(f.Status().ShowsMessage());
    EXPECT_NE(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
    EXPECT_EQ(f.Status().Size(), size);
    EXPECT_EQ(f.Status().Description(), description);
    EXPECT_TRUE(errors.empty());
}

} // namespace
} // namespace tavrix::test
