#pragma once
// A format list entry: the identifier in decimal padded with blanks to five characters, directly
// followed by the display name. Tree node k + 1 shows entry k from its sixth character on.
#include "clipboard/ClipboardFormat.h"

#include <string>

namespace tavrix {

inline constexpr std::size_t kFormatFieldWidth = 5;

std::wstring MakeFormatListEntry(ClipFormat format, const std::wstring& name);
// The entry from its sixth character on (empty when there is nothing after the identifier).
std::wstring FormatNodeText(const std::wstring& entry);
// The identifier read back from the first five characters, trimmed of blanks; 0 when they hold
// no decimal number.
ClipFormat FormatOfEntry(const std::wstring& entry);

} // namespace tavrix
