#include "base/Dpi.h"
#include "fakes/FakeSystemPlatform.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

using testing::FakeSystemPlatform;

TEST(ScaleByDpi, UnchangedAt96AndRoundsHalfToEven) {
    EXPECT_EQ(ScaleByDpi(19, 96), 19);
    EXPECT_EQ(ScaleByDpi(19, 120), 24); // 23.75
    EXPECT_EQ(ScaleByDpi(1, 144), 2);   // 1.5 -> even neighbour
    EXPECT_EQ(ScaleByDpi(5, 144), 8);   // 7.5 -> even neighbour
    EXPECT_EQ(ScaleByDpi(3, 144), 4);   // 4.5 -> 4
    EXPECT_EQ(ScaleByDpi(-5, 144), -8);
    FakeSystemPlatform platform;
    platform.pixelsPerInch = 120;
    EXPECT_DOUBLE_EQ(DpiFactor(), 1.25);
    EXPECT_EQ(ScaleByDpi(142), 178); // 177.5 -> 178
}

} // namespace
} // namespace tavrix
