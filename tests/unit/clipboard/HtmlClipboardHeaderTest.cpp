#include "clipboard/HtmlClipboardHeader.h"

#include "Bytes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace tavrix {
namespace {

using testing::BytesOf;

// A header laid out like the one Wine's X11 bridge writes before HTML from a desktop program:
// LF line ends, ten-digit offsets, the fragment between the two comments.
std::vector<std::uint8_t> BridgeBlock(const std::string& fragment) {
    const std::string head = "Version:0.9\nStartHTML:0000000100\nEndHTML:%010zu\n"
                             "StartFragment:%010zu\nEndFragment:%010zu\n";
    const std::string start = "<!--StartFragment-->", end = "<!--EndFragment-->";
    char header[128];
    const std::size_t fragmentAt = 100 + start.size();
    std::snprintf(header, sizeof header, head.c_str(), fragmentAt + fragment.size() + end.size(),
                  fragmentAt, fragmentAt + fragment.size());
    std::vector<std::uint8_t> block = BytesOf(header + start + fragment + end);
    block.push_back(0);
    return block;
}

TEST(HtmlClipboardHeader, ReadsTheBridgeHeaderAndItsFragment) {
    const auto block = BridgeBlock("<b>Gr\xC3\xBC\xC3\x9F</b>");
    const HtmlClipboardHeader header = ParseHtmlClipboardHeader(block);
    EXPECT_EQ(header.version, "0.9");
    EXPECT_EQ(header.headerSize, 100u);
    EXPECT_EQ(header.startHtml, 100);
    EXPECT_EQ(header.startFragment, 120);
    EXPECT_EQ(header.endFragment, 133); // 13 bytes of UTF-8
    EXPECT_EQ(header.endHtml, 133 + 18);
    EXPECT_TRUE(header.sourceUrl.empty());
    EXPECT_EQ(HtmlFragmentRange(header, block), (ByteRange{120, 133}));
    EXPECT_EQ(HtmlFragmentText(block), L"<b>Gr\u00FC\u00DF</b>");
}

TEST(HtmlClipboardHeader, CrLfLinesWithSourceUrl) {
    const std::string html = "<html><body><!--StartFragment-->x<!--EndFragment--></body></html>";
    const std::string head =
        "Version:1.0\r\nStartHTML:000000XXX\r\nSourceURL: https://example.org/a "
        "\r\nStartFragment:-1\r\n";
    const auto block = BytesOf(head + html);
    const HtmlClipboardHeader header = ParseHtmlClipboardHeader(block);
    EXPECT_EQ(header.version, "1.0");
    EXPECT_EQ(header.sourceUrl, "https://example.org/a");
    EXPECT_FALSE(header.startHtml); // not a number
    EXPECT_EQ(header.startFragment, -1);
    EXPECT_EQ(header.headerSize, head.size());
}

// Offsets that do not fit the block: the text after the header stands in for the fragment.
TEST(HtmlClipboardHeader, OffsetsThatDoNotFitGiveTheWholeHtml) {
    const std::string head = "Version:0.9\nStartFragment:%d\nEndFragment:%d\n";
    const std::string html = "<p>caf\xC3\xA9</p>";
    for (auto [begin, end] : {std::pair{0, 10}, {40, 900}, {50, 45}, {-1, -1}}) {
        char text[128];
        std::snprintf(text, sizeof text, head.c_str(), begin, end);
        const auto block = BytesOf(text + html);
        EXPECT_FALSE(HtmlFragmentRange(ParseHtmlClipboardHeader(block), block)) << begin;
        EXPECT_EQ(HtmlFragmentText(block), L"<p>caf\u00E9</p>") << begin;
    }
    // A zero byte inside the fragment (as LibreOffice leaves one through Wine's bridge) keeps
    // the offsets valid; it is named, and not shown.
    auto zero = BridgeBlock("abcdef");
    zero[122] = 0;
    const HtmlClipboardHeader zeroHeader = ParseHtmlClipboardHeader(zero);
    EXPECT_EQ(HtmlFragmentRange(zeroHeader, zero), (ByteRange{120, 126}));
    EXPECT_EQ(HtmlZeroByte(zeroHeader, zero), 122u);
    EXPECT_EQ(HtmlFragmentText(zero), L"abdef");
    // The zero byte after the end marker is past the fragment: not named.
    const auto bridge = BridgeBlock("abcdef");
    EXPECT_FALSE(HtmlZeroByte(ParseHtmlClipboardHeader(bridge), bridge));
}

TEST(HtmlClipboardHeader, BlocksWithoutHeader) {
    EXPECT_EQ(HtmlFragmentText({}), L"");
    const auto plain = BytesOf("<b>bold</b>");
    EXPECT_EQ(ParseHtmlClipboardHeader(plain).headerSize, 0u);
    EXPECT_EQ(HtmlFragmentText(plain), L"<b>bold</b>");
    const auto onlyHeader = BytesOf("Version:0.9\nStartFragment:99999999999999999999");
    const HtmlClipboardHeader header = ParseHtmlClipboardHeader(onlyHeader);
    EXPECT_FALSE(header.startFragment); // too many digits
    EXPECT_EQ(header.headerSize, onlyHeader.size());
    EXPECT_EQ(HtmlFragmentText(onlyHeader), L"");
}

} // namespace
} // namespace tavrix
