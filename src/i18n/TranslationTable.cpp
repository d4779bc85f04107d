#include "i18n/TranslationTable.h"

#include "i18n/languages/LanguageColumns.h"

#include <array>

namespace tavrix {

std::span<const TranslationColumn> TranslationColumns() {
    static const std::array<TranslationColumn, 27> columns = {
        kArabicColumn,
        kBulgarianColumn,
        kChineseTraditionalColumn,
        kCzechColumn,
        kDanishColumn,
        kGermanColumn,
        kGreekColumn,
        kSpanishColumn,
        kFrenchColumn,
        kHungarianColumn,
        kItalianColumn,
        kJapaneseColumn,
        kKoreanColumn,
        kDutchColumn,
        kPolishColumn,
        kPortugueseBrazilColumn,
        kRussianColumn,
        kSerbianColumn,
        kSlovakColumn,
        kSwedishColumn,
        kTurkishColumn,
        kUkrainianColumn,
        kBelarusianColumn,
        kLatvianColumn,
        kCroatianColumn,
        kChineseSimplifiedColumn,
        kPortuguesePortugalColumn,
    };
    return columns;
}

const std::u16string_view* FindTranslation(const TranslationColumn& column,
                                           std::u16string_view key) {
    for (const TranslatedText& entry : column.texts) {
        if (entry.key == key) {
            return &entry.text;
        }
    }
    return nullptr;
}

} // namespace tavrix
