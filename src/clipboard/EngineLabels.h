#pragma once
// The translated texts the clipboard engine shows: the labels that the main window's creation
// translates once per run (English until then). The engine reads them only through these
// functions.
#include "i18n/Labels.h"

#include <string>

namespace tavrix::labels {

inline const std::wstring& Preview() {
    return PreviewLabel;
}
inline const std::wstring& Empty() {
    return EmptyLabel;
}
inline const std::wstring& Sound() {
    return SoundLabel;
}
inline const std::wstring& Size() {
    return SizeLabel;
}

} // namespace tavrix::labels
