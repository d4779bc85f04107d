#include "clipboard/ClipboardEngine.h"
#include "IconImageBuilder.h"
#include "base/SystemServices.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/FormatListEntry.h"
#include "clipboard/RegisteredFormats.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeEnginePlatform.h"
#include "fakes/FakeSurface.h"
#include "fakes/FakeSystemPlatform.h"

#include "Bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace tavrix {
namespace {

using namespace std::string_literals;
using testing::FakeClipboard;
using testing::FakeEnginePlatform;
using testing::FakeSurface;

using testing::Utf16Bytes;

std::vector<std::uint8_t> Filler(std::size_t size) {
    return std::vector<std::uint8_t>(size, 0x41);
}

class ClipboardEngineTest : public ::testing::Test {
protected:
    // The registered identifiers come from this test's clipboard, before the engine builds its
    // catalogue.
    ClipboardEngineTest() : port(RegisterAll(fake)), engine(port, platform, surface) {
        InitSystemServices(false, VersionFlags{true, true});
        // The tree's change handler: "Preview" shows the summary.
        surface.onSelect = [this](int index) {
            if (index == 0) {
                engine.ShowClipboardSummary();
            }
        };
    }
    static FakeClipboard& RegisterAll(FakeClipboard& clipboard) {
        RegisterStartupFormats(clipboard);
        IconFormat = 0;
        return clipboard;
    }
    ClipFormat Register(const std::wstring& name) { return fake.RegisterFormat(name); }
    void Refresh() {
        engine.RebuildFormatList();
        engine.ShowClipboardSummary();
    }

