// The texts in Portuguese (Portugal), with the Brazilian wording: only part of the window; the
// other texts show in English.
#include "i18n/languages/LanguageColumns.h"

namespace tavrix {

namespace {

// clang-format off
constexpr TranslatedText kTexts[] = {
    {u"File", u"Arquivo"},
    {u"Edit", u"Editar"},
    {u"Help", u"Ajuda"},
    {u"Load...", u"Carregar..."},
    {u"Save...", u"Salvar..."},
    {u"Always on top", u"Sempre visível"},
    {u"Exit", u"Sair"},
    {u"Delete", u"Excluir"},
    {u"Clear clipboard", u"Limpar área de transferência"},
    {u"About %1...", u"Sobre o %1..."},
};
// clang-format on

} // namespace

extern const TranslationColumn kPortuguesePortugalColumn = {2070, "PortuguesePortugal", false,
                                                            kTexts};

} // namespace tavrix
