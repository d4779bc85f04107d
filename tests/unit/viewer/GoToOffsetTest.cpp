// The offsets typed into "Go to": forms, relative moves, the end and the problems.
#include "viewer/GoToOffset.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

using Result = std::variant<std::int64_t, std::wstring>;

Result Parse(std::wstring_view text, std::int64_t base = 0x1000) {
    return ParseGoToOffset(text, base, 0x10000);
}

TEST(GoToOffset, DecimalAndHexadecimalForms) {
    EXPECT_EQ(Parse(L"4660"), Result(std::int64_t{4660}));
    EXPECT_EQ(Parse(L"0x1234"), Result(std::int64_t{4660}));
    EXPECT_EQ(Parse(L" 1234H "), Result(std::int64_t{4660}));
    EXPECT_EQ(Parse(L"0XabCd"), Result(std::int64_t{0xABCD}));
}

TEST(GoToOffset, SignedInputMovesFromTheBase) {
    EXPECT_EQ(Parse(L"+0x100"), Result(std::int64_t{0x1100}));
    EXPECT_EQ(Parse(L"-16"), Result(std::int64_t{0x1000 - 16}));
    EXPECT_EQ(Parse(L"- 10h"), Result(std::int64_t{0x1000 - 16}));
}

TEST(GoToOffset, EndIsTheLastByte) {
    EXPECT_EQ(Parse(L"End"), Result(std::int64_t{0xFFFF}));
    EXPECT_EQ(ParseGoToOffset(L"end", 0, 0), Result(std::int64_t{0}));
}

TEST(GoToOffset, ProblemsAreTheUsersTexts) {
    EXPECT_EQ(Parse(L"12x"), Result(std::wstring(L"Not a number: 12x")));
    EXPECT_EQ(Parse(L""), Result(std::wstring(L"Not a number: ")));
    EXPECT_EQ(Parse(L"0x"), Result(std::wstring(L"Not a number: 0x")));
    EXPECT_EQ(Parse(L"65536"),
              Result(std::wstring(L"The offset is past the end (the last is 65535).")));
    EXPECT_EQ(Parse(L"-0x1001"), Result(std::wstring(L"The offset would be before the start.")));
}

TEST(GoToOffset, NumbersBeyondSixtyFourBitsDoNotWrap) {
    const std::wstring pastEnd = L"The offset is past the end (the last is 65535).";
    EXPECT_EQ(Parse(L"99999999999999999999999"), Result(pastEnd));
    EXPECT_EQ(Parse(L"+0x7FFFFFFFFFFFFFFF"), Result(pastEnd));
    EXPECT_EQ(Parse(L"-99999999999999999999999"),
              Result(std::wstring(L"The offset would be before the start.")));
}

} // namespace
} // namespace tavrix
