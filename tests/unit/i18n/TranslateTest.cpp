#include "i18n/Translate.h"
#include "base/Unicode.h"
#include "i18n/TranslationTable.h"
#include "i18n/UiLanguage.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace tavrix {
namespace {

std::u16string T(std::u16string_view text, std::uint16_t language) {
    return TranslateText(text, language);
}

TEST(TranslationLanguageKey, KeepsThreeIdentifiersWholeAndReducesTheRest) {
    EXPECT_EQ(TranslationLanguageKey(0x0804), 2052);
    EXPECT_EQ(TranslationLanguageKey(0x0816), 2070);
    EXPECT_EQ(TranslationLanguageKey(0x041A), 1050);
    EXPECT_EQ(TranslationLanguageKey(0x081A), 26); // Serbian (Latin)
    EXPECT_EQ(TranslationLanguageKey(0x0C1A), 26); // Serbian (Cyrillic)
    EXPECT_EQ(TranslationLanguageKey(0x0404), 4);  // Chinese (Taiwan)
    EXPECT_EQ(TranslationLanguageKey(0x1004), 4);  // Chinese (Singapore)
    EXPECT_EQ(TranslationLanguageKey(0x0416), 22); // Portuguese (Brazil)
    EXPECT_EQ(TranslationLanguageKey(0x0C07), 7);  // German (Austria)
    EXPECT_EQ(TranslationLanguageKey(0x0809), 9);  // English (United Kingdom)
}

TEST(TranslateText, GermanAndPortugueseVariants) {
    EXPECT_EQ(T(u"Save...", 0x0407), u"Speichern...");
    EXPECT_EQ(T(u"Zoom to 100%", 0x0407), u"Zoommodus 100 %");
    EXPECT_EQ(T(u"Preview", 0x0C07), u"Vorschau");

    EXPECT_EQ(T(u"File", 0x0416), u"Arquivo");
    EXPECT_EQ(T(u"Preview", 0x0416), u"Visualizar");
    EXPECT_EQ(T(u"Edit", 0x0816), u"Editar");
    EXPECT_EQ(T(u"Preview", 0x0816), u"Preview");
}

TEST(TranslateText, CroatianAndSerbianColumns) {
    EXPECT_EQ(T(u"Zoom in", 0x041A), u"Povećaj");
    EXPECT_EQ(T(u"File", 0x041A), u"File");
    // Serbian in Latin script still gets the Cyrillic column.
    EXPECT_EQ(T(u"Preview", 0x081A), u"Преглед");
    EXPECT_EQ(T(u"File", 0x081A), u"Датотека");
    // Bosnian (0x141A) has the same primary language as Serbian.
    EXPECT_EQ(T(u"Preview", 0x141A), u"Преглед");
}

TEST(TranslateText, ChineseBothScriptsAndOtherCjk) {
    EXPECT_EQ(T(u"Preview", 0x0404), u"預覽");
    EXPECT_EQ(T(u"About %1...", 0x0404), u"關於%1...");
    EXPECT_EQ(T(u"Preview", 0x0804), u"预览");
    EXPECT_EQ(T(u"About %1...", 0x0804), u"关于%1...");
    EXPECT_EQ(T(u"About %1...", 0x0411), u"%1に関する情報");
    EXPECT_EQ(T(u"Preview", 0x0412), u"미리 보기");
}

TEST(TranslateText, UnknownLanguagesKeysAndEnglishGiveTheTextBack) {
    for (std::u16string_view key : TranslationKeys()) {
        EXPECT_EQ(T(key, 0x0409), key);
        EXPECT_EQ(T(key, 0x0809), key);
        EXPECT_EQ(T(key, 0x040B), key); // Finnish has no column
    }
    EXPECT_EQ(T(u"Exit", 0x0413), u"A&fsluiten");
    EXPECT_EQ(T(u"exit", 0x0413), u"exit"); // keys match case-sensitively
    EXPECT_EQ(T(u"", 0x0407), u"");
    for (const TranslationColumn& column : TranslationColumns()) {
        EXPECT_EQ(T(u"Help online...", column.languageKey), u"Help online...");
    }
}

TEST(TranslateText, SomeLanguagesKeepSaveInEnglish) {
    const std::uint16_t languages[] = {0x0401, 0x0402, 0x0C1A, 0x0422};
    for (std::uint16_t language : languages) {
        EXPECT_EQ(T(u"Save...", language), u"Save...") << language;
    }
    EXPECT_EQ(T(u"Save...", 0x0419), u"Сохранить...");
}

// Which groups of rows each language translates; the rows of the first group are all keys but
// "Help online" and those from "Size" on.
TEST(TranslationTable, CellsArePresentExactlyWhereTheLanguageTranslatesTheGroup) {
    struct Presence {
        bool first, second;
    };
    const std::map<std::uint16_t, Presence> expected = {
        {1, {true, true}},     {2, {true, true}},    {4, {true, true}},    {5, {false, true}},
        {6, {true, true}},     {7, {true, true}},    {8, {true, true}},    {10, {true, true}},
        {12, {true, true}},    {14, {true, true}},   {16, {true, true}},   {17, {true, true}},
        {18, {true, true}},    {19, {true, true}},   {21, {true, true}},   {22, {true, true}},
        {25, {true, true}},    {26, {true, true}},   {27, {false, true}},  {29, {true, true}},
        {31, {true, true}},    {34, {true, true}},   {35, {false, true}},  {38, {false, true}},
        {1050, {false, true}}, {2052, {true, true}}, {2070, {true, false}}};
    const std::set<std::u16string_view> secondGroup = {u"Help online",
                                                       u"Size",
                                                       u"Sound",
                                                       u"Preview",
                                                       u"Clipboard is Empty.",
                                                       u"Zoom out",
                                                       u"Zoom in",
                                                       u"Zoom to 100%",
                                                       u"Load file to clipboard",
                                                       u"Save clipboard to file"};

    const auto& keys = TranslationKeys();
    ASSERT_EQ(TranslationColumns().size(), expected.size());
    std::set<std::uint16_t> seen;
    for (const TranslationColumn& column : TranslationColumns()) {
        ASSERT_TRUE(expected.count(column.languageKey)) << column.languageKey;
        EXPECT_TRUE(seen.insert(column.languageKey).second) << "duplicate " << column.languageKey;
        const Presence presence = expected.at(column.languageKey);
        // The first twenty keys are the texts the window had from the start.
        for (std::size_t row = 0; row < 20; ++row) {
            const bool present = secondGroup.count(keys[row]) ? presence.second : presence.first;
            const std::u16string_view* cell = FindTranslation(column, keys[row]);
            if (present) {
                EXPECT_TRUE(cell != nullptr && !cell->empty())
                    << "column " << column.languageKey << " row " << row << " is missing";
            } else {
                EXPECT_EQ(cell, nullptr) << "column " << column.languageKey << " row " << row;
            }
        }
    }
}

TEST(TranslationTable, KeysBeginWithTheTwentyEnglishTextsInLookupOrder) {
    const std::u16string_view expected[] = {u"File",
                                            u"Edit",
                                            u"Help",
                                            u"Help online",
                                            u"Load...",
                                            u"Save...",
                                            u"Always on top",
                                            u"Exit",
                                            u"Delete",
                                            u"Clear clipboard",
                                            u"About %1...",
                                            u"Size",
                                            u"Sound",
                                            u"Preview",
                                            u"Clipboard is Empty.",
                                            u"Zoom out",
                                            u"Zoom in",
                                            u"Zoom to 100%",
                                            u"Load file to clipboard",
                                            u"Save clipboard to file"};
    const auto& keys = TranslationKeys();
    ASSERT_GE(keys.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(keys[i], expected[i]) << i;
    }
}

TEST(TranslationTable, AboutAndPreviewRowsWordForWord) {
    const std::map<std::uint16_t, std::u16string> about = {
        {1, u"حول %1..."},           {2, u"За %1..."},
        {4, u"關於%1..."},           {6, u"Om %1..."},
        {7, u"Info über %1..."},     {8, u"Πληροφορίες για το στοιχείο %1..."},
        {10, u"Acerca de %1..."},    {12, u"À propos de %1..."},
        {14, u"%1 névjegye..."},     {16, u"Informazioni su %1..."},
        {17, u"%1に関する情報"},     {18, u"%1 정보..."},
        {19, u"Over %1..."},         {21, u"%1 - informacje..."},
        {22, u"Sobre o %1..."},      {2070, u"Sobre o %1..."},
        {25, u"О программе %1..."},  {26, u"About %1..."},
        {29, u"Om %1..."},           {31, u"%1 Hakkında..."},
        {34, u"Про програму %1..."}, {2052, u"关于%1..."}};
    const std::map<std::uint16_t, std::u16string> preview = {{1, u"معاينة"},
                                                             {2, u"Визуализация"},
                                                             {4, u"預覽"},
                                                             {5, u"Náhled"},
                                                             {6, u"Eksempel"},
                                                             {7, u"Vorschau"},
                                                             {8, u"Προεπισκόπηση"},
                                                             {10, u"Vista previa"},
                                                             {12, u"Aperçu"},
                                                             {14, u"Előnézet"},
                                                             {16, u"Anteprima"},
                                                             {17, u"プレビュー"},
                                                             {18, u"미리 보기"},
                                                             {19, u"Voorbeeld"},
                                                             {21, u"Podgląd"},
                                                             {22, u"Visualizar"},
                                                             {25, u"Просмотр"},
                                                             {26, u"Преглед"},
                                                             {27, u"Ukážka"},
                                                             {29, u"Förhandsgranska"},
                                                             {31, u"Önizleme"},
                                                             {34, u"Попередній перегляд"},
                                                             {35, u"Папярэдні прагляд"},
                                                             {38, u"Priekšskatījums"},
                                                             {1050, u"Pretpregled"},
                                                             {2052, u"预览"}};

    for (const TranslationColumn& column : TranslationColumns()) {
        // Query through the lookup with an identifier that reduces to this column; 0x041A
        // would be Croatian, so Serbian is asked as Serbian (Cyrillic, 0x0C1A).
        std::uint16_t language =
            column.languageKey > 0xFF ? column.languageKey : (0x0400 | column.languageKey);
        if (column.languageKey == 26) {
            language = 0x0C1A;
        }
        auto a = about.find(column.languageKey);
        EXPECT_EQ(T(u"About %1...", language), a != about.end() ? a->second : u"About %1...")
            << column.languageKey;
        auto p = preview.find(column.languageKey);
        EXPECT_EQ(T(u"Preview", language), p != preview.end() ? p->second : u"Preview")
            << column.languageKey;
    }
}

TEST(TranslationTable, PortugalSharesTheBrazilianFirstGroup) {
    const TranslationColumn* brazil = nullptr;
    const TranslationColumn* portugal = nullptr;
    for (const TranslationColumn& column : TranslationColumns()) {
        if (column.languageKey == 22) {
            brazil = &column;
        } else if (column.languageKey == 2070) {
            portugal = &column;
        }
    }
    ASSERT_TRUE(brazil != nullptr && portugal != nullptr);
    for (std::u16string_view key : TranslationKeys()) {
        if (const std::u16string_view* cell = FindTranslation(*portugal, key)) {
            ASSERT_NE(FindTranslation(*brazil, key), nullptr);
            EXPECT_EQ(*cell, *FindTranslation(*brazil, key));
        }
    }
}

class FixedLanguage : public UiLanguageSource {
public:
    std::uint16_t UserDefaultUILanguage() override {
        ++calls;
        return language;
    }
    std::uint16_t language = 0x0409;
    int calls = 0;
};

TEST(TranslateTextWide, AsksTheDisplayLanguageAtEveryCall) {
    FixedLanguage source;
    InstallUiLanguageSource(&source);
    source.language = 0x0411;
    EXPECT_EQ(TranslateText(std::wstring(L"Preview")), L"プレビュー");
    source.language = 0x0419;
    EXPECT_EQ(TranslateText(std::wstring(L"Preview")), L"Просмотр");
    EXPECT_EQ(source.calls, 2);
    InstallUiLanguageSource(nullptr);
    EXPECT_EQ(TranslateText(std::wstring(L"Preview")), L"Preview");
}

} // namespace
} // namespace tavrix
