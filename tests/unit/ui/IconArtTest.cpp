#include "ui/IconArt.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavrix {
namespace {

struct Coverage {
    int transparent = 0, opaque = 0, partial = 0;
};

Coverage Measure(const IconImage& image) {
    Coverage c;
    for (const IconPixel& p : image.pixels) {
        if (p.a == 0) {
            ++c.transparent;
        } else if (p.a == 255) {
            ++c.opaque;
        } else {
            ++c.partial;
        }
    }
    return c;
}

TEST(IconArt, EveryPictureAtEverySizeHasShapeAndTransparency) {
    for (int size : {16, 24, 32}) {
        for (int k = 0; k < kIconCount; ++k) {
            IconImage image = DrawIcon(static_cast<IconKind>(k), size);
            ASSERT_EQ(image.size, size);
            ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(size * size));
            Coverage c = Measure(image);
            SCOPED_TRACE(testing::Message() << "icon " << k << " at " << size);
            // A real picture: a good part solid, some background left clear.
            EXPECT_GT(c.opaque, size * size / 5);
            EXPECT_GT(c.transparent, 0);
            // Sharp: soft edge pixels are a minority of the drawn ones.
            EXPECT_LT(c.partial, c.opaque);
        }
    }
}

int DifferentPixels(const IconImage& a, const IconImage& b) {
    int count = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        const IconPixel& p = a.pixels[i];
        const IconPixel& q = b.pixels[i];
        if (p.r != q.r || p.g != q.g || p.b != q.b || p.a != q.a) {
            ++count;
        }
    }
    return count;
}

TEST(IconArt, PicturesDifferFromEachOther) {
    for (int size : {16, 24, 32}) {
        std::vector<IconImage> images;
        for (int k = 0; k < kIconCount; ++k) {
            images.push_back(DrawIcon(static_cast<IconKind>(k), size));
        }
        for (int i = 0; i < kIconCount; ++i) {
            for (int j = i + 1; j < kIconCount; ++j) {
                // Even the two magnifiers differ in more than a couple of pixels.
                EXPECT_GT(DifferentPixels(images[i], images[j]), 2)
                    << "icons " << i << " and " << j << " at " << size;
            }
        }
    }
}

TEST(IconArt, LargerSizesAreTheSamePictureScaled) {
    // The centre pixel has the same colour family at every size: same artwork, not a crop.
    for (int k = 0; k < kIconCount; ++k) {
        IconImage small = DrawIcon(static_cast<IconKind>(k), 16);
        IconImage large = DrawIcon(static_cast<IconKind>(k), 32);
        int opaqueSmall = Measure(small).opaque;
        int opaqueLarge = Measure(large).opaque;
        // Area grows roughly with the square of the size.
        EXPECT_GT(opaqueLarge, opaqueSmall * 3) << "icon " << k;
        EXPECT_LT(opaqueLarge, opaqueSmall * 5) << "icon " << k;
    }
}

} // namespace
} // namespace tavrix
