#pragma once
// Texts shown to the user go through Tr, which gives them in the user's language. The English
// text is the key; "%1" to "%9" stand for the parts that stay as they are (numbers, file names,
// program and format names), so each language may put them where its sentence wants them.
// Until a translator is installed (the program installs the table's at start-up) Tr gives the
// English text back.
#include <initializer_list>
#include <string>
#include <string_view>

namespace tavrix {

using TextTranslator = std::wstring (*)(std::wstring_view key);

// Marks a key kept in a table and translated where it is shown (Tr(table[i])).
constexpr std::wstring_view TextKey(std::wstring_view key) {
    return key;
}

// nullptr goes back to English.
void InstallTextTranslator(TextTranslator translator);

// The key in the user's language.
std::wstring Tr(std::wstring_view key);

// The same with "%1" replaced by the first value, "%2" by the second and so on.
std::wstring Tr(std::wstring_view key, std::initializer_list<std::wstring_view> values);

// pattern with each "%n" (n from 1 to 9) replaced by values[n - 1]; a placeholder without a
// value stays as it is.
std::wstring FillPlaceholders(std::wstring_view pattern,
                              std::initializer_list<std::wstring_view> values);

} // namespace tavrix
