#pragma once
// The formats whose name says their text is UTF-8: HTML by MIME type ("text/html", HTML is
// UTF-8 on the clipboard by definition), a charset parameter of UTF-8, and the X11 names
// "UTF8_STRING" and "UTF-8". Letter case is ignored.
#include <string_view>

namespace tavrix {

bool IsUtf8TextFormatName(std::wstring_view name);

} // namespace tavrix
