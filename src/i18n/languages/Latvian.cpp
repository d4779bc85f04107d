// The texts in Latvian: only part of the window; the other texts show in English.
#include "i18n/languages/LanguageColumns.h"

namespace tavrix {

namespace {

// clang-format off
constexpr TranslatedText kTexts[] = {
    {u"Help online", u"Tiešsaistes palīdzība"},
    {u"Size", u"Lielums"},
    {u"Sound", u"Skaņa"},
    {u"Preview", u"Priekšskatījums"},
    {u"Clipboard is Empty.", u"Starpliktuve ir tukša."},
    {u"Zoom out", u"Tālināt"},
    {u"Zoom in", u"Tuvināt"},
    {u"Zoom to 100%", u"Tālummaiņa 100%"},
    {u"Load file to clipboard", u"Ielādēt failu starpliktuvē"},
    {u"Save clipboard to file", u"Saglabāt starpliktuvi failā"},
};
// clang-format on

} // namespace

extern const TranslationColumn kLatvianColumn = {38, "Latvian", false, kTexts};

} // namespace tavrix
