// Copying viewer text to the clipboard, natively against the fake clipboard and iconv.
#ifndef _WIN32

#include "viewer/ViewerClipboard.h"
#include "clipboard/ClipboardPort.h"
#include "fakes/FakeClipboard.h"
#include "fakes/IconvCodepageSystem.h"
#include "viewer/CodePages.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

class ViewerClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallCodepageSystem(&codepages);
        BuildAvailableEncodings();
        clipboard.Put(cf::Wave, {1, 2, 3}); // something to replace
    }
    void TearDown() override { InstallCodepageSystem(nullptr); }

    std::vector<std::uint8_t> Held(ClipFormat format) {
        const auto* entry = clipboard.Find(format);
        return entry == nullptr ? std::vector<std::uint8_t>{} : entry->bytes;
    }
    static std::vector<std::uint8_t> Units(std::initializer_list<unsigned> units) {
        std::vector<std::uint8_t> bytes;
        for (unsigned u : units) {
            bytes.push_back(static_cast<std::uint8_t>(u & 0xFF));
            bytes.push_back(static_cast<std::uint8_t>(u >> 8));
        }
        return bytes;
    }

    testing::FakeClipboard clipboard;
    ClipboardPort port{clipboard};
    testing::IconvCodepageSystem codepages;
};

TEST_F(ViewerClipboardTest, AnsiTextGoesAsTextAndUnicode) {
    EXPECT_TRUE(SetClipboardText(port, "caf\xE9", ViewerEncoding::ANSI));
    EXPECT_EQ(clipboard.Entries().size(), 2u);
    EXPECT_EQ(Held(cf::Text), (std::vector<std::uint8_t>{'c', 'a', 'f', 0xE9, 0}));
    EXPECT_EQ(Held(cf::UnicodeText), Units({'c', 'a', 'f', 0xE9, 0}));
    EXPECT_FALSE(clipboard.isOpen);
}

TEST_F(ViewerClipboardTest, OemTextGoesAsOemTextAndUnicodeFromTheOemCodepage) {
    EXPECT_TRUE(SetClipboardText(port, "\x82\xB0",
                                 ViewerEncoding::OEM)); // code page 437: e acute, light shade
    EXPECT_EQ(Held(cf::OemText), (std::vector<std::uint8_t>{0x82, 0xB0, 0}));
    EXPECT_EQ(clipboard.Find(cf::Text), nullptr);
    EXPECT_EQ(Held(cf::UnicodeText), Units({0xE9, 0x2591, 0}));
}

TEST_F(ViewerClipboardTest, Koi8TextIsConvertedForBothFormats) {
    codepages.ansiCodepage = 1251;
    EXPECT_TRUE(SetClipboardText(port, "\xC1\xE2 ok", ViewerEncoding::CyrKOI8R));
    EXPECT_EQ(Held(cf::Text), (std::vector<std::uint8_t>{0xE0, 0xC1, ' ', 'o', 'k', 0}));
    EXPECT_EQ(Held(cf::UnicodeText), Units({0x430, 0x411, ' ', 'o', 'k', 0}));
    // Characters the ANSI code page lacks become "?" in the 8-bit form only.
    codepages.ansiCodepage = 1252;
    EXPECT_TRUE(SetClipboardText(port, "\xC1", ViewerEncoding::CyrKOI8R));
    EXPECT_EQ(Held(cf::Text), (std::vector<std::uint8_t>{'?', 0}));
    EXPECT_EQ(Held(cf::UnicodeText), Units({0x430, 0}));
}

TEST_F(ViewerClipboardTest, EmptyTextLeavesTheClipboardAlone) {
    EXPECT_TRUE(SetClipboardText(port, "", ViewerEncoding::ANSI));
    EXPECT_TRUE(SetClipboardTextW(port, L""));
    EXPECT_TRUE(PutUnicodeText(port, L"", true));
    EXPECT_EQ(clipboard.openCalls, 0);
    EXPECT_NE(clipboard.Find(cf::Wave), nullptr);
}

TEST_F(ViewerClipboardTest, HeldClipboardReturnsFalseAndChangesNothing) {
    clipboard.heldByOther = true;
    EXPECT_FALSE(SetClipboardText(port, "abc", ViewerEncoding::ANSI));
    EXPECT_FALSE(SetClipboardTextW(port, L"abc"));
    EXPECT_FALSE(PutUnicodeText(port, L"abc", true));
    EXPECT_FALSE(OpenAndEmptyClipboard(port));
    EXPECT_EQ(clipboard.emptyCalls, 0);
    EXPECT_NE(clipboard.Find(cf::Wave), nullptr);
}

TEST_F(ViewerClipboardTest, WideTextOnNtAndOlderSystems) {
    EXPECT_TRUE(SetClipboardTextW(port, L"x\u20ACy"));
    EXPECT_EQ(clipboard.Entries().size(), 1u);
    EXPECT_EQ(Held(cf::UnicodeText), Units({'x', 0x20AC, 'y', 0}));
    codepages.ntFamily = false;
    EXPECT_TRUE(SetClipboardTextW(port, L"x\u20ACy"));
    EXPECT_EQ(clipboard.Entries().size(), 1u);
    EXPECT_EQ(Held(cf::Text), (std::vector<std::uint8_t>{'x', 0x80, 'y', 0}));
}

TEST_F(ViewerClipboardTest, TextThatConvertsToNothingLeavesTheClipboardEmptied) {
    EXPECT_TRUE(SetClipboardText(port, "\xFF", ViewerEncoding::UTF8)); // not UTF-8: converts to "?"
    EXPECT_EQ(Held(cf::Text), (std::vector<std::uint8_t>{'?', 0}));
    EXPECT_EQ(clipboard.Find(cf::Wave), nullptr);
    EXPECT_FALSE(clipboard.isOpen);
}

TEST_F(ViewerClipboardTest, PutUnicodeTextIntoAnAlreadyOpenClipboard) {
    ASSERT_TRUE(OpenAndEmptyClipboard(port));
    EXPECT_TRUE(PutUnicodeText(port, L"a", false));
    EXPECT_TRUE(clipboard.isOpen);
    port.Close();
    EXPECT_FALSE(clipboard.isOpen);
    EXPECT_EQ(Held(cf::UnicodeText), Units({'a', 0}));
}

} // namespace
} // namespace tavrix

#endif
