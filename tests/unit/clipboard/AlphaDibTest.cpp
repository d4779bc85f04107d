#include "clipboard/AlphaDib.h"
#include "DibBuilder.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

using testing::MakeDib32;

// Two rows: a half-transparent red over an opaque green, then a clear pixel and an opaque blue.
const std::vector<std::uint32_t> kPixels = {0x80FF0000, 0xFF00FF00, 0x00FFFFFF, 0xFF0000FF};
const std::vector<std::uint8_t> kPremultiplied = {0, 0, 128, 128, 0,   255, 0, 255,
                                                  0, 0, 0,   0,   255, 0,   0, 255};

TEST(AlphaDib, BothHeaderKindsGivePremultipliedPixelsTopRowFirst) {
    for (bool v5 : {false, true}) {
        const auto picture = ReadAlphaDib(MakeDib32(2, 2, kPixels, v5));
        ASSERT_TRUE(picture) << v5;
        EXPECT_EQ(picture->width, 2);
        EXPECT_EQ(picture->height, 2);
        EXPECT_EQ(picture->bgra, kPremultiplied) << v5;
    }
}

TEST(AlphaDib, OpaqueShortOrOtherBitmapsAreNotTransparent) {
    // Top bytes all zero: an opaque picture from a program that leaves them unset.
    EXPECT_FALSE(ReadAlphaDib(MakeDib32(2, 1, {0x00FF0000, 0x0000FF00})));
    auto shortBlock = MakeDib32(2, 2, kPixels);
    shortBlock.pop_back();
    EXPECT_FALSE(ReadAlphaDib(shortBlock));
    auto bits24 = MakeDib32(2, 2, kPixels);
    bits24[14] = 24;
    EXPECT_FALSE(ReadAlphaDib(bits24));
    auto otherMasks = MakeDib32(2, 2, kPixels, true);
    otherMasks[40] = 0x1F; // red mask 0x00FF001F
    EXPECT_FALSE(ReadAlphaDib(otherMasks));
    // One pixel wider than decoding allows, all its bytes there.
    EXPECT_FALSE(ReadAlphaDib(MakeDib32(16385, 1, std::vector<std::uint32_t>(16385, 0x80FFFFFF))));
    EXPECT_FALSE(ReadAlphaDib(std::vector<std::uint8_t>(39, 0)));
}

} // namespace
} // namespace tavrix
