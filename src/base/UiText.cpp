#include "base/UiText.h"

namespace tavrix {

namespace {
TextTranslator g_translator = nullptr;
}

void InstallTextTranslator(TextTranslator translator) {
    g_translator = translator;
}

std::wstring Tr(std::wstring_view key) {
    return g_translator != nullptr ? g_translator(key) : std::wstring(key);
}

std::wstring Tr(std::wstring_view key, std::initializer_list<std::wstring_view> values) {
    return FillPlaceholders(Tr(key), values);
}

std::wstring FillPlaceholders(std::wstring_view pattern,
                              std::initializer_list<std::wstring_view> values) {
    std::wstring text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const wchar_t c = pattern[i];
        if (c == L'%' && i + 1 < pattern.size() && pattern[i + 1] >= L'1' &&
            pattern[i + 1] <= L'9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - L'1');
            if (index < values.size()) {
                text += values.begin()[index];
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

} // namespace tavrix
