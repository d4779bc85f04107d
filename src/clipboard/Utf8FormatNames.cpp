#include "clipboard/Utf8FormatNames.h"

#include <algorithm>
#include <string>

namespace tavrix {

namespace {

std::wstring Lower(std::wstring_view text) {
    std::wstring lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) {
        return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
    });
    lower.erase(std::remove(lower.begin(), lower.end(), L' '), lower.end());
    return lower;
}

} // namespace

bool IsUtf8TextFormatName(std::wstring_view name) {
    const std::wstring lower = Lower(name);
    return lower == L"utf8_string" || lower == L"utf-8" || lower == L"utf8" ||
           lower.rfind(L"text/html", 0) == 0 ||
           lower.find(L"charset=utf-8") != std::wstring::npos ||
           lower.find(L"charset=utf8") != std::wstring::npos;
}

} // namespace tavrix
