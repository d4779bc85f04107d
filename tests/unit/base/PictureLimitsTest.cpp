#include "base/PictureLimits.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

TEST(PictureLimits, SidesUpTo16384AndOneGibibyteDecoded) {
    EXPECT_TRUE(DecodedPictureFits(1, 1));
    EXPECT_TRUE(DecodedPictureFits(16384, 16384)); // exactly 1 GiB at four bytes a pixel
    EXPECT_TRUE(DecodedPictureFits(16384, 1));
    EXPECT_FALSE(DecodedPictureFits(16385, 1));
    EXPECT_FALSE(DecodedPictureFits(1, 16385));
    EXPECT_FALSE(DecodedPictureFits(0, 10));
    EXPECT_FALSE(DecodedPictureFits(10, 0));
}

} // namespace
} // namespace tavrix
