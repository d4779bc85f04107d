#include "base/TextHelpers.h"

#include <cwctype>

namespace tavrix {

std::wstring PadRight(const std::wstring& text, int width) {
    if (width <= 0) {
        return {};
    }
    std::wstring result = text.substr(0, static_cast<std::size_t>(width));
    result.resize(static_cast<std::size_t>(width), L' ');
    return result;
}

bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::towlower(a[i]) != std::towlower(b[i])) {
            return false;
        }
    }
    return true;
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& fileName) {
    if (folder.empty() || folder.back() == L'\\') {
        return folder + fileName;
    }
    return folder + L'\\' + fileName;
}

} // namespace tavrix
