#pragma once
// The translated texts the clipboard engine shows. Until the translation table is in place these
// are the English texts; the engine reads them only through these functions.
#include <string>

namespace tavrix::labels {

inline const std::wstring& Preview() {
    static const std::wstring text = L"Preview";
    return text;
}
inline const std::wstring& Empty() {
    static const std::wstring text = L"Clipboard is Empty.";
    return text;
}
inline const std::wstring& Sound() {
    static const std::wstring text = L"Sound";
    return text;
}
inline const std::wstring& Size() {
    static const std::wstring text = L"Size";
    return text;
}

} // namespace tavrix::labels