    testing::FakeSystemPlatform support;
    FakeClipboard fake;
    ClipboardPort port;
    FakeEnginePlatform platform;
    FakeSurface surface;
    ClipboardEngine engine;
};

TEST_F(ClipboardEngineTest, TextFromAnEditorListsItsFourFormatsAndShowsTheText) {
    fake.Put(cf::UnicodeText, Utf16Bytes(u"H\xE9llo\r\nworld\0tail"s));
    fake.Put(cf::Locale, Filler(4));
    fake.PutText(cf::Text, "Hello");
    fake.PutText(cf::OemText, "Hello");
    engine.RebuildFormatList();

    EXPECT_EQ(engine.FormatList(),
              (std::vector<std::wstring>{L"13   Unicode Text Format", L"16   Locale Identifier",
                                         L"1    Text", L"7    OEM Text"}));
    EXPECT_EQ(surface.nodes,
              (std::vector<std::wstring>{L"Preview", L"Unicode Text Format", L"Locale Identifier",
                                         L"Text", L"OEM Text"}));
    // The tree is filled with the handler detached, then "Preview" is selected with it attached,
    // which showed the summary.
    EXPECT_EQ(surface.log.front(), "detach");
    EXPECT_EQ(surface.selected, 0);
    EXPECT_EQ(surface.previewText, u"H\xE9llo\r\nworld");
    EXPECT_EQ(engine.ClipboardSize(), 12);
    EXPECT_EQ(engine.SummaryText(), L"");
    EXPECT_TRUE(surface.actions[EngineAction::Save]);
    EXPECT_TRUE(surface.actions[EngineAction::Delete]);
    EXPECT_EQ(surface.Count("zoom"), 1);
    EXPECT_EQ(platform.ansiConversions, 0); // Unicode text is preferred over 8-bit text
    EXPECT_EQ(port.Depth(), 0);
    EXPECT_FALSE(fake.isOpen);
}

TEST_F(ClipboardEngineTest, CatalogueFormatsComeFirstThenOtherNamedFormats) {
    const ClipFormat ole = Register(L"Ole Private Data");
    const ClipFormat custom = Register(L"Some Application Format");
    fake.Put(ole, Filler(8));
    fake.Put(RtfFormat, Filler(30));
    fake.Put(0x0200, Filler(8)); // private: never listed while others qualify
    fake.Put(HtmlFormat, Filler(30));
    fake.Put(custom, Filler(8));
    fake.PutUnrendered(cf::Dif); // offered, but its owner renders nothing
    engine.RebuildFormatList();
    EXPECT_EQ(engine.FormatList(),
              (std::vector<std::wstring>{std::to_wstring(RtfFormat) + L"Rich Text Format",
                                         std::to_wstring(HtmlFormat) + L"HTML Format",
                                         L"5    Data Interchange Format",
                                         std::to_wstring(ole) + L"Ole Private Data",
                                         std::to_wstring(custom) + L"Some Application Format"}));
    ASSERT_EQ(surface.nodes.size(), 6u);
    EXPECT_EQ(surface.nodes[1], L"Rich Text Format");
    EXPECT_EQ(surface.nodes[4], L"Ole Private Data");
}

TEST_F(ClipboardEngineTest, OnlyAPrivateFormatGivesOneEntryWithAnEmptyNodeText) {
    fake.Put(0x0200, Filler(300));
    Refresh();
    EXPECT_EQ(engine.FormatList(), std::vector<std::wstring>{L"512  "});
    EXPECT_EQ(surface.nodes, (std::vector<std::wstring>{L"Preview", L""}));
    EXPECT_EQ(FormatOfEntry(engine.FormatList()[0]), 0x0200);
    // The other-format preview: an empty viewer, the size in the status bar.
    EXPECT_EQ(surface.previewText, u"");
    EXPECT_EQ(surface.visibleView, PreviewView::Viewer);
    EXPECT_EQ(engine.ClipboardSize(), 300);
}

TEST_F(ClipboardEngineTest, OtherFormatPreviewNamesTheFirstFormatWhenTheListIsEmpty) {
    // Before any rebuild the list is empty; the preview then names the first format.
    const ClipFormat custom = Register(L"Exotic");
    fake.Put(custom, Filler(10));
    engine.ShowClipboardSummary();
    EXPECT_EQ(surface.previewText, u"Exotic");
    EXPECT_EQ(engine.ClipboardSize(), 10);
}

TEST_F(ClipboardEngineTest, SoundIsMeasuredAndNamed) {
    fake.Put(cf::Wave, Filler(8000));
    fake.Put(cf::Locale, Filler(4));
    Refresh();
    EXPECT_EQ(engine.ClipboardSize(), 8000);
    EXPECT_EQ(surface.previewText, u"Sound");
    EXPECT_EQ(engine.SummaryText(), L"");
}

TEST_F(ClipboardEngineTest, MeasuredSizeIsTheFirstBigFormatElseTheLastFetched) {
    fake.Put(0x0200, Filler(100));
    fake.Put(0x0201, Filler(200));
    fake.Put(0x0202, Filler(50));
    engine.ShowClipboardSummary();
    EXPECT_EQ(engine.ClipboardSize(), 50);

    fake.Reset();
    fake.Put(0x0200, Filler(100));
    fake.Put(0x0201, Filler(5000));
    fake.Put(0x0202, Filler(9000));
    engine.ShowClipboardSummary();
    EXPECT_EQ(engine.ClipboardSize(), 5000);

    // A format whose owner renders nothing is passed over, a 1024-byte block stops the search.
    fake.Reset();
    fake.Put(0x0200, Filler(1024));
    fake.PutUnrendered(0x0201);
    fake.Put(0x0202, Filler(9000));
    engine.ShowClipboardSummary();
    EXPECT_EQ(engine.ClipboardSize(), 1024);
}

TEST_F(ClipboardEngineTest, BitmapSummaryIsTheNaturalSizeAndWindows7SkipsHandleFormats) {
    fake.Put(cf::Dib, Filler(300));
    fake.PutHandle(cf::Bitmap, 640, 480);
    fake.PutHandle(cf::EnhMetafile, 640, 480);
    surface.viewWidth = 1280; // zoomed to 200 %
    surface.viewHeight = 960;
    Refresh();
    EXPECT_EQ(engine.SummaryText(), L"640 x 480");
    EXPECT_EQ(surface.picture.loadedFrom, cf::Bitmap);
    EXPECT_EQ(surface.visibleView, PreviewView::Picture);
    EXPECT_EQ(surface.Count("picture"), 2); // once per summary
    // Formats 2 and 14 are GDI handles: skipped on Windows 7, they would give 0 otherwise.
    EXPECT_EQ(engine.ClipboardSize(), 300);

    InitSystemServices(false, VersionFlags{true, false});
    engine.ShowClipboardSummary();
    EXPECT_EQ(engine.ClipboardSize(), 0);
    EXPECT_EQ(engine.SummaryText(), L"640 x 480");
}

TEST_F(ClipboardEngineTest, PictureViewOfNoSizeLeavesTheSummaryEmpty) {
    fake.PutHandle(cf::Bitmap, 640, 480);
    surface.viewWidth = 0;
    engine.ShowClipboardSummary();
    EXPECT_EQ(engine.SummaryText(), L"");
    EXPECT_EQ(surface.Count("picture"), 0);
    EXPECT_EQ(surface.Count("autosize"), 0);
}

TEST_F(ClipboardEngineTest, AnErrorInTheMiddleKeepsWhatWasSet) {
    // "Delphi Picture" without a loadable picture: the load fails, nothing else changes.
    fake.Put(PictureFormat, Filler(2000));
    surface.picture.width = 17;
    surface.picture.height = 19;
    surface.previewText = u"before";
    engine.ShowClipboardSummary();
    EXPECT_EQ(engine.SummaryText(), L"");
    EXPECT_EQ(engine.ClipboardSize(), 0);
    EXPECT_EQ(surface.picture.width, 17);
    EXPECT_EQ(surface.previewText, u"before");
    EXPECT_EQ(port.Depth(), 0);
    EXPECT_FALSE(fake.isOpen);
    // Save and clear were enabled before the error.
    EXPECT_TRUE(surface.actions[EngineAction::Save]);
}

TEST_F(ClipboardEngineTest, ListIsReadUnderOneOpenAndAHeldClipboardLeavesOnlyPreview) {
    fake.PutText(cf::Text, "a");
    fake.PutText(cf::OemText, "a");
    fake.Put(cf::Locale, Filler(4));
    const int opensBefore = fake.openCalls;
    engine.RebuildFormatList();
    EXPECT_EQ(engine.FormatList().size(), 3u);
    // The list took one open; the summary that the selection ran took its own.
    EXPECT_EQ(fake.openCalls - opensBefore, 2);

    surface.previewText = u"old";
    fake.heldByOther = true;
    engine.RebuildFormatList();
    EXPECT_TRUE(engine.FormatList().empty());
    EXPECT_EQ(surface.nodes, std::vector<std::wstring>{L"Preview"});
    EXPECT_EQ(port.Depth(), 0);
    // The summary then finds text but cannot open the clipboard to read it.
    EXPECT_EQ(surface.previewText, u"");
    EXPECT_EQ(engine.ClipboardSize(), 0);
}

TEST_F(ClipboardEngineTest, IconShowsItsSizeAndIsMeasured) {
    fake.Put(Register(L"Delphi Icon"), testing::MakeIconImage(48, 48));
    Refresh();
    EXPECT_EQ(engine.SummaryText(), L"48 x 48");
    EXPECT_EQ(surface.Count("icon"), 2);
    EXPECT_EQ(surface.visibleView, PreviewView::Picture);
    EXPECT_EQ(engine.ClipboardSize(), static_cast<std::int32_t>(fake.Entries()[0].bytes.size()));
    EXPECT_EQ(engine.ReadClipboardIcon()->Width(), 48);
}

TEST_F(ClipboardEngineTest, IconWithoutAPictureToReloadKeepsItsSummary) {
    fake.Put(Register(L"Delphi Icon"), testing::MakeIconImage(32, 32));
    surface.failShowPicture = true;
    engine.ShowClipboardSummary();
    EXPECT_EQ(engine.SummaryText(), L"32 x 32");
    EXPECT_GT(engine.ClipboardSize(), 1024);
}

TEST_F(ClipboardEngineTest, MalformedIconEndsTheSummaryQuietly) {
    const ClipFormat icon = Register(L"Delphi Icon");
    std::vector<std::uint8_t> garbage(700);
    for (std::size_t i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<std::uint8_t>(i * 13 + 7);
    }
    fake.Put(icon, garbage);
    engine.ShowClipboardSummary();
    EXPECT_EQ(engine.SummaryText(), L"");
    EXPECT_EQ(engine.ClipboardSize(), 0);
    EXPECT_EQ(platform.iconLoads, 0); // never handed to the platform
    EXPECT_EQ(surface.Count("icon"), 0);
    EXPECT_THROW(engine.ReadClipboardIcon(), Error);
    EXPECT_EQ(port.Depth(), 0);
}

TEST_F(ClipboardEngineTest, FirstEncodedPictureGoesBeforeHtmlAndFiles) {
    const ClipFormat other = Register(L"Ole Private Data");
    const ClipFormat jfif = Register(L"JFIF");
    const ClipFormat png = Register(L"image/PNG");
    fake.Put(cf::HDrop, Filler(20));
    fake.Put(HtmlFormat, Filler(50));
    fake.Put(other, Filler(100));
    fake.Put(jfif, Filler(2000));
    fake.Put(png, Filler(3000));
    surface.decodable = {{jfif, {640, 480}}, {png, {10, 10}}};
    Refresh();
    EXPECT_EQ(engine.SummaryText(), L"640 x 480");
    EXPECT_EQ(engine.ClipboardSize(), 2000);
    EXPECT_EQ(surface.visibleView, PreviewView::Picture);
    EXPECT_EQ(surface.Count("encoded " + std::to_string(png)), 0);
    EXPECT_EQ(port.Depth(), 0);
}

TEST_F(ClipboardEngineTest, EncodedPictureThatDoesNotDecodeShowsItsBytes) {
    const ClipFormat gif = Register(L"gif");
    fake.Put(gif, Filler(300));
    engine.ShowClipboardSummary();
    EXPECT_EQ(surface.log.back(), "bytes " + std::to_string(gif) + " hex");
    EXPECT_EQ(surface.visibleView, PreviewView::Viewer);
    EXPECT_EQ(engine.SummaryText(), L"");
    EXPECT_EQ(engine.ClipboardSize(), 300);
}

TEST_F(ClipboardEngineTest, HtmlAloneShowsItsFragmentCountedInUtf16Units) {
    const std::string fragment = "<b>Gr\xC3\xBC\xC3\x9F \xF0\x9F\x98\x80</b>";
    const std::string before = "<html><!--StartFragment-->";
    const std::string headerFormat =
        "Version:0.9\r\nStartFragment:%010zu\r\nEndFragment:%010zu\r\n";
    const std::size_t headerSize = headerFormat.size() + 2 * 4; // "%010zu" writes ten digits
    char header[80];
    std::snprintf(header, sizeof header, headerFormat.c_str(), headerSize + before.size(),
                  headerSize + before.size() + fragment.size());
    fake.PutText(HtmlFormat, header + before + fragment + "<!--EndFragment--></html>");
    Refresh();
    EXPECT_EQ(surface.previewText, u"<b>Gr\u00FC\u00DF \U0001F600</b>");
    EXPECT_EQ(engine.ClipboardSize(), 14);
    EXPECT_EQ(engine.SummaryText(), L"");
}

TEST_F(ClipboardEngineTest, FileListShowsOneNamePerLine) {
    auto names = Utf16Bytes(u"C:\\a.txt\0C:\\b c.txt\0C:\\\x00DC.txt\0\0"s);
    std::vector<std::uint8_t> block(20 + names.size(), 0);
    block[0] = 20;
    block[16] = 1;
    std::copy(names.begin(), names.end(), block.begin() + 20);
    fake.Put(cf::HDrop, block);
    Refresh();
    EXPECT_EQ(engine.ClipboardSize(), 3);
    EXPECT_EQ(surface.previewText, u"C:\\a.txt\r\nC:\\b c.txt\r\nC:\\\x00DC.txt\r\n");
    EXPECT_EQ(engine.FileList().size(), 3u);

    // A bogus offset gives no names and an empty viewer.
    block[0] = 0xF0;
    block[3] = 0x7F;
    fake.Put(cf::HDrop, block);
    engine.ShowClipboardSummary();
    EXPECT_EQ(engine.ClipboardSize(), 0);
    EXPECT_TRUE(engine.FileList().empty());
    EXPECT_EQ(surface.previewText, u"");
}

TEST_F(ClipboardEngineTest, EmptyClipboardLeavesNoNodesAndDisablesTheActions) {
    fake.PutText(cf::Text, "x");
    Refresh();
    ASSERT_EQ(surface.nodes.size(), 2u);
    fake.Reset();
    Refresh();
    EXPECT_TRUE(engine.FormatList().empty());
    EXPECT_TRUE(surface.nodes.empty()); // also "Preview" is gone
    EXPECT_EQ(engine.SummaryText(), L"Clipboard is Empty.");
    EXPECT_EQ(engine.ClipboardSize(), 0);
    EXPECT_EQ(surface.previewText, u"");
    for (EngineAction action : {EngineAction::Save, EngineAction::Delete, EngineAction::ZoomOut,
                                EngineAction::ZoomIn, EngineAction::Zoom100}) {
        EXPECT_FALSE(surface.actions[action]);
    }
    EXPECT_TRUE(surface.attached);
    // Content again: save and clear come back.
    fake.PutText(cf::Text, "y");
    engine.ShowClipboardSummary();
    EXPECT_TRUE(surface.actions[EngineAction::Save]);
}

TEST_F(ClipboardEngineTest, TextReadingStaysInsideTheBlock) {
    // Unicode text without a terminating zero (and an odd byte) ends at the block's end.
    auto block = Utf16Bytes(u"no end");
    block.push_back('!');
    fake.Put(cf::UnicodeText, block);
    EXPECT_EQ(engine.ReadClipboardText(), u"no end");
    // 8-bit text only: converted, cut at its first zero or at the block's end.
    fake.Reset();
    fake.Put(cf::Text, {'a', 'b', 0xE9});
    EXPECT_EQ(engine.ReadClipboardText(), u"ab\xE9");
    fake.Put(cf::Text, {'a', 0, 'b'});
    EXPECT_EQ(engine.ReadClipboardText(), u"a");
    // OEM text alone is never read directly.
    fake.Reset();
    fake.PutText(cf::OemText, "oem");
    EXPECT_EQ(engine.ReadClipboardText(), u"");
    engine.ShowClipboardSummary();
    EXPECT_EQ(engine.ClipboardSize(), 0);
}

TEST(FormatListEntry, IdentifierFieldThenName) {
    EXPECT_EQ(MakeFormatListEntry(1, L"Text"), L"1    Text");
    EXPECT_EQ(MakeFormatListEntry(3, L"Metafile Picture Format "),
              L"3    Metafile Picture Format ");
    EXPECT_EQ(MakeFormatListEntry(49312, L"HTML Format"), L"49312HTML Format");
    EXPECT_EQ(FormatNodeText(L"49312HTML Format"), L"HTML Format");
    EXPECT_EQ(FormatNodeText(L"512  "), L"");
    EXPECT_EQ(FormatOfEntry(L"49312HTML Format"), 49312);
    EXPECT_EQ(FormatOfEntry(L"13   Unicode Text Format"), 13);
    EXPECT_EQ(FormatOfEntry(L"Previe"), 0);
}

// --- A node selected in the tree ----------------------------------------------------------------

class SelectedNodeTest : public ClipboardEngineTest {
protected:
    // The node that lists the format.
    int NodeOf(ClipFormat format) const {
        const auto& list = engine.FormatList();
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (FormatOfEntry(list[i]) == format) {
                return static_cast<int>(i) + 1;
            }
        }
        return -1;
    }
    // Selects the format's node with a fresh log.
    void Select(ClipFormat format) {
        surface.log.clear();
        engine.ShowNode(NodeOf(format));
    }
    bool Logged(const std::string& call) const { return surface.Count(call) > 0; }
};

