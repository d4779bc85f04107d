#include "i18n/Translate.h"

#include "base/UiText.h"
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
    for (const TranslationColumn& column : TranslationColumns()) {
        if (column.languageKey == key) {
            const std::u16string_view* cell = FindTranslation(column, text);
            return std::u16string(cell != nullptr ? *cell : text);
        }
    }
    return std::u16string(text);
}

std::wstring TranslateText(const std::wstring& text) {
    return WideFromUtf16(TranslateText(Utf16FromWide(text), CurrentUiLanguage()));
}

namespace {
std::wstring TranslateForUser(std::wstring_view key) {
    return WideFromUtf16(TranslateText(Utf16FromWide(key), CurrentUiLanguage()));
}
} // namespace

void InstallTableTranslation() {
    InstallTextTranslator(&TranslateForUser);
}

} // namespace tavrix
