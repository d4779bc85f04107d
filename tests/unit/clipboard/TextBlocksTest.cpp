#include "clipboard/TextBlocks.h"
#include "clipboard/FileDropList.h"

#include "Bytes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tavrix {
namespace {

using namespace std::string_literals;

using testing::Utf16Bytes;

std::vector<std::uint8_t> DropFiles(std::uint32_t offset, bool wide,
                                    const std::vector<std::uint8_t>& names) {
    std::vector<std::uint8_t> out(20 + names.size(), 0);
    for (int i = 0; i < 4; ++i) {
        out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(offset >> (8 * i));
    }
    out[16] = wide ? 1 : 0;
    std::copy(names.begin(), names.end(), out.begin() + 20);
    return out;
}

std::u16string Latin1(std::span<const std::uint8_t> bytes) {
    return std::u16string(bytes.begin(), bytes.end());
}

TEST(Utf16Text, BlockTextEndsAtTheFirstZeroOrAtTheBlockEnd) {
    EXPECT_EQ(Utf16UpToZero(Utf16Bytes(u"ab\0cd"s)), u"ab");
    // No terminating zero: the text is the whole block, not a unit more.
    EXPECT_EQ(Utf16UpToZero(Utf16Bytes(u"abc")), u"abc");
    // An odd last byte is half a unit and not part of the text.
    auto odd = Utf16Bytes(u"ab");
    odd.push_back('x');
    EXPECT_EQ(Utf16UpToZero(odd), u"ab");
    // A zero byte inside a unit does not end the text; only a zero unit does.
    EXPECT_EQ(Utf16UpToZero(Utf16Bytes(u"\x0100\x4100")), u"\x0100\x4100");

    const std::vector<std::uint8_t> narrow = {'h', 'i', 0, 'x'};
    EXPECT_EQ(BytesUpToZero(narrow).size(), 2u);
    const std::vector<std::uint8_t> unterminated = {'h', 'i', '!'};
    EXPECT_EQ(BytesUpToZero(unterminated).size(), 3u);
}

TEST(FileDropList, ReadsUnicodeNamesAtFullLength) {
    const std::u16string longName = u"C:\\" + std::u16string(400, u'x') + u".txt";
    const std::u16string cyrillic = u"C:\\\x0414\x0430\x043D\x043D\x044B\x0435.txt";
    auto names = Utf16Bytes(longName + u'\0' + cyrillic + u'\0' + u"D:\\a" + u'\0' + u'\0');
    auto list = ReadFileDropList(DropFiles(20, true, names), Latin1);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0], longName);
    EXPECT_EQ(list[1], cyrillic);
    EXPECT_EQ(list[2], u"D:\\a");
}

TEST(FileDropList, ConvertsEightBitNames) {
    std::string names = "C:\\one.txt"s + '\0' + "C:\\caf\xE9" + '\0' + '\0';
    auto list = ReadFileDropList(DropFiles(20, false, {names.begin(), names.end()}), Latin1);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1], u"C:\\caf\xE9");
}

TEST(FileDropList, StaysInsideTheBlock) {
    auto names = Utf16Bytes(u"C:\\a"s + u'\0' + u"C:\\b"s + u'\0' + u'\0');
    // Offsets past the block or into the header give no names.
    EXPECT_TRUE(ReadFileDropList(DropFiles(0x7FFFFFF0, true, names), Latin1).empty());
    EXPECT_TRUE(ReadFileDropList(DropFiles(4, true, names), Latin1).empty());
    // A header cut short.
    std::vector<std::uint8_t> shortHeader = {20, 0, 0, 0, 0};
    EXPECT_TRUE(ReadFileDropList(shortHeader, Latin1).empty());
    // The last name runs to the block's end without its zero: it ends there.
    auto cut = DropFiles(20, true, Utf16Bytes(u"C:\\a"s + u'\0' + u"C:\\bc"));
    auto list = ReadFileDropList(cut, Latin1);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1], u"C:\\bc");
    cut.pop_back(); // and half a unit at the end is dropped
    list = ReadFileDropList(cut, Latin1);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1], u"C:\\b");
}

} // namespace
} // namespace tavrix
