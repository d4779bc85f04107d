#include "viewer/CodePages.h"
#include "viewer/EncodingMenuLayout.h"

namespace tavrix {

EncodingMenuSource SystemEncodingMenuSource() {
    return {
        [](TZorvEncoding encoding) { return static_cast<int>(EncodingRecord(encoding).Group); },
        [](TZorvEncoding encoding) { return EncodingName(encoding); },
        [](TZorvEncoding encoding) { return IsEncodingAvailable(encoding); },
    };
}

} // namespace tavrix
