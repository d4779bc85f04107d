#include "ui/win32/ImageList.h"

#include <gtest/gtest.h>

namespace tavrix::win32 {
namespace {

TEST(ImageLists, EightAlphaPicturesAtEachSize) {
    for (int size : {16, 24, 32}) {
        ImageList list = CreateProgramImageList(size);
        EXPECT_EQ(list.Count(), 8);
        EXPECT_EQ(list.Size(), size);
        IMAGEINFO info{};
        ASSERT_TRUE(ImageList_GetImageInfo(list.get(), 3, &info));
        BITMAP bm{};
        GetObjectW(info.hbmImage, sizeof(bm), &bm);
        EXPECT_EQ(bm.bmBitsPixel, 32);
    }
}

} // namespace
} // namespace tavrix::win32