TEST_F(SelectedNodeTest, EachFormatShowsInTheViewMadeForIt) {
    const ClipFormat png = Register(L"png");
    const ClipFormat gif = Register(L"gif");
    const ClipFormat mimeHtml = Register(L"text/html");
    const ClipFormat utf8Plain = Register(L"text/plain;charset=UTF-8");
    const ClipFormat x11Text = Register(L"UTF8_STRING");
    const ClipFormat latinPlain = Register(L"text/plain;charset=ISO-8859-1");
    for (ClipFormat named : {mimeHtml, utf8Plain, x11Text, latinPlain}) {
        fake.Put(named, Filler(30));
    }
    fake.PutHandle(cf::Bitmap, 64, 32);
    fake.Put(RtfFormat, Filler(30));
    fake.Put(cf::UnicodeText, Utf16Bytes(u"ab"));
    fake.Put(cf::HDrop, Filler(30));
    fake.Put(HtmlFormat, Filler(30));
    fake.Put(png, Filler(30));
    fake.Put(gif, Filler(30));
    fake.Put(cf::Dif, Filler(30));
    surface.decodable = {{png, {16, 8}}};
    surface.blockSize = 30;
    surface.richTextLength = 12;
    engine.RebuildFormatList();

    struct Rule {
        ClipFormat format;
        std::string call;
        std::wstring size;
        PreviewView view;
    };
    const auto id = [](ClipFormat format) { return std::to_string(format); };
    const Rule rules[] = {
        {cf::Bitmap, "picture", L"64 x 32", PreviewView::Picture},
        {RtfFormat, "rich text " + id(RtfFormat), L"bytes 12", PreviewView::RichText},
        {cf::UnicodeText, "bytes 13 unicode hex", L"bytes 30", PreviewView::Viewer},
        {cf::HDrop, "bytes 15 unicode hex", L"bytes 30", PreviewView::Viewer},
        // HTML and the formats whose name says UTF-8 are UTF-8 text.
        {HtmlFormat, "bytes " + id(HtmlFormat) + " utf-8 text", L"bytes 30", PreviewView::Viewer},
        {mimeHtml, "bytes " + id(mimeHtml) + " utf-8 text", L"bytes 30", PreviewView::Viewer},
        {utf8Plain, "bytes " + id(utf8Plain) + " utf-8 text", L"bytes 30", PreviewView::Viewer},
        {x11Text, "bytes " + id(x11Text) + " utf-8 text", L"bytes 30", PreviewView::Viewer},
        {latinPlain, "bytes " + id(latinPlain) + " hex", L"bytes 30", PreviewView::Viewer},
        {png, "encoded " + id(png), L"16 x 8", PreviewView::Picture},
        // A picture that does not decode: the bytes already read for the decoder.
        {gif, "read bytes", L"bytes 30", PreviewView::Viewer},
        {cf::Dif, "bytes 5 hex", L"bytes 30", PreviewView::Viewer},
    };
    for (const Rule& rule : rules) {
        SCOPED_TRACE(rule.call);
        ASSERT_GT(NodeOf(rule.format), 0);
        Select(rule.format);
        EXPECT_TRUE(Logged(rule.call));
        EXPECT_EQ(surface.size, rule.size);
        EXPECT_EQ(surface.visibleView, rule.view);
        EXPECT_EQ(surface.description, engine.GetFormatDescription(rule.format));
        EXPECT_EQ(surface.facts, engine.FactsPanel().FormatText(rule.format));
    }
    EXPECT_EQ(port.Depth(), 0);
}

