// The texts in Croatian (Croatia): only part of the window; the other texts show in English.
#include "i18n/languages/LanguageColumns.h"

namespace tavrix {

namespace {

// clang-format off
constexpr TranslatedText kTexts[] = {
    {u"Help online", u"Pomoć na mreži"},
    {u"Size", u"Veličina"},
    {u"Sound", u"Zvuk"},
    {u"Preview", u"Pretpregled"},
    {u"Clipboard is Empty.", u"Međuspremnik je prazan."},
    {u"Zoom out", u"Smanji"},
    {u"Zoom in", u"Povećaj"},
    {u"Zoom to 100%", u"Zumiraj na 100%"},
    {u"Load file to clipboard", u"Učitaj datoteku u međuspremnik"},
    {u"Save clipboard to file", u"Spremi međuspremnik u datoteku"},
};
// clang-format on

} // namespace

extern const TranslationColumn kCroatianColumn = {1050, "Croatian", false, kTexts};

} // namespace tavrix
