#include "base/TextHelpers.h"

namespace tavrix {

std::wstring PadRight(const std::wstring& text, int width) {
    if (width <= 0) {
        return {};
    }
    std::wstring result = text.substr(0, static_cast<std::size_t>(width));
    result.resize(static_cast<std::size_t>(width), L' ');
    return result;
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& fileName) {
    if (folder.empty() || folder.back() == L'\\') {
        return folder + fileName;
    }
    return folder + L'\\' + fileName;
}

} // namespace tavrix
