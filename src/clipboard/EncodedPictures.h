#pragma once
// Pictures that programs put on the clipboard as whole image files (PNG, JPEG, GIF) under
// registered names.
#include <string_view>

namespace tavrix {

// "PNG", "image/png", "JFIF", "image/jpeg", "GIF" and "image/gif", whatever the letter case.
bool IsEncodedPictureName(std::wstring_view name);

} // namespace tavrix
