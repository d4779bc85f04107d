#include "app/LinkPolicy.h"

#include <array>

namespace tavrix {

namespace {
wchar_t Lower(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool StartsWithNoCase(const std::wstring& text, std::size_t from, std::wstring_view prefix) {
    if (text.size() - from < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Lower(text[from + i]) != prefix[i]) {
            return false;
        }
    }
    return true;
}
} // namespace

bool IsOpenableLink(const std::wstring& link) {
    std::size_t start = link.find_first_not_of(L" \t");
    if (start == std::wstring::npos) {
        return false;
    }
    constexpr std::array<std::wstring_view, 5> kAllowed = {L"http:", L"https:", L"ftp:", L"mailto:",
                                                           L"www."};
    for (auto prefix : kAllowed) {
        if (StartsWithNoCase(link, start, prefix)) {
            // "www." alone names no site.
            return link.size() - start > prefix.size();
        }
    }
    return false;
}

} // namespace tavrix
