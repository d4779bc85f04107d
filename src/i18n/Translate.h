#pragma once
// Translation of the English user-interface texts into the user's display language.
#include <cstdint>
#include <string>
#include <string_view>

namespace tavrix {

// The table column for a Windows language identifier: Chinese (China), Portuguese (Portugal)
// and Croatian (Croatia) have columns of their own; every other identifier goes by its primary
// language (the low 8 bits).
std::uint16_t TranslationLanguageKey(std::uint16_t languageId);

// The table's text for an English key text in the given language, or the text itself when the
// language, the key or the cell is missing. Keys match exactly, letter case included.
std::u16string TranslateText(std::u16string_view text, std::uint16_t languageId);

// The same in the current display language (asked again at every call).
std::wstring TranslateText(const std::wstring& text);

// Makes Tr (base/UiText.h) translate through the table into the current display language.
void InstallTableTranslation();

} // namespace tavrix
