#include "base/Unicode.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

using namespace std::string_literals;

constexpr bool kWideIsUtf32 = sizeof(wchar_t) == 4;
const std::string kReplacementUtf8 = "\xEF\xBF\xBD";

TEST(Unicode, SurrogatePairsSurviveTheRoundTrip) {
    const std::u16string text = u"a\U0001F600b\u00E9";
    std::wstring wide = WideFromUtf16(text);
    EXPECT_EQ(wide, L"a\U0001F600b\u00E9");
    EXPECT_EQ(Utf16FromWide(wide), text);

    const std::u16string astral = u"A\xD83D\xDE00Z";
    wide = WideFromUtf16(astral);
    EXPECT_EQ(wide.size(), kWideIsUtf32 ? 3u : 4u);
    EXPECT_EQ(Utf16FromWide(wide), astral);
    EXPECT_EQ(Utf16FromWide(L"Dormat"), u"Dormat");

    EXPECT_EQ(Utf8FromWide(wide), "A\xF0\x9F\x98\x80Z");
    EXPECT_EQ(WideFromUtf8("A\xF0\x9F\x98\x80Z"), wide);
}

TEST(Unicode, ValuesAboveTheLastCodePointBecomeTheReplacementCharacter) {
    if constexpr (!kWideIsUtf32) {
        GTEST_SKIP() << "16-bit wide strings cannot hold such values";
    } else {
        std::wstring wide = L"a";
        wide.push_back(static_cast<wchar_t>(0x110000));
        wide.push_back(static_cast<wchar_t>(0x7FFFFFFF));
        wide.push_back(L'b');
        EXPECT_EQ(Utf16FromWide(wide), u"a\xFFFD\xFFFD"
                                       u"b");
        EXPECT_EQ(Utf8FromWide(wide), "a" + kReplacementUtf8 + kReplacementUtf8 + "b");
    }
}

TEST(Unicode, LoneSurrogatesStayInUtf16AndAreReplacedInUtf8) {
    // Between UTF-16 and wide strings nothing is lost, even text that is not well-formed.
    const std::u16string lone = u"\xD800x\xDC00\xDBFF";
    EXPECT_EQ(Utf16FromWide(WideFromUtf16(lone)), lone);
    EXPECT_EQ(WideFromUtf16(lone).size(), 4u);
    // UTF-8 has no form for a lone surrogate.
    const std::string expected = kReplacementUtf8 + "x" + kReplacementUtf8 + kReplacementUtf8;
    EXPECT_EQ(Utf8FromWide(WideFromUtf16(lone)), expected);
    EXPECT_EQ(Utf8FromUtf16Le("\x00\xD8x\x00\x00\xDC\xFF\xDB"s), expected);
}

TEST(Unicode, InvalidUtf8ComesOutByteByByte) {
    EXPECT_EQ(WideFromUtf8("caf\xC3\xA9 \xE2\x82\xAC"), L"caf\u00E9 \u20AC");
    EXPECT_EQ(WideFromUtf8("\xC3("), L"\u00C3(");                   // missing continuation
    EXPECT_EQ(WideFromUtf8("\xE2\x82"), L"\u00E2\u0082");           // cut short
    EXPECT_EQ(WideFromUtf8("\xC0\xAF"), L"\u00C0\u00AF");           // overlong
    EXPECT_EQ(WideFromUtf8("\xED\xA0\x80"), L"\u00ED\u00A0\u0080"); // encoded surrogate
    EXPECT_EQ(WideFromUtf8("\xF4\x90\x80\x80"), L"\u00F4\u0090\u0080\u0080"); // above U+10FFFF
    EXPECT_EQ(WideFromUtf8("\xFF\x80"), L"\u00FF\u0080");                     // no lead byte
}

TEST(Unicode, Utf16LittleEndianBytes) {
    const std::vector<std::uint8_t> bytes = {0x41, 0x00, 0x00, 0x01, 0x3D, 0xD8, 0x00, 0xDE};
    EXPECT_EQ(Utf16LeBytes(u"A\x0100\xD83D\xDE00"), bytes);
    const std::string utf8 = "A\xC4\x80\xF0\x9F\x98\x80";
    const std::string le = Utf16LeFromUtf8(utf8);
    EXPECT_EQ(le, std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(Utf8FromUtf16Le(le), utf8);
    // An odd last byte is half a code unit.
    EXPECT_EQ(Utf8FromUtf16Le(le + 'x'), utf8);
}

} // namespace
} // namespace tavrix
