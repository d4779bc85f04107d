#include "base/TextHelpers.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

TEST(PadRight, FillsAndCuts) {
    EXPECT_EQ(PadRight(L"13", 5), L"13   ");
    EXPECT_EQ(PadRight(L"1234567", 5), L"12345");
    EXPECT_EQ(PadRight(L"49161", 5), L"49161");
    EXPECT_EQ(PadRight(L"abc", 0), L"");
    EXPECT_EQ(PadRight(L"abc", -3), L"");
}

TEST(JoinPath, OneBackslashBetween) {
    EXPECT_EQ(JoinPath(L"C:\\Tools", L"Backup.ini"), L"C:\\Tools\\Backup.ini");
    EXPECT_EQ(JoinPath(L"C:\\Tools\\", L"Backup.ini"), L"C:\\Tools\\Backup.ini");
    EXPECT_EQ(JoinPath(L"", L"Backup.ini"), L"Backup.ini");
    EXPECT_EQ(JoinPath(L"C:\\Tools", L""), L"C:\\Tools\\");
}

} // namespace
} // namespace tavrix
