// Hexadecimal and text patterns: what they match, and the problems the user is told of.
#include "FindTestKit.h"

#ifndef _WIN32
#include "fakes/IconvCodepageSystem.h"
#endif

namespace tavrix {
namespace {

using testing::Bytes;
using testing::BytesOf;
using testing::Hex;
using testing::Offsets;
using testing::Text;

std::wstring ProblemOf(const FindPatternResult& result) {
    const auto* problem = std::get_if<FindPatternProblem>(&result);
    return problem != nullptr ? FindPatternErrorText(*problem) : L"(a pattern)";
}

TEST(HexPattern, SpacesBetweenPairsAreOptional) {
    const Bytes data = BytesOf("xHelp");
    EXPECT_EQ(Offsets(Hex(L"48 65 6C"), data), Offsets(Hex(L"48656c"), data));
    EXPECT_EQ(Offsets(Hex(L"48656C"), data), (std::vector<std::int64_t>{1}));
}

TEST(HexPattern, QuestionMarksMatchAnyByte) {
    EXPECT_EQ(Offsets(Hex(L"61 ?? 63"), BytesOf("abcaXcac")), (std::vector<std::int64_t>{0, 3}));
}

TEST(HexPattern, ProblemsAreTheUsersTexts) {
    EXPECT_EQ(ProblemOf(ParseHexPattern(L"  ")), L"Type a pattern.");
    EXPECT_EQ(ProblemOf(ParseHexPattern(L"48 6")), L"The hex pattern has an odd number of digits.");
    EXPECT_EQ(ProblemOf(ParseHexPattern(L"48 6G")), L"Not a hex digit: G");
    EXPECT_EQ(ProblemOf(ParseHexPattern(L"4?")), L"Not a hex digit: ?");
    EXPECT_EQ(ProblemOf(ParseHexPattern(L"?? ??")),
              L"The pattern matches any bytes: give at least one byte.");
    EXPECT_EQ(ProblemOf(CompileTextPattern(L"", {})), L"Type a pattern.");
}

TEST(TextPattern, MatchCaseFindsOnlyTheSameLetters) {
    const Bytes data = BytesOf("Find FIND find");
    EXPECT_EQ(Offsets(Text(L"find", TextEncoding::Utf8, true), data),
              (std::vector<std::int64_t>{10}));
    EXPECT_EQ(Offsets(Text(L"find", TextEncoding::Utf8), data),
              (std::vector<std::int64_t>{0, 5, 10}));
}

TEST(TextPattern, IgnoringCaseFoldsLettersBeyondAscii) {
    // "ä Ä σ Σ ς ж Ж" in UTF-8.
    const Bytes data = BytesOf("\xC3\xA4\xC3\x84\xCF\x83\xCE\xA3\xCF\x82\xD0\xB6\xD0\x96");
    EXPECT_EQ(Offsets(Text(L"\u00C4", TextEncoding::Utf8), data),
              (std::vector<std::int64_t>{0, 2}));
    EXPECT_EQ(Offsets(Text(L"\u03C3", TextEncoding::Utf8), data),
              (std::vector<std::int64_t>{4, 6, 8}));
    EXPECT_EQ(Offsets(Text(L"\u0416", TextEncoding::Utf8), data),
              (std::vector<std::int64_t>{10, 12}));
}

TEST(TextPattern, CharactersBeyondTheBmpFoldToo) {
    // Deseret capital and small long i, a pair of surrogates each in UTF-16.
    const testing::Bytes data = testing::Utf16Bytes(std::u16string_view(u"\U00010400\U00010428"));
    EXPECT_EQ(Offsets(Text(L"\U00010428", TextEncoding::Utf16Le), data),
              (std::vector<std::int64_t>{0, 4}));
}

TEST(TextPattern, VariantsOfAnotherLengthAreLeftOut) {
    // The Kelvin sign folds to "k": two bytes in UTF-16 as "k" is, three in UTF-8 against one.
    const std::wstring text = L"k\u212A";
    EXPECT_EQ(Offsets(Text(L"K", TextEncoding::Utf16Le), testing::Utf16Bytes(text)),
              (std::vector<std::int64_t>{0, 2}));
    EXPECT_EQ(Offsets(Text(L"K", TextEncoding::Utf8), BytesOf("k\xE2\x84\xAA")),
              (std::vector<std::int64_t>{0}));
}

TEST(TextPattern, Utf16MatchesOnlyAtEvenOffsets) {
    // The bytes of "AA" in UTF-16LE sit at offsets 1 and 3 here, between two characters.
    const Bytes data = {'x', 'A', 0, 'A', 0, 'A', 0};
    EXPECT_TRUE(Offsets(Text(L"AA", TextEncoding::Utf16Le), data).empty());
    const Bytes even = {'A', 0, 'A', 0, 'A', 0};
    EXPECT_EQ(Offsets(Text(L"AA", TextEncoding::Utf16Le), even), (std::vector<std::int64_t>{0, 2}));
}

#ifndef _WIN32
// Code pages through the port, natively against glibc iconv (under Wine the real ones).
class CodepagePatternTest : public ::testing::Test {
protected:
    testing::IconvCodepageSystem system;
};

TEST_F(CodepagePatternTest, SingleByteCodepageFoldsItsLetters) {
    // "Жж" in Windows-1251.
    EXPECT_EQ(
        Offsets(Text(L"\u0436", TextEncoding::Codepage, false, &system, 1251), Bytes{0xC6, 0xE6}),
        (std::vector<std::int64_t>{0, 1}));
}

TEST_F(CodepagePatternTest, MultiByteCodepageFoldsItsLetters) {
    // "xЖж" in code page 65001, whose characters take one to four bytes.
    EXPECT_EQ(Offsets(Text(L"\u0436", TextEncoding::Codepage, false, &system, kCodepageUtf8),
                      Bytes{'x', 0xD0, 0x96, 0xD0, 0xB6}),
              (std::vector<std::int64_t>{1, 3}));
}

TEST_F(CodepagePatternTest, ACharacterTheCodepageLacksMatchesNothing) {
    // Windows-1252 has no "ж"; its default character "?" is not taken for it.
    const BytePattern pattern = Text(L"a\u0436", TextEncoding::Codepage, false, &system, 1252);
    EXPECT_TRUE(pattern.MatchesNothing());
    EXPECT_TRUE(Offsets(pattern, BytesOf("a?")).empty());
}
#endif

} // namespace
} // namespace tavrix
