#pragma once
// The compiled-in table of user-interface translations: the English texts are the keys, and each
// language lists its texts by key in a file of its own (src/i18n/languages). A key a language
// does not list shows in English.
#include <cstdint>
#include <span>
#include <string_view>

namespace tavrix {

struct TranslatedText {
    std::u16string_view key;
    std::u16string_view text;
};

struct TranslationColumn {
    std::uint16_t languageKey;
    const char* languageName; // English, for messages
    // True for the languages that translate the whole program: they list every key.
    bool complete;
    std::span<const TranslatedText> texts;
};

// Every English text that is shown to the user.
std::span<const std::u16string_view> TranslationKeys();

// The 27 language columns.
std::span<const TranslationColumn> TranslationColumns();

// The column's text for key; nullptr when the column has none.
const std::u16string_view* FindTranslation(const TranslationColumn& column,
                                           std::u16string_view key);

} // namespace tavrix
