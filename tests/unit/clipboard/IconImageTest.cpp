#include "clipboard/IconImage.h"
#include "IconImageBuilder.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

using testing::MakeIconImage;

TEST(IconImage, AcceptsBitmapIconsOfEveryDepth) {
    for (int bits : {1, 4, 8, 24, 32}) {
        auto image = MakeIconImage(32, 32, bits);
        auto entries = ParseIconImage(image);
        ASSERT_TRUE(entries) << bits;
        ASSERT_EQ(entries->size(), 1u);
        EXPECT_EQ((*entries)[0].width, 32);
        EXPECT_EQ((*entries)[0].bitCount, bits);
        EXPECT_EQ((*entries)[0].offset, 22u);
        EXPECT_EQ((*entries)[0].offset + (*entries)[0].size, image.size());
    }
    auto large = ParseIconImage(MakeIconImage(256, 256));
    ASSERT_TRUE(large);
    EXPECT_EQ((*large)[0].height, 256);
}

TEST(IconImage, AcceptsAPngImage) {
    std::vector<std::uint8_t> image = {0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 1, 0, 32, 0};
    testing::PutLe(image, 16, 4);
    testing::PutLe(image, 22, 4);
    const std::uint8_t png[16] = {0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13, 'I', 'H'};
    image.insert(image.end(), png, png + 16);
    auto entries = ParseIconImage(image);
    ASSERT_TRUE(entries);
    EXPECT_TRUE((*entries)[0].png);
    EXPECT_EQ((*entries)[0].width, 256);
}

TEST(IconImage, RejectsImagesThatDoNotFitTheBlock) {
    auto good = MakeIconImage(32, 32);
    // Cut short: the image's stated size runs past the block.
    auto cut = good;
    cut.resize(cut.size() - 1);
    EXPECT_FALSE(ParseIconImage(cut));
    // The directory promises more entries than the block holds.
    auto many = good;
    many[4] = 200;
    EXPECT_FALSE(ParseIconImage(many));
    // An offset far outside the block, and one pointing into the directory.
    auto far = good;
    far[18] = 0xFF;
    far[21] = 0x7F;
    EXPECT_FALSE(ParseIconImage(far));
    auto inside = good;
    inside[18] = 4;
    EXPECT_FALSE(ParseIconImage(inside));
    // The bitmap header describes more pixels than the image holds.
    auto wide = good;
    wide[22 + 4] = 64; // width 64 in a 32 x 32 image
    EXPECT_FALSE(ParseIconImage(wide));
}

TEST(IconImage, RejectsWhatIsNoIconFile) {
    EXPECT_FALSE(ParseIconImage({}));
    std::vector<std::uint8_t> garbage(300);
    for (std::size_t i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<std::uint8_t>(i * 37 + 11);
    }
    EXPECT_FALSE(ParseIconImage(garbage));
    auto cursor = MakeIconImage(32, 32);
    cursor[2] = 2; // a cursor file
    EXPECT_FALSE(ParseIconImage(cursor));
    auto none = MakeIconImage(32, 32);
    none[4] = 0; // no images
    EXPECT_FALSE(ParseIconImage(none));
    auto compressed = MakeIconImage(32, 32);
    compressed[22 + 16] = 1; // RLE compression
    EXPECT_FALSE(ParseIconImage(compressed));
}

} // namespace
} // namespace tavrix