TEST_F(SelectedNodeTest, PreviewShowsTheSummaryAndANodeBeyondTheListNothing) {
    fake.PutHandle(cf::Bitmap, 64, 32);
    engine.RebuildFormatList();
    surface.log.clear();
    engine.ShowNode(0);
    EXPECT_TRUE(Logged("picture"));
    EXPECT_EQ(surface.description, L"64 x 32");
    EXPECT_EQ(surface.size, L"bytes " + std::to_wstring(engine.ClipboardSize()));
    EXPECT_FALSE(surface.facts.empty());

    surface.log.clear();
    engine.ShowNode(2);
    EXPECT_TRUE(surface.log.empty());
    EXPECT_EQ(engine.NodeFormat(2), 0);
    std::wstring name;
    EXPECT_EQ(engine.NodeFormat(1, &name), cf::Bitmap);
    EXPECT_EQ(name, L"Bitmap");
}

TEST_F(SelectedNodeTest, FormatActionsFollowTheNodeWithOrWithoutFacts) {
    fake.PutHandle(cf::Bitmap, 4, 4);
    fake.PutText(cf::Text, "Hello");
    engine.RebuildFormatList();
    const auto actions = [this] {
        return std::pair{surface.actions[EngineAction::SaveFormat],
                         surface.actions[EngineAction::RemoveFormat]};
    };
    Select(cf::Text);
    EXPECT_EQ(actions(), std::pair(true, true));
    // A handle that is no memory block has no bytes to save; it can still be removed.
    Select(cf::Bitmap);
    EXPECT_EQ(actions(), std::pair(false, true));
    engine.SetFactsShown(false);
    surface.facts.clear();
    engine.ShowNode(0);
    EXPECT_EQ(actions(), std::pair(false, false));
    EXPECT_EQ(surface.facts, L"");
}

TEST_F(SelectedNodeTest, ARemovalNoteLastsWhileTheClipboardDoes) {
    fake.PutText(cf::Text, "Hello");
    engine.RebuildFormatList();
    engine.NoteRemoval(L"Bitmap comes back");
    EXPECT_EQ(surface.facts, L"Bitmap comes back");
    engine.ShowNode(0);
    EXPECT_TRUE(surface.facts.ends_with(L" \u00B7 Bitmap comes back"));
    ++fake.sequence;
    engine.ShowNode(0);
    EXPECT_EQ(surface.facts.find(L"comes back"), std::wstring::npos);
    EXPECT_FALSE(surface.facts.empty());
}

} // namespace
} // namespace tavrix
