#include "viewer/EncodingMenuLayout.h"

namespace tavrix {

std::vector<EncodingMenuEntry> LayoutEightBitEncodingMenu(const EncodingMenuSource& source) {
    std::vector<EncodingMenuEntry> entries;
    for (int i = 0; i < kEncodingCount; ++i) {
        const auto encoding = static_cast<TZorvEncoding>(i);
        if (IsUnicodeEncoding(encoding)) {
            continue;
        }
        const int group = source.Group(encoding);
        const bool newGroup = i > 0 && group != source.Group(static_cast<TZorvEncoding>(i - 1));
        const bool columnGroup = group == kEncodingColumnGroup2 || group == kEncodingColumnGroup3;
        if (newGroup && !columnGroup) {
            entries.push_back({true, false, 0, L"-", true});
        }
        entries.push_back({false, newGroup && columnGroup, i, source.Caption(encoding),
                           source.Available(encoding)});
    }
    return entries;
}

std::vector<EncodingMenuEntry> LayoutUnicodeEncodingMenu(const EncodingMenuSource& source) {
    return {
        {false, false, 0, source.Caption(vEncUnicodeLE), true},
        {false, false, 1, source.Caption(vEncUnicodeBE), true},
    };
}

} // namespace tavrix
