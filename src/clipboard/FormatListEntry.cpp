#include "clipboard/FormatListEntry.h"

#include "base/SystemServices.h"
#include "base/TextHelpers.h"

namespace tavrix {

std::wstring MakeFormatListEntry(ClipFormat format, const std::wstring& name) {
    return PadRight(std::to_wstring(format), static_cast<int>(kFormatFieldWidth)) + name;
}

std::wstring FormatNodeText(const std::wstring& entry) {
    return entry.size() > kFormatFieldWidth ? entry.substr(kFormatFieldWidth) : std::wstring();
}

ClipFormat FormatOfEntry(const std::wstring& entry) {
    const std::wstring field = entry.substr(0, kFormatFieldWidth);
    std::uint32_t value = 0;
    bool digits = false;
    for (wchar_t c : field) {
        if (c == L' ') {
            continue;
        }
        if (c < L'0' || c > L'9') {
            return 0;
        }
        value = value * 10 + static_cast<std::uint32_t>(c - L'0');
        digits = true;
    }
    return digits && value <= 0xFFFF ? static_cast<ClipFormat>(value) : 0;
}

} // namespace tavrix
