#include "i18n/Translate.h"

#include "base/Unicode.h"
#include "i18n/TranslationTable.h"
#include "i18n/UiLanguage.h"

namespace tavrix {

namespace {
constexpr std::uint16_t kEnglishKey = 9;
}

std::uint16_t TranslationLanguageKey(std::uint16_t languageId) {
    switch (languageId) {
    case 2052: // Chinese (China)
    case 2070: // Portuguese (Portugal)
    case 1050: // Croatian (Croatia)
        return languageId;
    default:
        return languageId & 0xFF;
    }
}

std::u16string TranslateText(std::u16string_view text, std::uint16_t languageId) {
    const std::uint16_t key = TranslationLanguageKey(languageId);
    if (key == kEnglishKey) {
        return std::u16string(text);
    }
    const auto& keys = TranslationKeys();
    std::size_t row = 0;
    while (row < keys.size() && keys[row] != text) {
        ++row;
    }
    if (row == keys.size()) {
        return std::u16string(text);
    }
    for (const TranslationColumn& column : TranslationColumns()) {
        if (column.languageKey == key) {
            const char16_t* cell = column.cells[row];
            return cell != nullptr ? std::u16string(cell) : std::u16string(text);
        }
    }
    return std::u16string(text);
}

std::wstring TranslateText(const std::wstring& text) {
    return WideFromUtf16(TranslateText(Utf16FromWide(text), CurrentUiLanguage()));
}

} // namespace tavrix
