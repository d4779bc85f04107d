#include "clipboard/FormatRemoval.h"
#include "clipboard/ClipboardPort.h"
#include "fakes/FakeClipboard.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

std::vector<ClipFormat> Order(const testing::FakeClipboard& fake) {
    std::vector<ClipFormat> formats;
    for (const auto& entry : fake.Entries()) {
        formats.push_back(entry.format);
    }
    return formats;
}

TEST(FormatRemoval, PutsTheRestBackInOrderWithTheirObjects) {
    testing::FakeClipboard fake;
    ClipboardPort port(fake);
    fake.PutText(cf::UnicodeText, "text");
    fake.PutHandle(cf::Bitmap, 4, 3);
    fake.PutText(0xC001, "<b>");
    fake.PutText(0xC002, "private");
    const FormatRemoval result = RemoveClipboardFormat(port, 0xC001);
    EXPECT_TRUE(result.removed);
    EXPECT_FALSE(result.comesBack);
    EXPECT_EQ(fake.emptyCalls, 1);
    EXPECT_EQ(Order(fake), (std::vector<ClipFormat>{cf::UnicodeText, cf::Bitmap, 0xC002}));
    EXPECT_EQ(fake.Find(cf::Bitmap)->pictureWidth, 4);
    EXPECT_FALSE(fake.Find(cf::Bitmap)->memory);
    EXPECT_EQ(fake.Find(0xC002)->bytes,
              (std::vector<std::uint8_t>{'p', 'r', 'i', 'v', 'a', 't', 'e', 0}));
    EXPECT_EQ(port.Depth(), 0);
}

TEST(FormatRemoval, AFormatThatCannotBeReadLeavesTheClipboardAlone) {
    testing::FakeClipboard fake;
    ClipboardPort port(fake);
    fake.PutText(cf::Text, "a");
    fake.PutUnrendered(0xC005);
    fake.PutText(0xC006, "b");
    const FormatRemoval result = RemoveClipboardFormat(port, 0xC006);
    EXPECT_FALSE(result.removed);
    EXPECT_EQ(result.unreadable, std::vector<ClipFormat>{0xC005});
    EXPECT_EQ(fake.emptyCalls, 0);
    EXPECT_EQ(Order(fake), (std::vector<ClipFormat>{cf::Text, 0xC005, 0xC006}));
}

} // namespace
} // namespace tavrix
