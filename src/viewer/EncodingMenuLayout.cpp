#include "viewer/EncodingMenuLayout.h"

namespace tavrix {

std::vector<EncodingMenuEntry> LayoutEightBitEncodingMenu(const EncodingMenuSource& source) {
    std::vector<EncodingMenuEntry> entries;
    for (int i = 0; i < kEncodingCount; ++i) {
        const auto encoding = static_cast<ViewerEncoding>(i);
        if (IsUnicodeEncoding(encoding)) {
            continue;
        }
        const int group = source.group(encoding);
        const bool newGroup = i > 0 && group != source.group(static_cast<ViewerEncoding>(i - 1));
        const bool columnGroup = group == kEncodingColumnGroup2 || group == kEncodingColumnGroup3;
        if (newGroup && !columnGroup) {
            entries.push_back({true, false, 0, L"-", true});
        }
        entries.push_back({false, newGroup && columnGroup, i, source.caption(encoding),
                           source.available(encoding)});
    }
    return entries;
}

std::vector<EncodingMenuEntry> LayoutUnicodeEncodingMenu(const EncodingMenuSource& source) {
    return {
        {false, false, 0, source.caption(ViewerEncoding::UnicodeLE), true},
        {false, false, 1, source.caption(ViewerEncoding::UnicodeBE), true},
    };
}

} // namespace tavrix
