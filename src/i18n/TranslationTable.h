#pragma once
// The compiled-in table of user-interface translations: one row per English text, one column
// per language key. A missing cell means the language shows that text in English.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tavrix {

inline constexpr std::size_t kTranslationKeyCount = 20;

// The English texts that can be translated, in lookup order.
const std::array<std::u16string_view, kTranslationKeyCount>& TranslationKeys();

struct TranslationColumn {
    std::uint16_t languageKey;
    // Indexed like TranslationKeys(); nullptr where the language has no text.
    std::array<const char16_t*, kTranslationKeyCount> cells;
};

// The 27 language columns.
std::span<const TranslationColumn> TranslationColumns();

} // namespace tavrix
