#include "clipboard/EncodedPictures.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

TEST(EncodedPictures, TheSixNamesInAnyLetterCase) {
    for (const wchar_t* name :
         {L"PNG", L"png", L"Image/Png", L"JFIF", L"image/jpeg", L"GIF", L"IMAGE/GIF"}) {
        EXPECT_TRUE(IsEncodedPictureName(name)) << name;
    }
    for (const wchar_t* name : {L"", L"PNG ", L"JPEG", L"image/jpg", L"image/bmp", L"GIF89a"}) {
        EXPECT_FALSE(IsEncodedPictureName(name)) << name;
    }
}

} // namespace
} // namespace tavrix
