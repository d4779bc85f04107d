// Copying viewer text onto Wine's real clipboard, with cliphelper as the other program.
#include "clipboard/ClipboardPort.h"
#include "clipboard/win32/Win32ClipboardBackend.h"
#include "support/HelperProcess.h"
#include "viewer/StringHelpers.h"
#include "viewer/ViewerClipboard.h"
#include "viewer/win32/Win32CodepageSystem.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tavrix {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Narrow(const std::string& text) {
    Bytes bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

Bytes Wide(const std::wstring& text) {
    Bytes bytes;
    for (wchar_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

class Win32ViewerClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        win32::InitViewerTextSupport();
        ClipboardPort::Install(backend_);
        test::RunHelper({L"set", L"13=" + test::UnicodeTextHex(L"before")});
    }
    // A format's block as this process reads it, cut after the terminating zero.
    Bytes Read(ClipFormat format, std::size_t unit) {
        auto data = ClipboardPort::Instance().GetData(format);
        if (!data) {
            return {};
        }
        Bytes bytes = *data;
        for (std::size_t i = 0; i + unit <= bytes.size(); i += unit) {
            bool zero = true;
            for (std::size_t k = 0; k < unit; ++k) {
                zero = zero && bytes[i + k] == 0;
            }
            if (zero) {
                bytes.resize(i + unit);
                break;
            }
        }
        return bytes;
    }
    void ExpectUnchanged() {
        EXPECT_EQ(Read(cf::UnicodeText, 2), Wide(L"before"));
        EXPECT_EQ(test::RunHelper({L"count"}), "4\n"); // 13 and the synthesized 1, 7, 16
    }
    win32::Win32ClipboardBackend backend_;
};

TEST_F(Win32ViewerClipboardTest, OemTextPlacesOemTextAndUnicode) {
    ASSERT_TRUE(SetClipboardText(ClipboardPort::Instance(), "\x82 \xB0",
                                 ViewerEncoding::OEM)); // code page 437
    EXPECT_EQ(Read(cf::OemText, 1), Narrow("\x82 \xB0"));
    EXPECT_EQ(Read(cf::UnicodeText, 2), Wide(L"\u00E9 \u2591"));
    const std::string list = test::RunHelper({L"list"});
    EXPECT_NE(list.find("7\t"), std::string::npos) << list;
    EXPECT_NE(list.find("13\t"), std::string::npos) << list;
}

TEST_F(Win32ViewerClipboardTest, Koi8TextPlacesAnsiTextAndUnicodeFromKoi8) {
    ASSERT_TRUE(
        SetClipboardText(ClipboardPort::Instance(), "\xC1\xE1 ok \xE9", ViewerEncoding::CyrKOI8R));
    EXPECT_EQ(Read(cf::UnicodeText, 2), Wide(L"\u0430\u0410 ok \u0418"));
    // The ANSI code page here is 1252, which has no Cyrillic letters.
    EXPECT_EQ(Read(cf::Text, 1), Narrow("?? ok ?"));
}

TEST_F(Win32ViewerClipboardTest, ZeroBytesBecomeBlanks) {
    std::string selection("a\0b\0", 4);
    ReplaceNulls(selection);
    ASSERT_TRUE(SetClipboardText(ClipboardPort::Instance(), selection, ViewerEncoding::ANSI));
    EXPECT_EQ(Read(cf::Text, 1), Narrow("a b "));
    EXPECT_EQ(Read(cf::UnicodeText, 2), Wide(L"a b "));
    std::wstring wide(L"x\0y", 3);
    ReplaceNulls(wide);
    ASSERT_TRUE(SetClipboardTextW(ClipboardPort::Instance(), wide));
    EXPECT_EQ(Read(cf::UnicodeText, 2), Wide(L"x y"));
}

TEST_F(Win32ViewerClipboardTest, WideTextPlacesUnicodeText) {
    ASSERT_TRUE(SetClipboardTextW(ClipboardPort::Instance(), L"x\u20ACy"));
    EXPECT_EQ(Read(cf::UnicodeText, 2), Wide(L"x\u20ACy"));
    EXPECT_EQ(Read(cf::Text, 1), Narrow("x\x80y")); // synthesized by the system
}

TEST_F(Win32ViewerClipboardTest, EmptyTextLeavesTheClipboardUnchanged) {
    EXPECT_TRUE(SetClipboardText(ClipboardPort::Instance(), "", ViewerEncoding::ANSI));
    EXPECT_TRUE(SetClipboardText(ClipboardPort::Instance(), "", ViewerEncoding::CyrKOI8R));
    EXPECT_TRUE(SetClipboardTextW(ClipboardPort::Instance(), L""));
    ExpectUnchanged();
}

TEST_F(Win32ViewerClipboardTest, ClipboardHeldByAnotherProgramIsLeftAlone) {
    {
        test::HelperProcess helper({L"hold", L"1500"});
        ASSERT_EQ(helper.ReadLine(), "holding");
        EXPECT_FALSE(SetClipboardText(ClipboardPort::Instance(), "abc", ViewerEncoding::ANSI));
        EXPECT_FALSE(SetClipboardText(ClipboardPort::Instance(), "abc", ViewerEncoding::OEM));
        EXPECT_FALSE(SetClipboardTextW(ClipboardPort::Instance(), L"abc"));
        EXPECT_FALSE(PutUnicodeText(ClipboardPort::Instance(), L"abc", true));
        EXPECT_EQ(helper.Wait(), 0);
    }
    ExpectUnchanged();
}

} // namespace
} // namespace tavrix
