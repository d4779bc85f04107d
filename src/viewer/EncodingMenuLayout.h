#pragma once
// The two encoding menus as data. The 8-bit menu lists every code-page encoding grouped by
// language, in three columns (the generic and European groups, then from the US OEM group on,
// then the EBCDIC group and after), with separators between the other groups; the Unicode menu
// offers the two byte orders.
#include "viewer/Encoding.h"

#include <functional>
#include <string>
#include <vector>

namespace tavrix {

struct EncodingMenuEntry {
    bool separator = false;
    bool newColumn = false; // the item starts a new column, with a bar before it
    int tag = 0;            // encoding value; in the Unicode menu 0 little-, 1 big-endian
    std::wstring caption;
    bool enabled = true;
    bool operator==(const EncodingMenuEntry&) const = default;
};

// The groups that start a new column of the 8-bit menu (the first column starts at group 0).
inline constexpr int kEncodingColumnGroup2 = 5;
inline constexpr int kEncodingColumnGroup3 = 13;

// Where the 8-bit menu takes each encoding's group, caption and availability from.
struct EncodingMenuSource {
    std::function<int(ViewerEncoding)> group;
    std::function<std::wstring(ViewerEncoding)> caption;
    std::function<bool(ViewerEncoding)> available;
};

// The encoding table, its display names and the system's code pages.
EncodingMenuSource SystemEncodingMenuSource();

std::vector<EncodingMenuEntry> LayoutEightBitEncodingMenu(const EncodingMenuSource& source);
std::vector<EncodingMenuEntry> LayoutUnicodeEncodingMenu(const EncodingMenuSource& source);

// The byte order (1 little-, 2 big-endian) of a Unicode menu tag, and back.
constexpr int UnicodeOrderOfTag(int tag) {
    return tag == 1 ? 2 : 1;
}
constexpr int TagOfUnicodeOrder(int order) {
    return order == 2 ? 1 : 0;
}

} // namespace tavrix
