#include "ui/win32/RichEdit.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace tavrix::win32 {
namespace {

TEST(RichEditControl, ReadsRtfWithUnicodeEscapesAndCountsLines) {
    const auto parent = test::TopLevelWindow();
    ASSERT_NE(parent.get(), nullptr) << "top-level windows need a display (run under xvfb-run)";
    RichEdit edit;
    edit.Create(parent.get(), 5);
    std::string rtf = "{\\rtf1\\ansi {\\fonttbl\\f0 Arial;}\\f0 0123456789}";
    edit.LoadRtf({reinterpret_cast<const std::uint8_t*>(rtf.data()), rtf.size()});
    EXPECT_EQ(edit.Text(), L"0123456789");
    EXPECT_EQ(edit.TextLengthByLines(), 12);

    std::string unicode = "{\\rtf1\\ansi \\u26085?\\u26412?\\par second}";
    edit.LoadRtf({reinterpret_cast<const std::uint8_t*>(unicode.data()), unicode.size()});
    std::wstring text = edit.Text();
    EXPECT_EQ(text.substr(0, 2), L"\u65E5\u672C");
    // Two lines: 2 + CR LF + 6 + CR LF.
    EXPECT_EQ(edit.TextLengthByLines(), 12);
}

} // namespace
} // namespace tavrix::win32
