#include "clipboard/FormatFacts.h"
#include "DibBuilder.h"
#include "LittleEndian.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrix {
namespace {

using Block = std::vector<std::uint8_t>;
using testing::PutLe;

Block Dword(std::uint32_t value) {
    Block out;
    PutLe(out, value, 4);
    return out;
}

Block Text(const std::string& text) {
    Block out(text.begin(), text.end());
    out.push_back(0);
    return out;
}

std::wstring Fact(ClipFormat format, const std::wstring& name, const Block& block) {
    return FormatFact(format, name, block, [](std::uint32_t lcid) {
        return lcid == 0x0409 ? std::wstring(L"en-US") : std::wstring();
    });
}

// As Wine's X11 bridge put it on the clipboard for `xclip -t text/html` of "<b>Hello</b> world".
const std::string kBridgeHtml = "Version:0.9\nStartHTML:0000000100\nEndHTML:0000000157\n"
                                "StartFragment:0000000120\nEndFragment:0000000139\n"
                                "<!--StartFragment--><b>Hello</b> world\n<!--EndFragment-->";

TEST(FormatFacts, LocaleAndFlagsFromTheirDword) {
    EXPECT_EQ(Fact(cf::Locale, L"", {0x09, 0x04, 0x00, 0x00}), L"en-US"); // Wine's CF_LOCALE
    EXPECT_EQ(Fact(cf::Locale, L"", {0x09, 0x04}), L"");
    EXPECT_EQ(Fact(0xC123, L"CanIncludeInClipboardHistory", Dword(0)), L"Not allowed");
    EXPECT_EQ(Fact(0xC124, L"canuploadtocloudclipboard", Dword(1)), L"Allowed");
    EXPECT_EQ(Fact(0xC124, L"CanUploadToCloudClipboard", {}), L"");
}

TEST(FormatFacts, DropEffectNamesEachBit) {
    EXPECT_EQ(Fact(0xC200, L"Preferred DropEffect", Dword(2)), L"Move");
    EXPECT_EQ(Fact(0xC201, L"Performed DropEffect", Dword(5)), L"Copy, Link");
    EXPECT_EQ(Fact(0xC201, L"Performed DropEffect", Dword(0x80000000)), L"");
}

TEST(FormatFacts, BitmapHeaderGivesSizeDepthAndCompression) {
    EXPECT_EQ(Fact(cf::Dib, L"", testing::MakeDib(640, 480)), L"640 x 480, 24 bpp");
    Block v5;
    PutLe(v5, 124, 4);
    PutLe(v5, 32, 4);
    PutLe(v5, static_cast<std::uint32_t>(-16), 4); // top-down
    PutLe(v5, 1, 2);
    PutLe(v5, 32, 2);
    PutLe(v5, 3, 4); // BI_BITFIELDS
    v5.resize(124);
    EXPECT_EQ(Fact(cf::DibV5, L"", v5), L"32 x 16, 32 bpp, BI_BITFIELDS");
    v5.resize(100); // header longer than the block
    EXPECT_EQ(Fact(cf::DibV5, L"", v5), L"");
    EXPECT_EQ(Fact(cf::Dib, L"", Dword(20)), L"");
}

TEST(FormatFacts, HtmlHeaderFromTheBridgeAndWithWrongOffsets) {
    EXPECT_EQ(Fact(0xC0DE, L"HTML Format", Text(kBridgeHtml)),
              L"Version 0.9, fragment 120\u2013139");
    EXPECT_EQ(Fact(0xC0DE, L"HTML Format",
                   Text("Version:1.0\r\nStartFragment:60\r\nEndFragment:9999\r\n"
                        "SourceURL:https://example.org/\r\n<p>x</p>")),
              L"Version 1.0, offsets out of range, source https://example.org/");
    EXPECT_EQ(Fact(0xC0DE, L"HTML Format", Text("Version:0.9\nStartHTML:-5\nEndHTML:10\n<p>")),
              L"Version 0.9, offsets out of range");
    EXPECT_EQ(Fact(0xC0DE, L"HTML Format", Text("<p>no header</p>")), L"");
    Block zero = Text(kBridgeHtml);
    zero[130] = 0;
    EXPECT_EQ(Fact(0xC0DE, L"HTML Format", zero),
              L"Version 0.9, fragment 120\u2013139, zero byte at 130");
}

TEST(FormatFacts, FileListsCountTheirFiles) {
    // DROPFILES with wide names: offset 20, point, non-client flag, wide flag, then the names.
    Block drop;
    PutLe(drop, 20, 4);
    drop.resize(16);
    PutLe(drop, 1, 4);
    for (char16_t c : std::u16string(u"C:\\a.txt\0C:\\b.txt\0\0", 20)) {
        PutLe(drop, c, 2);
    }
    EXPECT_EQ(Fact(cf::HDrop, L"", drop), L"2 files");
    drop.resize(19);
    EXPECT_EQ(Fact(cf::HDrop, L"", drop), L"");

    Block group = Dword(1);
    group.resize(4 + 592);
    EXPECT_EQ(Fact(0xC300, L"FileGroupDescriptorW", group), L"1 file");
    group[0] = 2; // claims a second descriptor the block does not hold
    EXPECT_EQ(Fact(0xC300, L"FileGroupDescriptorW", group), L"");
}

TEST(FormatFacts, OtherFormatsHaveNone) {
    EXPECT_FALSE(HasFormatFact(cf::Text, L""));
    EXPECT_FALSE(HasFormatFact(0xC400, L"Rich Text Format"));
    EXPECT_TRUE(HasFormatFact(0xC401, L"html format"));
    EXPECT_EQ(Fact(cf::Text, L"", Dword(2)), L"");
}

} // namespace
} // namespace tavrix
