#include "ui/win32/FileDialog.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace tavrix::win32 {
namespace {

TEST(FileDialogs, FilterPairsBecomeZeroSeparated) {
    std::wstring f =
        FileDialog::PlatformFilter(L"Clipboard file (*.cl7)|*.cl7|All files (*.*)|*.*");
    constexpr wchar_t kExpected[] = L"Clipboard file (*.cl7)\0*.cl7\0All files (*.*)\0*.*\0";
    // The literal's own terminator supplies the final one of the two closing zeros.
    EXPECT_EQ(f, std::wstring(kExpected, std::size(kExpected)));
}

} // namespace
} // namespace tavrix::win32
