#include "clipboard/EncodedPictures.h"

#include "base/TextHelpers.h"

#include <array>

namespace tavrix {

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
