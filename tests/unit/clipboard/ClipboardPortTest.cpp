#include "clipboard/ClipboardPort.h"
#include "base/Error.h"
#include "clipboard/RegisteredFormats.h"
#include "fakes/FakeClipboard.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

using testing::FakeClipboard;
using testing::FakePicture;

TEST(ClipboardPort, NestedOpensShareOnePlatformOpen) {
    FakeClipboard fake;
    ClipboardPort port(fake);
    port.Open();
    port.Open();
    port.Close();
    EXPECT_TRUE(fake.isOpen);
    port.Close();
    EXPECT_FALSE(fake.isOpen);
    port.Close(); // one more does nothing
    EXPECT_EQ(fake.openCalls, 1);
    EXPECT_EQ(fake.closeCalls, 1);
    EXPECT_EQ(port.Depth(), 0);
}

TEST(ClipboardPort, RefusedOpenRaisesNamingAKnownHolderAndKeepsDepth) {
    FakeClipboard fake;
    ClipboardPort port(fake);
    fake.heldByOther = true;
    auto openError = [&port] {
        try {
            port.Open();
        } catch (const Error& e) {
            return e.Message();
        }
        return std::wstring(L"opened");
    };
    EXPECT_EQ(openError(), L"Cannot open clipboard");
    fake.holder = ClipboardProcess{.exeName = L"keeper.exe", .processId = 4242};
    EXPECT_EQ(openError(), L"Cannot open clipboard\r\nHeld by keeper.exe (pid 4242)");
    EXPECT_EQ(port.Depth(), 0);
}

TEST(ClipboardPort, FormatsByPositionAndPastTheEnd) {
    FakeClipboard fake;
    ClipboardPort port(fake);
    fake.PutText(cf::Text, "a");
    fake.PutText(cf::UnicodeText, "b");
    ASSERT_EQ(port.FormatCount(), 2);
    EXPECT_EQ(port.Formats(0), cf::Text);
    EXPECT_EQ(port.Formats(1), cf::UnicodeText);
    EXPECT_EQ(port.Formats(port.FormatCount()), 0);
    EXPECT_FALSE(fake.isOpen);
}

TEST(ClipboardPort, PictureFormatTestAcceptsLoadableFormats) {
    FakeClipboard fake;
    RegisterStartupFormats(fake);
    ClipboardPort port(fake);
    fake.PutText(cf::Text, "x");
    EXPECT_FALSE(port.HasFormat(PictureFormat));
    fake.PutHandle(cf::EnhMetafile, 10, 20);
    EXPECT_TRUE(port.HasFormat(PictureFormat));
    EXPECT_FALSE(port.HasFormat(0));
}

TEST(ClipboardPort, LoadPictureTakesFirstLoadableFormatWithPalette) {
    FakeClipboard fake;
    ClipboardPort port(fake);
    fake.PutHandle(cf::Palette);
    fake.PutHandle(cf::EnhMetafile, 7, 8);
    fake.PutHandle(cf::Bitmap, 3, 4);
    FakePicture picture;
    port.LoadClipboardPicture(picture);
    EXPECT_EQ(picture.loadedFrom, cf::EnhMetafile);
    EXPECT_FALSE(picture.withPalette);
    EXPECT_EQ(picture.Width(), 7);

    fake.Reset();
    fake.PutHandle(cf::Bitmap, 3, 4);
    fake.PutHandle(cf::Palette);
    port.LoadClipboardPicture(picture);
    EXPECT_EQ(picture.loadedFrom, cf::Bitmap);
    EXPECT_TRUE(picture.withPalette);
    EXPECT_EQ(picture.Height(), 4);
    EXPECT_EQ(port.Depth(), 0);
}

TEST(ClipboardPort, LoadPictureWithoutPictureRaisesAndKeepsPicture) {
    FakeClipboard fake;
    ClipboardPort port(fake);
    fake.PutText(cf::Text, "no picture");
    FakePicture picture;
    picture.width = 5;
    EXPECT_THROW(port.LoadClipboardPicture(picture), Error);
    EXPECT_EQ(picture.width, 5);
    EXPECT_EQ(port.Depth(), 0);
    EXPECT_FALSE(fake.isOpen);
}

TEST(RegisteredFormats, IconFormatRegistersOnce) {
    FakeClipboard fake;
    IconFormat = 0;
    ClipFormat first = GetIconFormat(fake);
    ClipFormat second = GetIconFormat(fake);
    EXPECT_NE(first, 0);
    EXPECT_EQ(first, second);
    EXPECT_EQ(fake.registerCalls, 1);
    IconFormat = 0;
}

} // namespace
} // namespace tavrix
