#pragma once
// The columns of the translation table, one file per language.
#include "i18n/TranslationTable.h"

namespace tavrix {

extern const TranslationColumn kArabicColumn;
extern const TranslationColumn kBulgarianColumn;
extern const TranslationColumn kChineseTraditionalColumn;
extern const TranslationColumn kCzechColumn;
extern const TranslationColumn kDanishColumn;
extern const TranslationColumn kGermanColumn;
extern const TranslationColumn kGreekColumn;
extern const TranslationColumn kSpanishColumn;
extern const TranslationColumn kFrenchColumn;
extern const TranslationColumn kHungarianColumn;
extern const TranslationColumn kItalianColumn;
extern const TranslationColumn kJapaneseColumn;
extern const TranslationColumn kKoreanColumn;
extern const TranslationColumn kDutchColumn;
extern const TranslationColumn kPolishColumn;
extern const TranslationColumn kPortugueseBrazilColumn;
extern const TranslationColumn kRussianColumn;
extern const TranslationColumn kSerbianColumn;
extern const TranslationColumn kSlovakColumn;
extern const TranslationColumn kSwedishColumn;
extern const TranslationColumn kTurkishColumn;
extern const TranslationColumn kUkrainianColumn;
extern const TranslationColumn kBelarusianColumn;
extern const TranslationColumn kLatvianColumn;
extern const TranslationColumn kCroatianColumn;
extern const TranslationColumn kChineseSimplifiedColumn;
extern const TranslationColumn kPortuguesePortugalColumn;

} // namespace tavrix
