// The texts in Belarusian: only part of the window; the other texts show in English.
#include "i18n/languages/LanguageColumns.h"

namespace tavrix {

namespace {

// clang-format off
constexpr TranslatedText kTexts[] = {
    {u"Help online", u"Даведка ў Інтэрнэце"},
    {u"Size", u"Памер"},
    {u"Sound", u"Гук"},
    {u"Preview", u"Папярэдні прагляд"},
    {u"Clipboard is Empty.", u"Буфер абмену пусты."},
    {u"Zoom out", u"Паменшыць"},
    {u"Zoom in", u"Павялічыць"},
    {u"Zoom to 100%", u"Маштаб 100%"},
    {u"Load file to clipboard", u"Загрузіць файл у буфер абмену"},
    {u"Save clipboard to file", u"Захаваць буфер абмену ў файл"},
};
// clang-format on

} // namespace

extern const TranslationColumn kBelarusianColumn = {35, "Belarusian", false, kTexts};

} // namespace tavrix
