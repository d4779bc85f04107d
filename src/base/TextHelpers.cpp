#include "base/TextHelpers.h"

#include <cwctype>

namespace tavrix {

namespace {

template <typename Char>
bool EqualFoldingAscii(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
    auto fold = [](Char c) {
        return c >= Char('A') && c <= Char('Z') ? static_cast<Char>(c - Char('A') + Char('a')) : c;
    };
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return EqualFoldingAscii(a, b);
}

bool EqualIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
    return EqualFoldingAscii(a, b);
}

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

int HexDigitValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') {
        return c - L'0';
    }
    if (c >= L'a' && c <= L'f') {
        return c - L'a' + 10;
    }
    if (c >= L'A' && c <= L'F') {
        return c - L'A' + 10;
    }
    return -1;
}

} // namespace tavrix
