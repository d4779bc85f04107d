// The texts in Slovak: only part of the window; the other texts show in English.
#include "i18n/languages/LanguageColumns.h"

namespace tavrix {

namespace {

// clang-format off
constexpr TranslatedText kTexts[] = {
    {u"Help online", u"Pomocník online"},
    {u"Size", u"Veľkosť"},
    {u"Sound", u"Zvuk"},
    {u"Preview", u"Ukážka"},
    {u"Clipboard is Empty.", u"Schránka je prázdna."},
    {u"Zoom out", u"Oddialiť"},
    {u"Zoom in", u"Priblížiť"},
    {u"Zoom to 100%", u"Lupa 100 %"},
    {u"Load file to clipboard", u"Načítať súbor do schránky"},
    {u"Save clipboard to file", u"Uložiť schránku do súboru"},
};
// clang-format on

} // namespace

extern const TranslationColumn kSlovakColumn = {27, "Slovak", false, kTexts};

} // namespace tavrix
