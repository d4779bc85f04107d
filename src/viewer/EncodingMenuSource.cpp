#include "viewer/CodePages.h"
#include "viewer/EncodingMenuLayout.h"

namespace tavrix {

EncodingMenuSource SystemEncodingMenuSource() {
    return {
        [](ViewerEncoding encoding) { return static_cast<int>(EncodingRecord(encoding).group); },
        [](ViewerEncoding encoding) { return EncodingName(encoding); },
        [](ViewerEncoding encoding) { return IsEncodingAvailable(encoding); },
    };
}

} // namespace tavrix
