// The texts in Czech: only part of the window; the other texts show in English.
#include "i18n/languages/LanguageColumns.h"

namespace tavrix {

namespace {

// clang-format off
constexpr TranslatedText kTexts[] = {
    {u"Help online", u"Nápověda online"},
    {u"Size", u"Velikost"},
    {u"Sound", u"Zvuk"},
    {u"Preview", u"Náhled"},
    {u"Clipboard is Empty.", u"Schránka je prázdná."},
    {u"Zoom out", u"Oddálit"},
    {u"Zoom in", u"Přiblížit"},
    {u"Zoom to 100%", u"Lupa 100 %"},
    {u"Load file to clipboard", u"Načíst soubor do schránky"},
    {u"Save clipboard to file", u"Uložit schránku do souboru"},
};
// clang-format on

} // namespace

extern const TranslationColumn kCzechColumn = {5, "Czech", false, kTexts};

} // namespace tavrix
