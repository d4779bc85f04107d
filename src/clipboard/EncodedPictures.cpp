#include "clipboard/EncodedPictures.h"

#include <array>

namespace tavrix {

namespace {

wchar_t AsciiLower(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool EqualIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

bool IsEncodedPictureName(std::wstring_view name) {
    static constexpr std::array<std::wstring_view, 6> kNames = {
        L"png", L"image/png", L"jfif", L"image/jpeg", L"gif", L"image/gif"};
    for (std::wstring_view known : kNames) {
        if (EqualIgnoringAsciiCase(name, known)) {
            return true;
        }
    }
    return false;
}

} // namespace tavrix
