#include "base/PictureLimits.h"

namespace tavrix {

bool DecodedPictureFits(std::uint32_t width, std::uint32_t height) {
    if (width == 0 || height == 0 || width > kMaxPictureSide || height > kMaxPictureSide) {
        return false;
    }
    return std::uint64_t{width} * height * 4 <= kMaxDecodedPictureBytes;
}

} // namespace tavrix
